// SPDX-License-Identifier: MIT
#include "core/optics/sharp_zone.h"

#include <cmath>

#include "core/optics/diffraction.h"
#include "core/optics/thin_lens.h"

namespace {

constexpr double kAiryFactor = 2.44;  // first dark ring of a circular aperture, in λN

}  // namespace

SharpZone ComputeSharpZone(const Settings& s, double coc, double d, const DepthOfField& report) {
    const double f = s.focal / 1000.0;
    const double n = s.aperture;
    SharpZone zone{};
    zone.imaged = d > f;
    zone.magnification = f / (d - f);
    zone.closeUp = zone.imaged && zone.magnification >= kCloseUpMagnification;
    const double spread = zone.closeUp ? 1 + zone.magnification / s.pupil : 1;
    zone.effectiveAperture = n * spread;
    zone.airy = kAiryFactor * kWavelength * zone.effectiveAperture;
    zone.diffractionLimit = coc / (kAiryFactor * kWavelength * spread);
    zone.diffractionLimited = zone.airy > coc;

    zone.hyperfocal = HyperfocalPrime(f, n, coc) + f;
    zone.hyperfocalNear = ExactLimits(f, n, coc, zone.hyperfocal).nearLimit;
    zone.nearLimit = zone.farLimit = zone.depth = zone.waveDepth = std::nan("");
    if (zone.imaged) {
        const SharpLimits limits = ExactLimits(f, PupilAperture(f, n, s.pupil, d), coc, d);
        zone.nearLimit = limits.nearLimit;
        zone.farLimit = limits.farLimit;
        zone.depth = limits.farLimit - limits.nearLimit;
        zone.waveDepth =
            WaveDepth(EffectiveAperture(n, zone.magnification, s.pupil), zone.magnification);
    }
    zone.reportDepth = report.dof;
    return zone;
}
