// SPDX-License-Identifier: MIT
// What a photographer asks after the report: where the sharp zone starts and
// ends for the chosen circle of confusion, how large the subject is on the
// sensor, whether diffraction lets that zone be reached at all, and how far
// the report's usual approximation strays up close.
#pragma once

#include "core/optics/optics.h"
#include "core/optics/thin_lens.h"

// Green light, the usual reference for diffraction.
constexpr double kWavelength = 550e-9;  // m
// From this magnification on, the light spreads over a noticeably larger
// image (the effective f-number grows by 1 + m) and the report's
// approximation overstates the depth by more than about 5 %.
constexpr double kCloseUpMagnification = 1.0 / 20;

struct SharpZone {
    double nearLimit;          // m, exact thin lens with the chosen circle; NaN without an image
    double farLimit;           // m; +inf from the hyperfocal distance on
    double depth;              // m; +inf with the far limit
    double hyperfocal;         // m from the lens, H′ + f: focused here, the far limit is ∞
    double hyperfocalNear;     // m: the near limit then, half of it
    bool imaged;               // d beyond the focal length: there is an image
    double magnification;      // f/(d − f) (meaningful when imaged)
    bool closeUp;              // magnification kCloseUpMagnification or more
    double effectiveAperture;  // N(1 + m/P) up close, N otherwise
    double airy;               // m: Airy disc diameter 2.44 λ N, effective N
    double diffractionLimit;   // f-number at which the disc is as wide as the circle
    bool diffractionLimited;   // the disc is wider than the circle: the zone is out of reach
    double reportDepth;        // m: the report's total depth, which approximates depth
    double waveDepth;          // m: the depth by wave optics; NaN without an image
};

// The subject at d metres from the lens, seen through lens with the pupil
// magnification pupil; report holds the report's own figures for that distance.
SharpZone ComputeSharpZone(const Lens& lens, double pupil, double d, const DepthOfField& report);
