// SPDX-License-Identifier: MIT
#include "core/planning/focus_stack.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/optics/blur_disc.h"
#include "core/planning/one_shot.h"
#include "core/planning/stack_csv.h"
#include "core/text/csv.h"
#include "golden.h"

// Every figure below was worked out by hand in python from the thin-lens
// limits, the bracketing steps with overlap from the closed-form root of
// their quadratic, not by halving as the program does.
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPixel = 22.5 / 3504 / 1000;  // the factory sensor's one-pixel circle, m

StackZone Landscape(double overlap) {
    return {{0.024, 8, kPixel}, 1, kInf, overlap};
}
StackZone Macro(double overlap) {
    return {{0.1, 2.8, kPixel}, 0.40, 0.42, overlap};
}

// A length quoted as in golden.h, or "inf".
void ExpectLength(double actual, const char* quoted) {
    if (std::string(quoted) == "inf") {
        EXPECT_TRUE(std::isinf(actual) && actual > 0) << actual;
    } else {
        EXPECT_DIGITS(actual, quoted);
    }
}

struct PlanCase {
    const char* what;
    StackZone zone;
    bool bracket;
    size_t count;
    std::vector<const char*> focus;  // the first shots' focus, m from the lens
    const char* lastFocus;
    const char* lastLimit;  // the far limit of a stack's last shot, the near one of a bracket's
};

TEST(FocusStack, PlansShotByShot) {
    const PlanCase cases[] = {
        {"24 mm f/8, 1 m to infinity",
         Landscape(0),
         false,
         6,
         {"1.096", "1.355", "1.778", "2.591", "4.787", "32.19"},
         "32.19",
         "inf"},
        {"100 mm f/2.8, 0.40 to 0.42 m", Macro(0), false, 44, {"0.40022"}, "0.41986", "0.42010"},
        {"hyperfocal bracketing, 1 m",
         Landscape(0),
         true,
         6,
         {"11.24", "3.75", "2.26", "1.61", "1.26", "1.03"},
         "1.03",
         "0.95"},
        {"landscape, 10 % overlap",
         Landscape(0.1),
         false,
         7,
         {"1.09557", "1.32868", "1.69121", "2.33380", "3.79315", "10.49247", "inf"},
         "inf",
         "inf"},
        {"bracketing, 10 % overlap",
         Landscape(0.1),
         true,
         7,
         {"11.23680", "3.88343", "2.36714", "1.70847", "1.33922", "1.10267", "0.93805"},
         "0.93805",
         "0.86734"},
        {"macro, 10 % overlap", Macro(0.1), false, 49, {"0.40022"}, "0.41996", "0.42020"},
        {"macro, 50 % overlap", Macro(0.5), false, 87, {"0.40022"}, "0.41987", "0.42011"},
        {"zone inside one shot's depth",
         {{0.024, 8, kPixel}, 2.0, 2.1, 0.1},
         false,
         1,
         {"2.42897"},
         "2.42897",
         "3.09220"},
        {"near end beyond H/2, far at infinity",
         {{0.024, 8, kPixel}, 6, kInf, 0.1},
         false,
         1,
         {"12.87845"},
         "12.87845",
         "inf"},
        {"near end beyond H/2, bracketing",
         {{0.024, 8, kPixel}, 6, kInf, 0.1},
         true,
         1,
         {"11.2368"},
         "11.2368",
         "5.6184"},
        {"near end beyond H', focus at infinity",
         {{0.024, 8, kPixel}, 20, kInf, 0},
         false,
         1,
         {"inf"},
         "inf",
         "inf"},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.what);
        const StackPlan plan = c.bracket ? PlanHyperfocalBracket(c.zone) : PlanFocusStack(c.zone);
        EXPECT_EQ(plan.error, "");
        ASSERT_EQ(plan.shots.size(), c.count);
        for (size_t i = 0; i < c.focus.size(); ++i) {
            ExpectLength(plan.shots[i].focus, c.focus[i]);
        }
        ExpectLength(plan.shots.back().focus, c.lastFocus);
        const StackShot& last = plan.shots.back();
        ExpectLength(c.bracket ? last.nearLimit : last.farLimit, c.lastLimit);
    }
    // Focused at infinity, the near limit is H′ = 11.2128 m.
    EXPECT_DIGITS(PlanFocusStack({{0.024, 8, kPixel}, 20, kInf, 0}).shots[0].nearLimit, "11.2128");
}

