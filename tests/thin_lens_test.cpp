// SPDX-License-Identifier: MIT
#include "core/optics/thin_lens.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/optics/f_stops.h"
#include "golden.h"

namespace {

// Hand-computed: 50 mm at f/8 with a 0.030 mm circle, H′ = 0.05²/(8 × 0.00003)
// = 10.4167 m; focused at 3 m, near = 31.25/13.3667, far = 31.25/7.4667.
TEST(ThinLens, FullFrameFiftyAtThreeMetres) {
    EXPECT_DIGITS(HyperfocalPrime({0.05, 8, 0.00003}), "10.4167");
    const SharpLimits limits = ExactLimits({0.05, 8, 0.00003}, 3.0);
    EXPECT_DIGITS(limits.nearLimit, "2.33791");
    EXPECT_DIGITS(limits.farLimit, "4.18527");
}

// The far limit reaches infinity when s − f = H′, i.e. focused at H′ + f, and
// stays there beyond it; the near limit is then about half of H′.
TEST(ThinLens, FarLimitInfiniteFromHyperfocalOn) {
    const double c = 22.5 / 3504 / 1000;
    const double h = HyperfocalPrime({0.024, 3.5, c});
    EXPECT_DIGITS(h, "25.629257");
    EXPECT_TRUE(std::isinf(ExactLimits({0.024, 3.5, c}, h + 0.024).farLimit));
    EXPECT_TRUE(std::isinf(ExactLimits({0.024, 3.5, c}, 40).farLimit));
    EXPECT_TRUE(std::isfinite(ExactLimits({0.024, 3.5, c}, h - 0.01).farLimit));
    EXPECT_DIGITS(ExactLimits({0.024, 3.5, c}, h + 0.024).nearLimit, "12.8266");
}

TEST(FStops, ThirdStopsRoundUpToTheMarkedValue) {
    EXPECT_EQ(ThirdStopAtOrAbove(12.7), 13);
    EXPECT_EQ(ThirdStopAtOrAbove(45.4), 51);
    EXPECT_EQ(ThirdStopAtOrAbove(8), 8);
    EXPECT_EQ(ThirdStopAtOrAbove(0.5), 1);
    EXPECT_EQ(ThirdStopAtOrAbove(70), 0);
    EXPECT_EQ(ThirdStopAtOrAbove(std::nan("")), 0);
    EXPECT_EQ(FullStops().front(), 1.4);
    EXPECT_EQ(FullStops().back(), 22);
}

}  // namespace
