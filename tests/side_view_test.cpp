// SPDX-License-Identifier: MIT
#include "core/tables/side_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/optics/details_text.h"
#include "shot_setup.h"

namespace {

constexpr double kWidth = 600;  // pixels across the picture

Settings Camera(float focal, float aperture) {
    Settings s;
    s.focal = focal;
    s.aperture = aperture;
    return s;
}

double Pixel(double d, double hyperfocal) {
    return ScalePosition(d, hyperfocal) * kWidth;
}

// Pixels worked out by hand from H = f²/(N c) + f and the exact thin-lens
// limits, with c one pixel of the factory sensor, at 600 px across.
TEST(SideView, LimitsStandWhereTheCalculatorPutsThem) {
    struct Case {
        float focal, aperture;
        double d, hyperfocal, nearPx, farPx, focusPx;
    } const cases[] = {
        {24, 3.5f, 3.0, 25.6533, 56.90, 70.11, 62.82},
        {24, 8, 1.0, 11.2368, 45.40, 53.29, 49.03},
        {50, 1.4f, 2.0, 278.1452, 4.25, 4.31, 4.28},
        {2000, 1, 384400e3, 622935.3154, 299.76, 600, 599.03},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focal);
        const SideView view = ComposeSideView(Camera(c.focal, c.aperture), {}, c.d, {});
        const ZoneBand& live = view.zones.at(0);
        EXPECT_NEAR(view.hyperfocal, c.hyperfocal, 1e-4 * c.hyperfocal);
        EXPECT_NEAR(Pixel(view.hyperfocal, view.hyperfocal), 300, 1);
        EXPECT_NEAR(Pixel(view.hyperfocalNear, view.hyperfocal), 200, 1);
        EXPECT_NEAR(Pixel(live.nearLimit, view.hyperfocal), c.nearPx, 1);
        EXPECT_NEAR(Pixel(live.farLimit, view.hyperfocal), c.farPx, 1);
        EXPECT_NEAR(Pixel(live.focus, view.hyperfocal), c.focusPx, 1);
    }
}

TEST(SideView, ScaleRunsFromTheLensToInfinityAtTheEdge) {
    EXPECT_EQ(ScalePosition(0, 25), 0);
    EXPECT_EQ(ScalePosition(INFINITY, 25), 1);
    EXPECT_TRUE(std::isnan(ScalePosition(NAN, 25)));
    double last = 0;
    for (double d = 1e-3; d < 1e12; d *= 1.5) {
        const double x = ScalePosition(d, 25);
        EXPECT_GT(x, last) << d;
        EXPECT_LT(x, 1) << d;
        last = x;
    }
}

// Round distances 0.08 apart and short of ∞ by as much, H = 25.6533 m:
// 5 m stands at 0.163, 2 m at 0.072 is too close to the lens, 500 m at
// 0.951 too close to 200 m at 0.886.
TEST(SideView, TicksAreRoundDistancesApart) {
    struct Case {
        Units units;
        std::vector<std::string> labels;
    } const cases[] = {
        {Units::Metric, {"5 m", "10 m", "20 m", "50 m", "100 m", "200 m", "\u221e"}},
        {Units::Imperial,
         {"10\u2032", "20\u2032", "50\u2032", "100\u2032", "200\u2032", "500\u2032", "\u221e"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> labels;
        for (const ScaleTick& tick : ScaleTicks(25.6533, c.units, 0.08)) {
            labels.push_back(tick.label);
        }
        EXPECT_EQ(labels, c.labels);
    }
    EXPECT_NEAR(ScaleTicks(25.6533, Units::Metric, 0.08).front().position, 0.1631, 1e-4);
}

// The picture's live zone is the text's, to the last digit shown; a pin's
// own figures, its diffraction too (at 2 m the 50 mm f/2 zone runs from
// 1.9395 to 2.0644 m; at f/22 the Airy disc of 30.28 µm is wider than a
// 20 µm circle).
TEST(SideView, ZonesAreTheFiguresOfTheText) {
    const Settings camera = Camera(24, 3.5f);
    const std::vector<NamedSetup> pins = {{"50 f/2", Shot(22.5, 50, 2, 0.02, 2.0)},
                                          {"50 f/22", Shot(22.5, 50, 22, 0.02, 2.0)}};
    const SideView view = ComposeSideView(camera, {}, 3.0, pins);
    const std::string text = ComposeDetails(camera, {}, Units::Metric, 3.0);
    const ZoneBand& live = view.zones.at(0);
    EXPECT_NE(text.find("Near limit      " + FormatDistance(live.nearLimit, Units::Metric)),
              std::string::npos);
    EXPECT_NE(text.find("Far limit       " + FormatDistance(live.farLimit, Units::Metric)),
              std::string::npos);
    EXPECT_NE(text.find("(" + FormatDistance(view.hyperfocal, Units::Metric) + "): sharp from " +
                        FormatDistance(view.hyperfocalNear, Units::Metric)),
              std::string::npos);
    ASSERT_EQ(view.zones.size(), 3u);
    EXPECT_NEAR(view.zones[1].nearLimit, 1.9395, 1e-4);
    EXPECT_NEAR(view.zones[1].farLimit, 2.0644, 1e-4);
    EXPECT_FALSE(view.zones[1].outOfReach);
    EXPECT_TRUE(view.zones[2].outOfReach);
    EXPECT_EQ(DescribeSideView(view, Units::Metric),
              "Side view, from the lens on the left to \u221e on the right\n"
              "Hyperfocal distance 25.65 m, half of it 12.83 m\n"
              "Live: focused at 3.00 m, Near limit 2.69 m, Far limit 3.39 m\n"
              "50 f/2: focused at 2.00 m, Near limit 1.94 m, Far limit 2.06 m\n"
              "50 f/22: focused at 2.00 m, Near limit 1.49 m, Far limit 3.05 m; this sharp "
              "zone cannot be reached at this aperture\n");
}

}  // namespace
