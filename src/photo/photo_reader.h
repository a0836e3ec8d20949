// SPDX-License-Identifier: MIT
// kadrel-photo's readers: the photo's metadata through Exiv2, the camera
// bodies and lenses through lensfun. Each answers in the lines of
// core/photo/photo_protocol.h.
#pragma once

#include <string>
#include <vector>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_protocol.h"
#include "core/settings/bag_text.h"

// The photo's facts from the file's bytes; false with *why set when they
// cannot be read (not an image, damaged, no metadata).
bool ReadExifFacts(const unsigned char* data, long size, PhotoFacts* facts, std::string* why);

// The database's crop factor and names for the body the photo names, if known.
void LookUpCamera(PhotoFacts* facts);

// Every body in the database with a crop factor, in the database's order.
std::vector<CameraBody> AllCameraBodies();

// Every lens in the database, or in the one database file given, with its
// mount, focal range and the widest aperture at each calibrated focal length.
std::vector<BagLens> AllLenses(const char* file);
