// SPDX-License-Identifier: MIT
// Planning the frames that cover a zone in depth, with the exact thin-lens
// limits (each shot's depth grows along a stack, which the distant-subject
// approximation misses up close): a focus stack from near to far, hyperfocal
// bracketing down from infinity, or one frame and the f-number it needs.
// Lengths in metres; distances measured from the lens, as on the graph.
#pragma once

#include <string>
#include <vector>

#include "core/optics/thin_lens.h"

// A zone needing more frames than this is refused, not planned.
constexpr int kMaxShots = 10000;
// The overlap between neighbouring shots, as a share of the nearer shot's depth.
constexpr double kMaxOverlap = 0.5;
// The overlap offered when none is asked for, in per cent.
constexpr int kDefaultOverlapPercent = 10;

struct StackZone {
    Lens lens;
    double nearEnd;
    double farEnd;      // +inf for a zone out to infinity
    double overlap;     // 0 … kMaxOverlap
    double pupil = 1;   // the lens's pupil magnification, for the close-up depth
    bool wave = false;  // each shot's depth by wave optics (a finite zone only)
};

struct StackShot {
    double focus;       // from the lens; +inf when focused at infinity
    double fromSensor;  // the same focus from the sensor plane, as lens scales read
    double nearLimit;
    double farLimit;  // +inf from the hyperfocal distance on
};

struct StackPlan {
    std::vector<StackShot> shots;  // in the order they are taken
    std::string error;             // why the zone was refused; empty when planned
};

// Why a zone from nearEnd to farEnd cannot be planned; empty when it can.
std::string CheckZone(double focal, double coc, double nearEnd, double farEnd);

// Near to far: the first near limit on the zone's near end, each next one on
// the previous far limit less the overlap, until a far limit reaches the far
// end. A near limit beyond H′ needs focus at infinity.
StackPlan PlanFocusStack(const StackZone& zone);

// From infinity down (the far end must be infinite): the first shot at the
// hyperfocal distance, each next far limit on the previous near limit plus the
// overlap, until a near limit reaches the zone's near end.
StackPlan PlanHyperfocalBracket(const StackZone& zone);

// Distance from the sensor plane of a subject focused at s from the lens: s
// plus the image distance f s/(s − f).
double FromSensorPlane(double focal, double s);