// The first shot starts on the near end, neighbours leave no gap (beyond the
// last bit of a limit worked out twice), the last reaches the far end, and
// more overlap never takes fewer shots.
TEST(FocusStack, OverlapCoversWithoutGapsAndNeverSavesShots) {
    const StackZone zones[] = {
        Landscape(0), Macro(0), {{0.05, 11, 0.00003}, 2, 5, 0}, {{0.2, 4, 0.00002}, 3, 200, 0}};
    for (const StackZone& base : zones) {
        for (bool bracket : {false, true}) {
            if (bracket && std::isfinite(base.farEnd)) {
                continue;
            }
            size_t previousCount = 0;
            for (double overlap : {0.0, 0.05, 0.1, 0.25, 0.5}) {
                SCOPED_TRACE(testing::Message()
                             << base.nearEnd << " to " << base.farEnd
                             << (bracket ? " bracketed" : "") << ", overlap " << overlap);
                StackZone zone = base;
                zone.overlap = overlap;
                const StackPlan plan = bracket ? PlanHyperfocalBracket(zone) : PlanFocusStack(zone);
                ASSERT_FALSE(plan.shots.empty()) << plan.error;
                EXPECT_GE(plan.shots.size(), previousCount);
                previousCount = plan.shots.size();
                double nearest = kInf;
                double farthest = 0;
                for (size_t i = 0; i < plan.shots.size(); ++i) {
                    const StackShot& shot = plan.shots[i];
                    nearest = std::min(nearest, shot.nearLimit);
                    farthest = std::max(farthest, shot.farLimit);
                    if (i > 0) {
                        const StackShot& a = bracket ? shot : plan.shots[i - 1];
                        const StackShot& b = bracket ? plan.shots[i - 1] : shot;
                        EXPECT_LE(b.nearLimit, a.farLimit * (1 + 1e-12)) << "gap after shot " << i;
                    }
                }
                EXPECT_LE(nearest, zone.nearEnd * (1 + 1e-12));
                EXPECT_GE(farthest, zone.farEnd);
            }
        }
    }
}

TEST(FocusStack, RefusesAbsurdZonesWithAReason) {
    struct Refusal {
        StackZone zone;
        bool bracket;
        const char* error;
    };
    const double nan = std::nan("");
    const Refusal cases[] = {
        {{{0.024, 8, kPixel}, 2, 1, 0}, false, "the near end must be closer than the far end"},
        {{{0.024, 8, kPixel}, 2, 2, 0}, false, "the near end must be closer than the far end"},
        {{{0.024, 8, kPixel}, kInf, kInf, 0}, true, "the near end must be closer than the far end"},
        {{{0.024, 8, kPixel}, 1, nan, 0}, false, "the near end must be closer than the far end"},
        {{{0.024, 8, kPixel}, 0.024, 1, 0}, false, "the near end must lie beyond the focal length"},
        {{{0.024, 8, kPixel}, 0.01, kInf, 0},
         true,
         "the near end must lie beyond the focal length"},
        {{{0.024, 8, kPixel}, nan, 1, 0}, false, "the near end must lie beyond the focal length"},
        {{{0.024, 0, kPixel}, 1, 2, 0}, false, "the f-number must be a positive number"},
        {{{0.024, -8, kPixel}, 1, kInf, 0}, true, "the f-number must be a positive number"},
        {{{0.024, 8, 0}, 1, 2, 0}, false, "the circle of confusion must be a positive number"},
        {{{0.024, 8, -kPixel}, 1, 2, 0}, true, "the circle of confusion must be a positive number"},
        {{{0, 8, kPixel}, 1, 2, 0}, false, "the focal length must be a positive number"},
        {{{0.024, 8, kPixel}, 1, 2, 0.6}, false, "the overlap must be between 0 and 50 %"},
        {{{0.024, 8, kPixel}, 1, 2, -0.1}, false, "the overlap must be between 0 and 50 %"},
        {{{0.024, 8, kPixel}, 1, 2, 0},
         true,
         "hyperfocal bracketing needs the far end at infinity"},
        // 32,558 shots at a 0.1 µm circle; bracketing down to 0.4 m would take 51,372.
        {{{0.1, 2.8, 1e-7}, 0.4, 1, 0}, false, "the zone needs more than 10000 shots"},
        {{{0.1, 2.8, 1e-7}, 0.4, kInf, 0}, true, "the zone needs more than 10000 shots"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.error);
        const StackPlan plan = c.bracket ? PlanHyperfocalBracket(c.zone) : PlanFocusStack(c.zone);
        EXPECT_EQ(plan.error, c.error);
        EXPECT_TRUE(plan.shots.empty());
    }
    // 11,525 shots: just over the limit.
    EXPECT_EQ(PlanFocusStack({0.1, 2.8, 1e-7, 0.4, 0.5, 0}).error,
              "the zone needs more than 10000 shots");
}

