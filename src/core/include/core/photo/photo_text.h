// SPDX-License-Identifier: MIT
// What was taken from a photo, in words, for the window's summary and for
// `kadrel photo`.
#pragma once

#include <string>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_fields.h"
#include "core/text/units.h"

// "6016 × 4016 px" with no-break spaces, so that no line breaks inside it.
std::string Times(const std::string& a, const std::string& b, const char* unit);

// The subject's distance from the lens (m) for the photo's own focal length;
// false unless the photo gives both and the subject is farther than 4f.
bool PhotoLensDistance(const PhotoCamera& camera, double* lensDistance);

// Where the sensor size came from: "the camera database (crop 1.525)".
std::string SensorSourceText(const PhotoCamera& camera);

// "Nikon D70 · sensor 23.63 × 15.71 mm from the camera database (crop
// 1.525) · 3008 × 2000 px · 50 mm · f/9 · subject 5.31 m from the sensor =
// 5.26 m from the lens": what the photo gave, missing pieces left out, the
// distances in units; no line breaks inside "3008 × 2000 px" (no-break spaces).
std::string PhotoSummaryLine(const PhotoCamera& camera, Units units);

// What `kadrel photo` prints: a refusal first, then one line per value the
// window would set, as the field would show it, with where it came from; then
// what is missing and what the panel would keep of its own.
std::string PhotoReportText(const PhotoFields& fields);

// The same as one JSON object; a value the window would not set is null.
std::string PhotoJson(const PhotoFields& fields);
