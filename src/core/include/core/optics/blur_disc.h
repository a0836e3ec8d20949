// SPDX-License-Identifier: MIT
// How blurred a point off the focus is: a background made soft, or a
// foreground that should not distract.
#pragma once

#include <string>

struct BlurDisc {
    double diameter;    // m on the sensor
    double pixels;      // the same in pixel widths
    double frameShare;  // as a share of the frame width, 0 … 1 and beyond
    std::string error;  // why it cannot be worked out; empty when it can
};

// Focused at s, a point at distance d (+inf allowed) blurs to b = f m/N ·
// |d − s|/d with m = f/(s − f). Lengths in metres, from the lens.
BlurDisc ComputeBlurDisc(double focal, double aperture, double s, double d, double sensorWidth,
                         int pixelsAcross);
