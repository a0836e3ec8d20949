// SPDX-License-Identifier: MIT
// Round axis ranges and tick labels for graphs: 1, 2 or 5 times a power of ten
// per division. Free of Qt so that it is tested on its own.
#pragma once

#include <string>
#include <vector>

namespace ui {

struct AxisScale {
    double min;
    double max;
    double step;  // distance between ticks; ticks start at min
};

// The round range around [lo, hi]. Non-finite or reversed bounds are taken in
// their finite order; an empty span is widened so the axis has a length.
AxisScale RoundScale(double lo, double hi);
// A scale for a range kept as it is, with round ticks inside it.
AxisScale FixedScale(double min, double max);

// The scale as read in other units: every value times gain.
AxisScale Scaled(const AxisScale& scale, double gain);

// The tick values of a scale; never more than a few dozen.
std::vector<double> Ticks(const AxisScale& scale);
// A tick's label with just the decimals the step needs: "0.5", "10", "2e+08".
// The scale settles the notation, so all labels of an axis share one.
std::string TickLabel(double value, const AxisScale& scale);

}  // namespace ui
