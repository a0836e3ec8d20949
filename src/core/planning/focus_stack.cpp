// SPDX-License-Identifier: MIT
#include "core/planning/focus_stack.h"

#include <cmath>
#include <limits>
#include <utility>

#include "core/optics/thin_lens.h"
#include "core/text/text_format.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A limit within this share of the zone's end reaches it: the zone of one
// frame, worked out and handed over exactly, is that frame's, not two.
constexpr double kReach = 1e-9;

StackShot ShotAt(const StackZone& z, double s) {
    if (std::isinf(s)) {
        return {s, FromSensorPlane(z.focal, s), HyperfocalPrime(z.focal, z.aperture, z.coc), s};
    }
    const SharpLimits limits = ExactLimits(z.focal, z.aperture, z.coc, s);
    return {s, FromSensorPlane(z.focal, s), limits.nearLimit, limits.farLimit};
}

// The focus whose near limit is a: a(H′ − f)/(H′ − a); none short of
// infinity once a reaches H′, the near limit of a lens focused at infinity.
double FocusForNearLimit(const StackZone& z, double a) {
    const double h = HyperfocalPrime(z.focal, z.aperture, z.coc);
    return a < h ? a * (h - z.focal) / (h - a) : kInfinity;
}

// The focus whose far limit, less the overlap share of its own depth, is b.
// That point, (1 − p)·far + p·near, moves out with the focus; halving the
// interval from the focal length (where it is f < b) to the previous focus
// (where it is at least b) settles it to the last bit.
double FocusForFarLimit(const StackZone& z, double b, double previousFocus) {
    double low = z.focal;
    double high = previousFocus;
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            return high;
        }
        const SharpLimits limits = ExactLimits(z.focal, z.aperture, z.coc, middle);
        const double reach = (1 - z.overlap) * limits.farLimit + z.overlap * limits.nearLimit;
        (reach >= b ? high : low) = middle;
    }
}

bool PositiveNumber(double x) {
    return x > 0 && std::isfinite(x);
}

std::string CheckStackZone(const StackZone& z) {
    if (!PositiveNumber(z.aperture)) {
        return "the f-number must be a positive number";
    }
    if (!(z.overlap >= 0 && z.overlap <= kMaxOverlap)) {
        return "the overlap must be between 0 and 50 %";
    }
    return CheckZone(z.focal, z.coc, z.nearEnd, z.farEnd);
}

StackPlan Refused(std::string why) {
    return {{}, std::move(why)};
}

StackPlan TooManyShots() {
    return Refused(TextFormat("the zone needs more than %d shots", kMaxShots));
}

}  // namespace

std::string CheckZone(double focal, double coc, double nearEnd, double farEnd) {
    if (!PositiveNumber(focal)) {
        return "the focal length must be a positive number";
    }
    if (!PositiveNumber(coc)) {
        return "the circle of confusion must be a positive number";
    }
    if (!(nearEnd > focal)) {
        return "the near end must lie beyond the focal length";
    }
    if (!(nearEnd < farEnd)) {
        return "the near end must be closer than the far end";
    }
    return "";
}

double FromSensorPlane(double focal, double s) {
    return std::isinf(s) ? s : s + focal * s / (s - focal);
}

StackPlan PlanFocusStack(const StackZone& zone) {
    const std::string error = CheckStackZone(zone);
    if (!error.empty()) {
        return Refused(error);
    }
    StackPlan plan;
    StackShot shot = ShotAt(zone, FocusForNearLimit(zone, zone.nearEnd));
    plan.shots.push_back(shot);
    while (shot.farLimit < zone.farEnd * (1 - kReach)) {
        if (plan.shots.size() == kMaxShots) {
            return TooManyShots();
        }
        const double near = shot.farLimit - zone.overlap * (shot.farLimit - shot.nearLimit);
        shot = ShotAt(zone, FocusForNearLimit(zone, near));
        plan.shots.push_back(shot);
    }
    return plan;
}

StackPlan PlanHyperfocalBracket(const StackZone& zone) {
    std::string error = CheckStackZone(zone);
    if (error.empty() && !std::isinf(zone.farEnd)) {
        error = "hyperfocal bracketing needs the far end at infinity";
    }
    if (!error.empty()) {
        return Refused(error);
    }
    StackPlan plan;
    StackShot shot =
        ShotAt(zone, HyperfocalPrime(zone.focal, zone.aperture, zone.coc) + zone.focal);
    plan.shots.push_back(shot);
    while (shot.nearLimit > zone.nearEnd * (1 + kReach)) {
        if (plan.shots.size() == kMaxShots) {
            return TooManyShots();
        }
        shot = ShotAt(zone, FocusForFarLimit(zone, shot.nearLimit, shot.focus));
        plan.shots.push_back(shot);
    }
    return plan;
}
