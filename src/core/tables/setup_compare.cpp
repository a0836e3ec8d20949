// SPDX-License-Identifier: MIT
#include "core/tables/setup_compare.h"

#include <cmath>

#include "core/optics/f_stops.h"
#include "core/optics/thin_lens.h"

SetupFigures ComputeSetupFigures(const ShotSetup& setup) {
    const Lens& lens = setup.lens;
    const double f = lens.focal;
    const double beyond = setup.distance - f;
    if (!(beyond > 0)) {
        return {NAN, NAN, NAN, NAN, NAN, NAN};
    }
    const SharpLimits limits = ExactLimits(lens, setup.distance);
    SetupFigures figures;
    figures.nearLimit = limits.nearLimit;
    figures.farLimit = limits.farLimit;
    figures.depth = limits.farLimit - limits.nearLimit;
    figures.hyperfocal = Hyperfocal(lens);
    // The magnification is f/(s − f); the sensor width over it is the field.
    figures.fieldWidth = setup.sensorWidth * beyond / f;
    // Worked out in millimetres, in the order it always was, to the last bit.
    const double focalMm = Millimetres(f);
    figures.backgroundBlurMm = focalMm * focalMm / (lens.aperture * beyond * 1000);
    return figures;
}

namespace {

// Within this share of the target's depth, a depth is the same to the eye.
constexpr double kSameDepth = 0.01;

double DepthAt(ShotSetup setup, double aperture) {
    setup.lens.aperture = aperture;
    return ComputeSetupFigures(setup).depth;
}

// The f-number whose depth at the setup's distance is depth; +inf for a
// depth without end, reached only past the hyperfocal f-number.
double ExactAperture(const ShotSetup& setup, double depth) {
    const double f = setup.lens.focal;
    const double s = setup.distance;
    const double u = s - f;
    const double hyperfocal =
        std::isinf(depth) ? u : u * (s + std::sqrt(s * s + depth * depth)) / depth;
    return f * f / (setup.lens.circle * hyperfocal);
}

}  // namespace

DepthMatch MatchDepth(const ShotSetup& setup, const ShotSetup& target) {
    const SetupFigures goal = ComputeSetupFigures(target);
    ShotSetup moved = setup;
    const double f = setup.lens.focal;
    // The field over the width in millimetres, as it always was, to the last bit.
    moved.distance = f * (1 + goal.fieldWidth * 1000 / Millimetres(setup.sensorWidth));
    DepthMatch match{0, moved.distance, NAN, {0, NAN}, {0, NAN}, false};
    if (std::isnan(goal.depth) || !(moved.distance > f)) {
        return match;
    }
    match.exact = ExactAperture(moved, goal.depth);
    for (double stop : ThirdStops()) {
        const double depth = DepthAt(moved, stop);
        if (depth >= goal.depth * (1 - kSameDepth)) {
            match.aperture = stop;
            match.above = {stop, depth};
            break;
        }
        match.below = {stop, depth};
    }
    const double own = DepthAt(moved, setup.lens.aperture);
    match.matched = own == goal.depth || std::fabs(own - goal.depth) <= kSameDepth * goal.depth;
    return match;
}
