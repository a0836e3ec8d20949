// SPDX-License-Identifier: MIT
// Setups side by side: "35 mm at f/1.4 or 50 mm at f/1.8 for this portrait?"
// Each setup is a camera, a lens, an aperture and a focus distance; its
// figures are exact thin-lens ones, distances in metres from the lens.
#pragma once

#include "core/optics/thin_lens.h"

struct ShotSetup {
    double sensorWidth;  // m
    Lens lens;           // its circle the one chosen for this camera
    double distance;     // m, focused there
};

struct SetupFigures {
    double nearLimit;   // m
    double farLimit;    // m; +inf from the hyperfocal distance on
    double depth;       // m, far − near; +inf with the far limit
    double hyperfocal;  // m: H = f²/(N c) + f
    double fieldWidth;  // m, the width framed at the focus distance
    // The blur disc on the sensor of the far background (a point at
    // infinity), f²/(N (s − f)) in mm: how soft the background goes.
    double backgroundBlurMm;
};

// NaN figures when the focus is not beyond the focal length.
SetupFigures ComputeSetupFigures(const ShotSetup& setup);

// A marked stop beside the exact f-number, and the depth it gives.
struct MarkedStop {
    double aperture;  // 0 when there is none on that side
    double depth;     // m
};

struct DepthMatch {
    double aperture;   // a marked third stop; 0 when none is deep enough
    double distance;   // m: where the setup frames what the target frames
    double exact;      // the f-number that gives target's depth there; NaN for none
    MarkedStop below;  // the marked stop under the exact one
    MarkedStop above;  // the marked stop at or over it: aperture above
    bool matched;      // the setup's own aperture gives target's depth within 1 %
};

// The aperture that gives setup target's depth of field at the same framing:
// setup moved to the distance where its field is as wide as target's (the
// same magnification on the same sensor), then the first third stop whose
// depth reaches target's, or falls short of it by 1 % at most. From depth = 2H′s(s − f)/(H′² − (s −
// f)²) the exact f-number is f²/(c H′) with H′ = (s − f)(s + √(s² + depth²))/depth.
DepthMatch MatchDepth(const ShotSetup& setup, const ShotSetup& target);