TEST(FocusStack, DistanceFromTheSensorPlaneAddsTheImageDistance) {
    EXPECT_DIGITS(FromSensorPlane(0.1, 0.4002159087) * 1000, "533.525");
    EXPECT_DIGITS(FromSensorPlane(0.024, 1.0956), "1.120138");
    EXPECT_TRUE(std::isinf(FromSensorPlane(0.024, kInf)));
}

TEST(OneShot, FocusAndApertureForTheWholeZone) {
    const OneShot portrait = PlanOneShot(0.05, 0.00003, 2, 5);
    EXPECT_EQ(portrait.error, "");
    EXPECT_DIGITS(portrait.focus, "2.857");
    EXPECT_DIGITS(portrait.aperture, "12.72");
    EXPECT_EQ(portrait.markedAperture, 13);
    EXPECT_DIGITS(portrait.airyDisc * 1e6, "17.76");  // effective f/13.23
    EXPECT_FALSE(portrait.stackInstead);

    const OneShot landscape = PlanOneShot(0.024, kPixel, 1, kInf);
    EXPECT_DIGITS(landscape.focus, "2.000");
    EXPECT_DIGITS(landscape.aperture, "45.40");
    EXPECT_EQ(landscape.markedAperture, 51);
    EXPECT_DIGITS(landscape.airyDisc * 1e6, "69.27");  // over the 6.42 µm circle
    EXPECT_TRUE(landscape.stackInstead);

    // f/155.7 is past every marked stop.
    const OneShot tooDeep = PlanOneShot(0.024, kPixel, 0.3, kInf);
    EXPECT_DIGITS(tooDeep.aperture, "155.7");
    EXPECT_EQ(tooDeep.markedAperture, 0);
    EXPECT_TRUE(tooDeep.stackInstead);

    // On a lens, a stop it has: f/16 where it opens no wider than that; none
    // where it closes no further than f/11.
    EXPECT_EQ(PlanOneShot(0.05, 0.00003, 2, 5, 1, {16, 0}).markedAperture, 16);
    const OneShot shut = PlanOneShot(0.05, 0.00003, 2, 5, 1, {3.67, 11});
    EXPECT_EQ(shut.markedAperture, 0);
    EXPECT_TRUE(shut.stackInstead);

    EXPECT_EQ(PlanOneShot(0.05, 0.00003, 5, 2).error,
              "the near end must be closer than the far end");
    EXPECT_EQ(PlanOneShot(0.05, 0.00003, 0.04, 2).error,
              "the near end must lie beyond the focal length");
}

