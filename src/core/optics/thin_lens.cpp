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
