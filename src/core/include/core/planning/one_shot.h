// SPDX-License-Identifier: MIT
// One frame instead of a stack: the focus and the f-number that hold a whole
// zone sharp, and whether diffraction at that f-number spoils it anyway.
#pragma once

#include <string>

#include "core/optics/f_stops.h"

struct OneShot {
    double focus;           // m from the lens: the harmonic mean 2AB/(A + B)
    double fromSensor;      // the same from the sensor plane
    double aperture;        // the f-number that just covers the zone
    double markedAperture;  // the marked third stop at or above it; 0 past f/64
    double airyDisc;        // m, at the marked stop (the exact one past f/64), up close too
    bool stackInstead;      // no marked stop, or its Airy disc is wider than the circle
    std::string error;      // why the zone was refused; empty when answered
};

// Zone from nearEnd to farEnd (+inf allowed), metres from the lens, for a lens
// of pupil magnification pupil; the marked stop is one the lens has.
OneShot PlanOneShot(double focal, double coc, double nearEnd, double farEnd, double pupil = 1,
                    LensStops lens = {});
