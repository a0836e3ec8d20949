#include "axis_scale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace ui {
namespace {

constexpr int kTargetDivisions = 5;
constexpr int kMaxTicks = 40;

// The 1, 2 or 5 times a power of ten nearest to raw, on a log scale.
double RoundStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double best = power;
    for (double mantissa : {2.0, 5.0, 10.0}) {
        if (std::fabs(std::log(mantissa * power / raw)) < std::fabs(std::log(best / raw))) {
            best = mantissa * power;
        }
    }
    return std::min(best, DBL_MAX);
}

double Finite(double v) {
    return std::isfinite(v) ? v : (v > 0 ? DBL_MAX : -DBL_MAX);
}

// Halves avoid overflow when the bounds are near the largest double.
double Span(double lo, double hi) {
    return 2 * (hi / 2 - lo / 2);
}

}  // namespace

AxisScale RoundScale(double lo, double hi) {
    lo = std::isnan(lo) ? 0 : Finite(lo);
    hi = std::isnan(hi) ? 0 : Finite(hi);
    if (hi < lo) {
        std::swap(lo, hi);
    }
    if (lo == hi) {
        const double pad = lo == 0 ? 1 : std::fabs(lo) / 10;
        lo -= pad;
        hi += pad;
    }
    const double step = RoundStep(std::min(Span(lo, hi), DBL_MAX) / kTargetDivisions);
    const double min = std::floor(lo / step) * step;
    const double max = std::ceil(hi / step) * step;
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return {lo, hi, step};  // rounding outward would overflow
    }
    return {min, max, step};
}

AxisScale FixedScale(double min, double max) {
    const AxisScale round = RoundScale(min, max);
    return {Finite(min), Finite(max), round.step};
}

std::vector<double> Ticks(const AxisScale& scale) {
    std::vector<double> ticks;
    if (!(scale.step > 0) || !std::isfinite(scale.step)) {
        return ticks;
    }
    const double first = std::ceil(scale.min / scale.step - 1e-9) * scale.step;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double tick = first + i * scale.step;
        if (tick > scale.max + scale.step * 1e-9 || !std::isfinite(tick)) {
            break;
        }
        // Keep -0 and rounding noise out of the labels.
        ticks.push_back(std::fabs(tick) < scale.step * 1e-9 ? 0.0 : tick);
    }
    return ticks;
}

std::string TickLabel(double value, double step) {
    char text[32];
    const double magnitude = std::max(std::fabs(value), step);
    if (magnitude >= 1e7 || step < 1e-5) {
        std::snprintf(text, sizeof text, "%.3g", value);
    } else {
        const int decimals =
            std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
    }
    return text;
}

}  // namespace ui
