// SPDX-License-Identifier: MIT
// What a camera's setup is on 36 × 24 mm: the focal length and f-number that
// frame and blur alike there, and the circle of confusion that goes with them.
#pragma once

#include <string>

#include "core/optics/optics.h"

// Full frame's diagonal over the sensor's (43.27 / 28.21 mm = 1.53 for
// 23.5 × 15.6 mm).
double CropFactor(double xsizeMm, double ysizeMm);

// "Full-frame look 53.7 mm f/2.76, CoC 0.0060 mm (crop factor 1.53)" for
// 35 mm f/1.8 on 23.5 × 15.6 mm, cocMm the circle in use: the setup that
// frames and blurs alike on 36 × 24 mm.
std::string FullFrameText(const Settings& settings, double cocMm);
