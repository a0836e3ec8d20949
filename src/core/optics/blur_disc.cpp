// SPDX-License-Identifier: MIT
#include "core/optics/blur_disc.h"

#include <cmath>

BlurDisc ComputeBlurDisc(double focal, double aperture, double s, double d, double sensorWidth,
                         int pixelsAcross) {
    BlurDisc blur{};
    if (!(focal > 0 && aperture > 0 && std::isfinite(focal) && std::isfinite(aperture))) {
        blur.error = "the focal length and the f-number must be positive numbers";
    } else if (!(sensorWidth > 0 && std::isfinite(sensorWidth) && pixelsAcross > 0)) {
        blur.error = "the sensor must have a width and pixels";
    } else if (!(s > focal && std::isfinite(s))) {
        blur.error = "the focus must lie beyond the focal length";
    } else if (!(d > focal)) {
        blur.error = "the point must lie beyond the focal length";
    }
    if (!blur.error.empty()) {
        return blur;
    }
    const double magnification = focal / (s - focal);
    // |d − s|/d, written so that a point at infinity gives 1, not ∞/∞.
    const double away = std::isinf(d) ? 1 : std::fabs(d - s) / d;
    blur.diameter = focal * magnification / aperture * away;
    blur.pixels = blur.diameter / (sensorWidth / pixelsAcross);
    blur.frameShare = blur.diameter / sensorWidth;
    return blur;
}
