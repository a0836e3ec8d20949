// SPDX-License-Identifier: MIT
// A focus stack on a rail: the lens stays focused and the camera moves, so
// every shot has the same magnification and the same depth, and the step is
// that depth less the overlap. Lengths in metres.
#pragma once

#include <string>

#include "core/optics/thin_lens.h"

struct RailRequest {
    Lens lens;
    double pupil;          // exit over entrance pupil
    double magnification;  // fixed by the focus
    double subjectDepth;   // how deep the subject is, front to back
    double overlap;        // share of each shot's depth, 0 … kMaxOverlap
    bool wave;             // plan by the wave-optics depth instead of the geometric
};

struct RailPlan {
    double effectiveAperture;  // N(1 + m/P)
    double geometricDepth;     // 2 N c (1 + m/P) / m²
    double waveDepth;          // 4 λ N_eff² / m²
    double depth;              // the one planned by
    double step;               // depth (1 − overlap)
    int shots;                 // the first covers depth, each next one step more
    double workingDistance;    // subject from the entrance pupil, f (1/m + 1/P)
    std::string error;         // why it was refused; empty when planned
};

RailPlan PlanRail(const RailRequest& request);

// "1:2", "2:1" or a plain number such as 0.5; false for anything else or a
// magnification that is not positive.
bool ParseMagnification(const std::string& text, double* magnification);
