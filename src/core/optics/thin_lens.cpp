// SPDX-License-Identifier: MIT
#include "core/optics/thin_lens.h"

#include <limits>

double HyperfocalPrime(double focal, double aperture, double coc) {
    return focal * focal / (aperture * coc);
}

SharpLimits ExactLimits(double focal, double aperture, double coc, double s) {
    const double h = HyperfocalPrime(focal, aperture, coc);
    const double farDenominator = h - (s - focal);
    SharpLimits limits;
    limits.nearLimit = h * s / (h + s - focal);
    limits.farLimit = farDenominator > 1e-9 * h ? h * s / farDenominator
                                                : std::numeric_limits<double>::infinity();
    return limits;
}

double PupilAperture(double focal, double aperture, double pupil, double s) {
    if (pupil == 1) {
        return aperture;
    }
    const double m = focal / (s - focal);
    return aperture * (1 + m / pupil) / (1 + m);
}
