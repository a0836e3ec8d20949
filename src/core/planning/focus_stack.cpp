// SPDX-License-Identifier: MIT
#include "core/planning/focus_stack.h"

#include <cmath>
#include <limits>
#include <utility>

#include "core/optics/diffraction.h"
#include "core/optics/thin_lens.h"
#include "core/text/text_format.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A limit within this share of the zone's end reaches it: the zone of one
// frame, worked out and handed over exactly, is that frame's, not two.
constexpr double kReach = 1e-9;

// Halving [low, high], where reaches(high) holds, settles the lowest x where
// it does to the last bit.
template <typename Reaches>
double Bisect(double low, double high, Reaches reaches) {
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            return high;
        }
        (reaches(middle) ? high : low) = middle;
    }
}

// By wave optics the zone is 4 λ N_eff² / m² deep, centred on the focus.
SharpLimits LimitsAt(const StackZone& z, double s) {
    if (z.wave) {
        const double m = z.lens.focal / (s - z.lens.focal);
        const double half = WaveDepth(EffectiveAperture(z.lens.aperture, m, z.pupil), m) / 2;
        return {s - half, s + half};
    }
    Lens lens = z.lens;
    lens.aperture = PupilAperture(lens.focal, lens.aperture, z.pupil, s);
    return ExactLimits(lens, s);
}

StackShot ShotAt(const StackZone& z, double s) {
    if (std::isinf(s)) {
        return {s, FromSensorPlane(z.lens.focal, s), HyperfocalPrime(z.lens), s};
    }
    const SharpLimits limits = LimitsAt(z, s);
    return {s, FromSensorPlane(z.lens.focal, s), limits.nearLimit, limits.farLimit};
}

// The focus whose near limit is a: none short of infinity once a reaches H′,
// the near limit of a lens focused at infinity. A symmetric lens: a(H′ −
// f)/(H′ − a). Otherwise it is sought out from a, where the near limit falls
// short: in a finite zone up to its far end, whose own shot covers the rest;
// in one out to infinity as far as doubling the reach takes it.
double FocusForNearLimit(const StackZone& z, double a) {
    const double h = HyperfocalPrime(z.lens);
    if (a >= h) {
        return kInfinity;
    }
    if (z.pupil == 1 && !z.wave) {
        return a * (h - z.lens.focal) / (h - a);
    }
    const auto reaches = [&z, a](double s) { return LimitsAt(z, s).nearLimit >= a; };
    double high = std::isinf(z.farEnd) ? 2 * a : z.farEnd;
    while (std::isinf(z.farEnd) && !reaches(high)) {
        high *= 2;
        if (std::isinf(high)) {
            return kInfinity;
        }
    }
    return reaches(high) ? Bisect(a, high, reaches) : high;
}

// The focus whose far limit, less the overlap share of its own depth, is b.
// That point, (1 − p)·far + p·near, moves out with the focus; halving the
// interval from the focal length (where it is f < b) to the previous focus
// (where it is at least b) settles it to the last bit.
double FocusForFarLimit(const StackZone& z, double b, double previousFocus) {
    return Bisect(z.lens.focal, previousFocus, [&z, b](double s) {
        const SharpLimits limits = LimitsAt(z, s);
        return (1 - z.overlap) * limits.farLimit + z.overlap * limits.nearLimit >= b;
    });
}

bool PositiveNumber(double x) {
    return x > 0 && std::isfinite(x);
}

std::string CheckStackZone(const StackZone& z) {
    if (!PositiveNumber(z.lens.aperture)) {
        return "the f-number must be a positive number";
    }
    if (!(z.overlap >= 0 && z.overlap <= kMaxOverlap)) {
        return "the overlap must be between 0 and 50 %";
    }
    if (!PositiveNumber(z.pupil)) {
        return "the pupil magnification must be a positive number";
    }
    if (z.wave && std::isinf(z.farEnd)) {
        return "planning by wave optics needs a far end short of infinity";
    }
    return CheckZone(z.lens.focal, z.lens.circle, z.nearEnd, z.farEnd);
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
    StackShot shot = ShotAt(zone, Hyperfocal(zone.lens));
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
