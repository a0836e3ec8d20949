// SPDX-License-Identifier: MIT
#include "widgets/graph/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using ui::AxisScale;
using ui::RoundScale;
using ui::TickLabel;
using ui::Ticks;

namespace {

void ExpectRound(double lo, double hi, double min, double max, double step) {
    const AxisScale s = RoundScale(lo, hi);
    EXPECT_DOUBLE_EQ(s.min, min) << lo << ".." << hi;
    EXPECT_DOUBLE_EQ(s.max, max) << lo << ".." << hi;
    EXPECT_DOUBLE_EQ(s.step, step) << lo << ".." << hi;
}

TEST(AxisScale, RoundRangesAroundData) {
    ExpectRound(0.096, 10, 0, 10, 2);
    ExpectRound(0.0192637, 2.6690925, 0, 3, 0.5);
    ExpectRound(-0.0032106, 0.0192637, -0.005, 0.02, 0.005);
    ExpectRound(1, 8, 1, 8, 1);
    ExpectRound(10, 1, 0, 10, 2);  // reversed bounds
}

TEST(AxisScale, DegenerateRangesStillHaveLength) {
    const AxisScale point = RoundScale(5, 5);
    EXPECT_LT(point.min, 5);
    EXPECT_GT(point.max, 5);
    const AxisScale zero = RoundScale(0, 0);
    EXPECT_LT(zero.min, 0);
    EXPECT_GT(zero.max, 0);
    for (const AxisScale& s :
         {RoundScale(0, 1e30), RoundScale(-INFINITY, INFINITY), RoundScale(NAN, NAN),
          RoundScale(-1e308, 1e308), RoundScale(1e-300, 2e-300)}) {
        EXPECT_TRUE(std::isfinite(s.min) && std::isfinite(s.max) && s.min < s.max);
        const auto ticks = Ticks(s);
        EXPECT_GE(ticks.size(), 2u);
        EXPECT_LE(ticks.size(), 40u);
    }
}

std::vector<std::string> Labels(const AxisScale& scale) {
    std::vector<std::string> labels;
    for (double tick : Ticks(scale)) {
        labels.push_back(TickLabel(tick, scale));
    }
    return labels;
}

TEST(AxisScale, TicksAreRoundAndLabelsReadable) {
    using L = std::vector<std::string>;
    EXPECT_EQ(Labels(RoundScale(0.0192637, 2.6690925)),
              (L{"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"}));
    EXPECT_EQ(Labels(RoundScale(0.096, 10)), (L{"0", "2", "4", "6", "8", "10"}));
    EXPECT_EQ(Labels(RoundScale(-0.0032106, 0.0192637)),
              (L{"-0.005", "0.000", "0.005", "0.010", "0.015", "0.020"}));
}

// From 1e7 up, or in steps below 1e-5, every label of the axis is in powers
// of ten, with the mantissa's digits down to the step and no trailing zeros:
// no "2000000" beside "1e+07". d max 384400000 m gives steps of 1e8 up to 4e8; 12000000 m,
// steps of 2e6 (12e6 / 5 = 2.4e6, nearest 2e6) up to 1.2e7; 1.9e-5, steps
// of 5e-6 (3.8e-6, nearest 5e-6) up to 2e-5.
TEST(AxisScale, OneNotationPerAxis) {
    using L = std::vector<std::string>;
    EXPECT_EQ(Labels(RoundScale(0.096, 384400000)), (L{"0", "1e+08", "2e+08", "3e+08", "4e+08"}));
    EXPECT_EQ(Labels(RoundScale(0.096, 12000000)),
              (L{"0", "2e+06", "4e+06", "6e+06", "8e+06", "1e+07", "1.2e+07"}));
    // 1e9 to 1.00001e9: steps of 2000 (1e4 / 5), six ticks told apart.
    EXPECT_EQ(Labels(RoundScale(1e9, 1.00001e9)),
              (L{"1e+09", "1.000002e+09", "1.000004e+09", "1.000006e+09", "1.000008e+09",
                 "1.00001e+09"}));
    EXPECT_EQ(Labels(RoundScale(0, 1.9e-5)), (L{"0", "5e-06", "1e-05", "1.5e-05", "2e-05"}));
}

}  // namespace
