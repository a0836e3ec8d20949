// SPDX-License-Identifier: MIT
#include "core/optics/full_frame.h"

#include <cmath>

#include "core/text/text_format.h"

double CropFactor(double xsizeMm, double ysizeMm) {
    return std::hypot(36.0, 24.0) / std::hypot(xsizeMm, ysizeMm);
}

// The same field of view takes the focal length times the crop; the same
// entrance pupil, and so the same blur, takes the f-number times it too.
std::string FullFrameText(const Settings& s, double cocMm) {
    const double crop = CropFactor(s.xsize, s.ysize);
    return TextFormat("Full-frame look %.1f mm f/%.2f, CoC %.4f mm (crop factor %.2f)",
                      s.focal * crop, s.aperture * crop, cocMm * crop, crop);
}