TEST(BlurDisc, BackgroundAndForegroundPoints) {
    // 85 mm f/1.8 focused at 3 m, 36 mm frame with 6000 pixels across.
    const BlurDisc background = ComputeBlurDisc(0.085, 1.8, 3, 10, 0.036, 6000);
    EXPECT_EQ(background.error, "");
    EXPECT_DIGITS(background.diameter * 1000, "0.964");
    EXPECT_EQ(std::lround(background.pixels), 161);
    EXPECT_DIGITS(background.frameShare * 100, "2.7");

    const BlurDisc atInfinity = ComputeBlurDisc(0.085, 1.8, 3, kInf, 0.036, 6000);
    EXPECT_DIGITS(atInfinity.diameter * 1000, "1.37698");
    EXPECT_DIGITS(atInfinity.pixels, "229.50");

    const BlurDisc foreground = ComputeBlurDisc(0.085, 1.8, 3, 2, 0.036, 6000);
    EXPECT_DIGITS(foreground.diameter * 1000, "0.68849");
    EXPECT_DIGITS(foreground.frameShare * 100, "1.912");

    EXPECT_EQ(ComputeBlurDisc(0.085, 1.8, 3, 3, 0.036, 6000).diameter, 0);
    EXPECT_EQ(ComputeBlurDisc(0.085, 1.8, 3, 0.05, 0.036, 6000).error,
              "the point must lie beyond the focal length");
    EXPECT_EQ(ComputeBlurDisc(0.085, 1.8, 0.08, 10, 0.036, 6000).error,
              "the focus must lie beyond the focal length");
    EXPECT_EQ(ComputeBlurDisc(0.085, 0, 3, 10, 0.036, 6000).error,
              "the focal length and the f-number must be positive numbers");
    EXPECT_EQ(ComputeBlurDisc(0.085, 1.8, 3, 10, 0.036, 0).error,
              "the sensor must have a width and pixels");
}

TEST(StackCsv, LandscapeStackAndBracketingByteForByte) {
    const std::string expected =
        "plan,shot,focus from lens (m),focus from sensor (m),near limit (m),"
        "far limit (m),depth (m),step (m)\r\n"
        "stack,1,1.095566,1.120104,1.000000,1.211329,0.211329,\r\n"
        "stack,2,1.355132,1.379565,1.211329,1.537678,0.326349,0.259566\r\n"
        "stack,3,1.778249,1.802577,1.537678,2.108055,0.570377,0.423117\r\n"
        "stack,4,2.590584,2.614808,2.108055,3.359585,1.251530,0.812335\r\n"
        "stack,5,4.786539,4.810660,3.359585,8.320672,4.961087,2.195955\r\n"
        "stack,6,32.190253,32.214271,8.320672,inf,inf,27.403714\r\n"
        "hyperfocal,1,11.236800,11.260851,5.618400,inf,inf,\r\n"
        "hyperfocal,2,3.750941,3.775095,2.815213,5.618400,2.803187,7.485859\r\n"
        "hyperfocal,3,2.255058,2.279316,1.880823,2.815213,0.934390,1.495883\r\n"
        "hyperfocal,4,1.614101,1.638463,1.413632,1.880823,0.467191,0.640957\r\n"
        "hyperfocal,5,1.258051,1.282518,1.133321,1.413632,0.280311,0.356050\r\n"
        "hyperfocal,6,1.031490,1.056062,0.946450,1.133321,0.186871,0.226561\r\n";
    EXPECT_EQ(StackCsv(PlanFocusStack(Landscape(0)), PlanHyperfocalBracket(Landscape(0))),
              expected);
}

TEST(StackCsv, QuotedWhenNeededAndLocaleFreeNumbers) {
    EXPECT_EQ(CsvField("a \"quoted\", word"), "\"a \"\"quoted\"\", word\"");
    EXPECT_EQ(CsvRow({"1", "", CsvField("x y")}), "1,,x y\r\n");
    EXPECT_EQ(CsvNumber(-kInf, 2), "-inf");
    EXPECT_EQ(CsvNumber(std::nan(""), 2), "");
    EXPECT_EQ(CsvNumber(1e300, 1).size(), 303u);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    }
    const std::string number = CsvNumber(1234.5, 2);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(number, "1234.50");
}

}  // namespace
