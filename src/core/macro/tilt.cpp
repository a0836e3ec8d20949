// SPDX-License-Identifier: MIT
#include "core/macro/tilt.h"

#include <cmath>
#include <limits>

#include "core/optics/thin_lens.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kDegree = 3.14159265358979323846 / 180;

// From the upright, turning out towards the axis; atan2 keeps a plane past
// parallel (a far plane falling away) beyond 90°.
double AngleFromUpright(double slope) {
    return std::atan2(1, slope) / kDegree;
}

// A plane through the hinge, (0, −J), rises J/u per metre out to cross the
// axis at u. The wedge's planes cross it where the untilted lens's limits lie,
// 1/u ± (1 − f/u)/H′ as reciprocals; past infinity the far one goes negative,
// and its plane falls away below the plane of focus.
struct Reciprocals {
    double focus;
    double nearLimit;
    double farLimit;
};

Reciprocals AxisReciprocals(const TiltSetup& t) {
    const double focus = std::isinf(t.focus) ? 0 : 1 / t.focus;
    const double spread = (1 - t.lens.focal * focus) / HyperfocalPrime(t.lens);
    return {focus, focus + spread, focus - spread};
}

// The hinge rule: J = f / sin θ.
double Hinge(const TiltSetup& t) {
    return t.lens.focal / std::sin(t.tilt * kDegree);
}

double OnAxis(double reciprocal) {
    return reciprocal > 0 ? 1 / reciprocal : kInfinity;
}

}  // namespace

Wedge ComputeWedge(const TiltSetup& t) {
    Wedge w{};
    w.hinge = Hinge(t);
    const Reciprocals r = AxisReciprocals(t);
    w.nearOnAxis = OnAxis(r.nearLimit);
    w.farOnAxis = OnAxis(r.farLimit);
    // A lens tilted up mirrors one tilted down: the same angles.
    const double j = std::fabs(w.hinge);
    w.focusAngle = AngleFromUpright(j * r.focus);
    w.nearAngle = AngleFromUpright(j * r.nearLimit);
    w.farAngle = AngleFromUpright(j * r.farLimit);
    return w;
}

WedgeSlice SliceWedge(const TiltSetup& t, double x) {
    const double hinge = Hinge(t);
    const Reciprocals r = AxisReciprocals(t);
    const double nearHeight = -hinge + x * hinge * r.nearLimit;
    const double farHeight = -hinge + x * hinge * r.farLimit;
    return {-hinge + x * hinge * r.focus, std::fmin(nearHeight, farHeight),
            std::fmax(nearHeight, farHeight)};
}

// The line through the points meets the lens plane at the hinge, height −J,
// and the axis at the focus; sin θ = f / J.
bool TiltThroughPoints(double focal, double x1, double y1, double x2, double y2, double* tilt,
                       double* focus) {
    if (!(x1 > 0 && x2 > 0 && x1 != x2)) {
        return false;
    }
    const double slope = (y2 - y1) / (x2 - x1);
    const double hinge = -(y1 - slope * x1);
    if (!(std::fabs(hinge) > focal) || slope * hinge < 0) {
        return false;
    }
    *tilt = std::asin(focal / hinge) / kDegree;
    *focus = slope == 0 ? kInfinity : hinge / slope;
    return true;
}

double TiltForHeight(double focal, double height) {
    double tilt = std::nan(""), focus = 0;
    TiltThroughPoints(focal, 1, -height, 2, -height, &tilt, &focus);
    return tilt;
}
