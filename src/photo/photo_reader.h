// SPDX-License-Identifier: MIT
// kadrel-photo's two readers: the photo's metadata through Exiv2 and the
// camera bodies through lensfun. Each answers in the lines of
// core/photo/photo_protocol.h.
#pragma once

#include <string>
#include <vector>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_protocol.h"

// The photo's facts from the file's bytes; false with *why set when they
// cannot be read (not an image, damaged, no metadata).
bool ReadExifFacts(const unsigned char* data, long size, PhotoFacts* facts, std::string* why);

// The database's crop factor and names for the body the photo names, if known.
void LookUpCamera(PhotoFacts* facts);

// Every body in the database with a crop factor, in the database's order.
std::vector<CameraBody> AllCameraBodies();
