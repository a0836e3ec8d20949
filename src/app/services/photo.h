// SPDX-License-Identifier: MIT
// A camera from a photo, or from the camera database, through the reader
// process kadrel-photo (services/locations.h finds it). Photos come from anywhere
// and metadata parsers crash: the reader runs with its own limits, is killed
// when it takes longer than kPhotoReaderSeconds, and whatever becomes of it,
// kadrel only reads its answer.
#pragma once

#include <string>
#include <vector>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_protocol.h"
#include "core/settings/bag_text.h"
#include "platform/helper_process.h"
#include "ui/userint.h"

constexpr int kPhotoReaderSeconds = 5;

// What *why says of a read the user stopped.
inline constexpr char kCancelledRead[] = "cancelled";

// How the reader is run: RunHelper blocks, as the command line may; the
// window hands one that keeps its events going meanwhile.
using HelperRunner = HelperOutcome (*)(const char* const argv[], int timeoutMs,
                                       std::string* output);

// The camera in the photo at path as the reader at helper answers; false
// with *why set ("the file is empty", "reading it took too long",
// kCancelledRead) otherwise.
bool ReadPhotoWith(const char* helper, const char* path, PhotoCamera* camera, std::string* why,
                   HelperRunner run = RunHelper);

// kadrel-photo beside this program or installed with it; false if neither.
bool FindPhotoHelper(char (&helper)[MAX_PATHNAME_LEN]);

// The database's camera bodies through the reader at helper; false if none.
bool ReadCameraBodiesWith(const char* helper, std::vector<CameraBody>* bodies);

// lensfun's lenses through the helper, from the system's database or the
// one database file given; false, *lenses empty, when none could be read.
bool ReadLensesWith(const char* helper, const char* database, std::vector<BagLens>* lenses);
