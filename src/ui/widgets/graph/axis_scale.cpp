// SPDX-License-Identifier: MIT
#include "widgets/graph/axis_scale.h"

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

// The exponent of v's first digit; rounding noise kept out.
double PowerOfTen(double v) {
    return std::floor(std::log10(v) + 1e-9);
}

// Bounded before the cast: a step of 0 or NaN gives an infinite or NaN count.
int Decimals(double count, int most) {
    return count > 0 ? static_cast<int>(std::min(count, static_cast<double>(most))) : 0;
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

AxisScale Scaled(const AxisScale& scale, double gain) {
    return {scale.min * gain, scale.max * gain, scale.step * gain};
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

std::string TickLabel(double value, const AxisScale& scale) {
    char text[32];
    const double step = scale.step;
    const double largest = std::max({std::fabs(scale.min), std::fabs(scale.max), step});
    if (largest >= 1e7 || step < 1e-5) {
        // The mantissa's decimals reach down to the step's first digit, as
        // %g writes them, without trailing zeros; zero has no exponent.
        if (value == 0) {
            return "0";
        }
        const double digits = PowerOfTen(std::fabs(value)) - PowerOfTen(step);
        std::snprintf(text, sizeof text, "%.*e", Decimals(digits, 15), value);
        std::string label = text;
        const std::size_t exponent = label.find('e');
        const std::size_t kept = label.find_last_not_of('0', exponent - 1);
        const std::size_t cut = label[kept] == '.' ? kept : kept + 1;
        label.erase(cut, exponent - cut);
        return label;
    } else {
        std::snprintf(text, sizeof text, "%.*f", Decimals(-PowerOfTen(step), 6), value);
    }
    return text;
}

}  // namespace ui
