// SPDX-License-Identifier: MIT
// A lens tilted by θ towards the ground, seen from the side: the plane of
// focus turns about the hinge line, J = f / sin θ below the lens, and the
// near and far planes of the sharp zone turn about it too, so the zone is a
// wedge (Scheimpflug principle and the hinge rule). Heights are from the
// lens's axis, negative below it; distances out are along the axis from the
// lens, in metres; angles in degrees. A negative tilt puts the hinge above.
#pragma once

#include "core/optics/thin_lens.h"

struct TiltSetup {
    Lens lens;
    double tilt;   // degrees, not 0
    double focus;  // where the plane of focus crosses the axis; +inf: parallel to it
};

struct Wedge {
    double hinge;  // J, the signed height of the hinge line below the lens
    // Angles from the sensor plane (upright), turning out towards the axis:
    // 90° lies parallel to the axis.
    double focusAngle;
    double nearAngle;
    double farAngle;
    // Where the planes cross the axis: the untilted lens's limits at the focus.
    double nearOnAxis;
    double farOnAxis;  // +inf when the far plane never crosses it
};

Wedge ComputeWedge(const TiltSetup& setup);

// At a distance out: the heights of the plane of focus and of the planes
// that bound the zone, the lower and upper of which give its depth there.
struct WedgeSlice {
    double focus;
    double lower;
    double upper;
};

WedgeSlice SliceWedge(const TiltSetup& setup, double distanceOut);

// The tilt and focus that lay the plane of focus through two points (x out,
// y high). False when the plane would meet the lens within a focal length of
// it, or would leave the axis (cross it behind the lens).
bool TiltThroughPoints(double focal, double x1, double y1, double x2, double y2, double* tilt,
                       double* focus);

// sin θ = f / h: the plane of focus on the ground from a camera h above it,
// focus at infinity. NaN when h is not beyond the focal length.
double TiltForHeight(double focal, double height);
