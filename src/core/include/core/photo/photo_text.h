// SPDX-License-Identifier: MIT
// What was taken from a photo, in words, for the window's summary and for
// `kadrel photo`.
#pragma once

#include <string>

#include "core/photo/photo_camera.h"

// The subject's distance from the lens (m) for the photo's own focal length;
// false unless the photo gives both and the subject is farther than 4f.
bool PhotoLensDistance(const PhotoCamera& camera, double* lensDistance);

// Where the sensor size came from: "the camera database (crop 1.525)".
std::string SensorSourceText(const PhotoCamera& camera);

// "Nikon D70 · sensor 23.63 × 15.71 mm from the camera database (crop
// 1.525) · 3008 × 2000 px · 50 mm · f/9 · subject 5.31 m from the sensor =
// 5.26 m from the lens": what the photo gave, missing pieces left out.
std::string PhotoSummaryLine(const PhotoCamera& camera);

// What `kadrel photo` prints: one line per value the window would set, as the
// field would show it, with where it came from; then what is missing.
std::string PhotoReportText(const PhotoCamera& camera);

// The same as one JSON object; a value the photo does not give is null.
std::string PhotoJson(const PhotoCamera& camera);
