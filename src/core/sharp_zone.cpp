#include "core/sharp_zone.h"

#include <cmath>

#include "core/text_format.h"
#include "core/thin_lens.h"

namespace {

constexpr double kAiryFactor = 2.44;  // first dark ring of a circular aperture, in λN

// The exact limits up close, where the report's approximation strays.
void ExactLimitsInto(double f, double c, double n, double d, SharpZone* zone) {
    const SharpLimits limits = ExactLimits(f, n, c, d);
    zone->exactNear = limits.nearLimit;
    zone->exactFar = limits.farLimit;
    zone->exactDepth = zone->exactFar - zone->exactNear;
}

}  // namespace

SharpZone ComputeSharpZone(float pixelsize, float focal, float aperture, double d,
                           const DepthOfField& depth) {
    const double f = focal / 1000.0;
    const double c = pixelsize / 1000.0;
    const double n = aperture;
    SharpZone zone{};
    zone.nearLimit = d - static_cast<double>(depth.front);
    zone.farLimit = d + static_cast<double>(depth.rear);
    zone.hyperfocalNear = static_cast<double>(depth.dh) / 2;
    zone.reportDepth = depth.dof;
    zone.imaged = d > f;
    zone.reproduction = (d - f) / f;
    zone.airyMicrons = kAiryFactor * kWavelength * n * 1e6;
    zone.airyPixels = kAiryFactor * kWavelength * n / c;
    zone.diffractionLimit = kAiryPixels * c / (kAiryFactor * kWavelength);
    zone.diffractionLimited = n > zone.diffractionLimit;
    zone.closeUp = zone.imaged && 1 / zone.reproduction >= kCloseUpMagnification;
    zone.exactNear = zone.exactFar = zone.exactDepth = std::nan("");
    if (zone.closeUp) {
        ExactLimitsInto(f, c, n, d, &zone);
    }
    return zone;
}

std::string FormatLength(double metres) {
    if (std::isinf(metres)) {
        return metres > 0 ? "\u221e" : "-\u221e";
    }
    if (std::isnan(metres)) {
        return "\u2013";
    }
    if (std::fabs(metres) >= 1) {
        return TextFormat("%.2f m", metres);
    }
    const double mm = metres * 1000;
    return TextFormat(std::fabs(mm) < 10 ? "%.2f mm" : "%.1f mm", mm);
}
