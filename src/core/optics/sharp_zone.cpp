// SPDX-License-Identifier: MIT
#include "core/optics/sharp_zone.h"

#include <cmath>

#include "core/optics/diffraction.h"
#include "core/optics/thin_lens.h"

namespace {

constexpr double kAiryFactor = 2.44;  // first dark ring of a circular aperture, in λN

}  // namespace

SharpZone ComputeSharpZone(const Lens& lens, double pupil, double d, const DepthOfField& report) {
    const double f = lens.focal;
    const double n = lens.aperture;
    const double coc = lens.circle;
    SharpZone zone{};
    zone.imaged = d > f;
    zone.magnification = f / (d - f);
    zone.closeUp = zone.imaged && zone.magnification >= kCloseUpMagnification;
    const double spread = zone.closeUp ? 1 + zone.magnification / pupil : 1;
    zone.effectiveAperture = n * spread;
    zone.airy = kAiryFactor * kWavelength * zone.effectiveAperture;
    zone.diffractionLimit = coc / (kAiryFactor * kWavelength * spread);
    zone.diffractionLimited = zone.airy > coc;

    zone.hyperfocal = Hyperfocal(lens);
    zone.hyperfocalNear = ExactLimits(lens, zone.hyperfocal).nearLimit;
    zone.nearLimit = zone.farLimit = zone.depth = zone.waveDepth = std::nan("");
    if (zone.imaged) {
        const SharpLimits limits = ExactLimits({f, PupilAperture(f, n, pupil, d), coc}, d);
        zone.nearLimit = limits.nearLimit;
        zone.farLimit = limits.farLimit;
        zone.depth = limits.farLimit - limits.nearLimit;
        zone.waveDepth =
            WaveDepth(EffectiveAperture(n, zone.magnification, pupil), zone.magnification);
    }
    zone.reportDepth = report.dof;
    return zone;
}
