#include "axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(AxisScale, TicksAreRoundAndLabelsReadable) {
    const auto ticks = Ticks(RoundScale(0.0192637, 2.6690925));
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(TickLabel(ticks[0], 0.5), "0.0");
    EXPECT_EQ(TickLabel(ticks[3], 0.5), "1.5");
    EXPECT_EQ(TickLabel(10, 2), "10");
    EXPECT_EQ(TickLabel(-0.005, 0.005), "-0.005");
    EXPECT_EQ(TickLabel(2e8, 1e8), "2e+08");
    EXPECT_EQ(TickLabel(0, 0.1), "0.0");
}

}  // namespace
