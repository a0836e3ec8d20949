// SPDX-License-Identifier: MIT
#include "core/optics/diffraction.h"

#include "core/optics/sharp_zone.h"

namespace {

constexpr double kAiryFactor = 2.44;  // first dark ring of a circular aperture, in λN

}  // namespace

double AiryDiscDiameter(double aperture, double magnification, double pupil) {
    return kAiryFactor * kWavelength * aperture * (1 + magnification / pupil);
}

bool DiffractionExceeds(double airyDisc, double coc) {
    return airyDisc > coc;
}

double EffectiveAperture(double aperture, double magnification, double pupil) {
    return aperture * (1 + magnification / pupil);
}

double WaveDepth(double effectiveAperture, double magnification) {
    return 4 * kWavelength * effectiveAperture * effectiveAperture /
           (magnification * magnification);
}
