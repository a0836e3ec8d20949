// SPDX-License-Identifier: MIT
#include "core/optics/thin_lens.h"

#include <limits>

double HyperfocalPrime(const Lens& lens) {
    return lens.focal * lens.focal / (lens.aperture * lens.circle);
}

double Hyperfocal(const Lens& lens) {
    return HyperfocalPrime(lens) + lens.focal;
}

SharpLimits ExactLimits(const Lens& lens, double s) {
    const double focal = lens.focal;
    const double h = HyperfocalPrime(lens);
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
