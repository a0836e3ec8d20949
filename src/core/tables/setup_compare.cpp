// SPDX-License-Identifier: MIT
#include "core/tables/setup_compare.h"

#include <cmath>

#include "core/optics/f_stops.h"
#include "core/optics/thin_lens.h"

SetupFigures ComputeSetupFigures(const ShotSetup& setup) {
    const double f = setup.focalMm / 1000;
    const double c = setup.cocMm / 1000;
    const double beyond = setup.distance - f;
    if (!(beyond > 0)) {
        return {NAN, NAN, NAN, NAN, NAN, NAN};
    }
    const SharpLimits limits = ExactLimits(f, setup.aperture, c, setup.distance);
    SetupFigures figures;
    figures.nearLimit = limits.nearLimit;
    figures.farLimit = limits.farLimit;
    figures.depth = limits.farLimit - limits.nearLimit;
    figures.hyperfocal = HyperfocalPrime(f, setup.aperture, c) + f;
    // The magnification is f/(s − f); the sensor width over it is the field.
    figures.fieldWidth = setup.sensorWidthMm / 1000 * beyond / f;
    figures.backgroundBlurMm = setup.focalMm * setup.focalMm / (setup.aperture * beyond * 1000);
    return figures;
}

DepthMatch MatchDepth(const ShotSetup& setup, const ShotSetup& target) {
    const SetupFigures goal = ComputeSetupFigures(target);
    ShotSetup moved = setup;
    moved.distance = setup.focalMm / 1000 * (1 + goal.fieldWidth * 1000 / setup.sensorWidthMm);
    DepthMatch match{0, moved.distance};
    if (std::isnan(goal.depth)) {
        return match;
    }
    for (double stop : ThirdStops()) {
        moved.aperture = stop;
        if (ComputeSetupFigures(moved).depth >= goal.depth) {
            match.aperture = stop;
            break;
        }
    }
    return match;
}
