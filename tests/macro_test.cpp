// SPDX-License-Identifier: MIT
// Close-up and tilted lenses through the core. Every figure was worked out
// by hand in python from the formulas (effective aperture, Conrad's depths,
// the hinge rule), the stacks by halving python's own limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/macro/macro_text.h"
#include "core/macro/rail.h"
#include "core/macro/tilt.h"
#include "core/optics/details_text.h"
#include "core/optics/diffraction.h"
#include "core/optics/thin_lens.h"
#include "core/planning/focus_stack.h"
#include "core/planning/one_shot.h"
#include "golden.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A symmetric lens keeps every figure as it was: the close-up f-number of the
// thin-lens limits is N itself, not a rounding of N(1 + m)/(1 + m).
TEST(CloseUp, PupilMagnificationOfOneChangesNothing) {
    for (const double s : {0.104, 0.15, 0.4, 3.0}) {
        EXPECT_EQ(PupilAperture(0.1, 2.8, 1, s), 2.8) << s;
    }
    Settings camera;
    camera.focal = 100;
    camera.aperture = 2.8f;
    const std::string symmetric = ComposeDetails(camera, CocChoice{}, Units::Metric, 0.4);
    EXPECT_NE(symmetric.find("effective aperture f/3.73\n"), std::string::npos) << symmetric;
    EXPECT_EQ(symmetric.find("pupil"), std::string::npos) << symmetric;
    EXPECT_EQ(symmetric.find("Wave optics"), std::string::npos) << symmetric;
}

TEST(CloseUp, EffectiveApertureAndWaveDepth) {
    struct Case {
        double aperture, magnification, pupil;
        const char *effective, *waveMm;
    };
    const Case cases[] = {
        {16, 1, 1, "32", "2.2528"},
        {16, 1, 0.5, "48", "5.0688"},
        {4, 0.5, 1, "6", "0.3168"},
    };
    for (const Case& c : cases) {
        const double effective = EffectiveAperture(c.aperture, c.magnification, c.pupil);
        EXPECT_DIGITS(effective, c.effective);
        EXPECT_DIGITS(WaveDepth(effective, c.magnification) * 1000, c.waveMm);
    }
}

// 100 mm at 0.2 m is 1:1; at f/16 with d/1500 on the factory sensor (0.018
// mm) geometry gives 1.2 mm, wave optics 2.253 mm, and it says so; a lens
// of pupil magnification 0.5 works at f/48.
TEST(CloseUp, DetailsSayWhenWaveOpticsGoverns) {
    Settings camera;
    camera.focal = 100;
    camera.aperture = 16;
    const CocChoice d1500{CocKind::DiagonalOver, 1500, 0};
    EXPECT_NE(ComposeDetails(camera, d1500, Units::Metric, 0.2)
                  .find("\nWave optics     2.3 mm deep, more than the geometric 1.2 mm: "
                        "diffraction governs"),
              std::string::npos);
    camera.pupil = 0.5f;
    EXPECT_NE(ComposeDetails(camera, d1500, Units::Metric, 0.2)
                  .find("effective aperture f/48.00, pupil magnification 0.50\n"),
              std::string::npos);
}

// 100 mm f/8, a 0.03 mm circle, 300 to 310 mm, no overlap.
TEST(CloseUp, StackAndOneShotByPupilAndByWaveOptics) {
    struct Case {
        double pupil;
        bool wave;
        std::size_t count;
        const char *first, *second, *last;
    };
    const Case cases[] = {
        {0.5, false, 3, "0.3019355", "0.3058886", "0.3099596"},
        {1, true, 8, "0.3006363", "0.3019143", "0.3098165"},
        {0.5, true, 5, "0.3011328", "0.3034113", "0.3100000"},
    };
    for (const Case& c : cases) {
        const StackPlan plan = PlanFocusStack({0.1, 8, 0.03e-3, 0.30, 0.31, 0, c.pupil, c.wave});
        ASSERT_EQ(plan.shots.size(), c.count) << c.pupil << " " << c.wave;
        EXPECT_DIGITS(plan.shots[0].focus, c.first);
        EXPECT_DIGITS(plan.shots[1].focus, c.second);
        EXPECT_DIGITS(plan.shots.back().focus, c.last);
    }
    EXPECT_EQ(PlanFocusStack({0.1, 8, 0.03e-3, 0.30, kInf, 0, 1, true}).error,
              "planning by wave optics needs a far end short of infinity");

    // In one shot, focused at 304.92 mm (m = 0.488): f/26.67 for a symmetric
    // lens; with P = 0.5 f/26.67 × 1.488/1.976 = f/20.08, marked f/22, whose
    // disc is 2.44 λ × 22 × 1.976 = 58.34 µm.
    EXPECT_DIGITS(PlanOneShot(0.1, 0.03e-3, 0.30, 0.31).aperture, "26.66667");
    const OneShot shot = PlanOneShot(0.1, 0.03e-3, 0.30, 0.31, 0.5);
    EXPECT_DIGITS(shot.aperture, "20.08097");
    EXPECT_EQ(shot.markedAperture, 22);
    EXPECT_DIGITS(shot.airyDisc * 1e6, "58.3394");
}

// 60 mm at f/4 on Micro Four Thirds (17.3 x 13 mm, d/1500 = 0.0144267 mm) at
// 1:2 over a 10 mm subject with 10 % overlap.
TEST(Rail, StepShotsAndWorkingDistance) {
    struct Case {
        double pupil;
        bool wave;
        const char *effective, *depthMm, *stepMm;
        int shots;
        const char* workingMm;
    };
    const Case cases[] = {
        {1, false, "6", "0.692480", "0.623232", 16, "180"},
        {0.5, false, "8", "0.923307", "0.830976", 12, "240"},
        {1, true, "6", "0.316800", "0.285120", 35, "180"},
    };
    const double coc = std::hypot(17.3, 13) / 1500 / 1000;
    for (const Case& c : cases) {
        const RailPlan plan = PlanRail({{0.06, 4, coc}, c.pupil, 0.5, 0.010, 0.1, c.wave});
        ASSERT_EQ(plan.error, "");
        EXPECT_DIGITS(plan.effectiveAperture, c.effective);
        EXPECT_DIGITS(plan.depth * 1000, c.depthMm);
        EXPECT_DIGITS(plan.step * 1000, c.stepMm);
        EXPECT_EQ(plan.shots, c.shots);
        EXPECT_DIGITS(plan.workingDistance * 1000, c.workingMm);
    }
    EXPECT_EQ(PlanRail({{0.06, 4, coc}, 1, 0.5, 0.0005, 0.1, false}).shots, 1);
    EXPECT_NE(PlanRail({{0.06, 4, coc}, 1, 0, 0.010, 0.1, false}).error, "");
    EXPECT_NE(PlanRail({{0.06, 4, coc}, 1, 0.5, 1e3, 0, false}).error, "");

    double m = 0;
    EXPECT_TRUE(ParseMagnification("1:2", &m) && m == 0.5);
    EXPECT_TRUE(ParseMagnification("2:1", &m) && m == 2);
    EXPECT_TRUE(ParseMagnification("0.25", &m) && m == 0.25);
    for (const char* bad : {"", "1:0", "0", "-1", ":2", "1:2:3", "x"}) {
        EXPECT_FALSE(ParseMagnification(bad, &m)) << bad;
    }
}

// 24 mm tilted 0.7°: J = 1964.4756 mm; at f/8 with 0.02 mm, H′ = 3.6 m, and
// the wedge's planes cross the axis at the untilted limits.
TEST(Tilt, HingeWedgeAndTheUntiltedLimit) {
    const TiltSetup tilted{{0.024, 8, 0.02e-3}, 0.7, kInf};
    const Wedge w = ComputeWedge(tilted);
    EXPECT_DIGITS(w.hinge * 1000, "1964.4756");
    EXPECT_EQ(w.focusAngle, 90);
    EXPECT_DIGITS(w.nearOnAxis, "3.6");
    EXPECT_TRUE(std::isinf(w.farOnAxis));
    // At H′ out the zone reaches J either side of the plane of focus.
    const WedgeSlice atH = SliceWedge(tilted, 3.6);
    EXPECT_DIGITS(atH.focus * 1000, "-1964.4756");
    EXPECT_DIGITS(atH.upper * 1000, "0.0000");
    EXPECT_DIGITS(atH.lower * 1000, "-3928.9512");

    // Tilted up, the wedge is the same turned over: the hinge above.
    const Wedge up = ComputeWedge({0.024, 8, 0.02e-3, -0.7, kInf});
    EXPECT_DIGITS(up.hinge * 1000, "-1964.4756");
    EXPECT_EQ(up.nearAngle, w.nearAngle);
    EXPECT_DIGITS(SliceWedge({0.024, 8, 0.02e-3, -0.7, kInf}, 3.6).upper * 1000, "3928.9512");

    // Focused at 3 m and all but untilted: 1.6423358 m and 17.307692 m.
    const Wedge flat = ComputeWedge({0.024, 8, 0.02e-3, 0.001, 3});
    EXPECT_DIGITS(flat.hinge, "1375.099");
    EXPECT_NEAR(flat.nearOnAxis / 1.6423358, 1, 0.001);
    EXPECT_NEAR(flat.farOnAxis / 17.307692, 1, 0.001);
}

TEST(Tilt, SolversLayThePlaneWhereAsked) {
    EXPECT_DIGITS(TiltForHeight(0.024, 1.6), "0.86");
    EXPECT_DIGITS(TiltForHeight(0.024, 1.6), "0.859469");
    EXPECT_TRUE(std::isnan(TiltForHeight(0.024, 0.02)));
    const TiltSetup ground{{0.024, 8, 0.02e-3}, TiltForHeight(0.024, 1.6), kInf};
    for (const double x : {1.0, 10.0, 100.0}) {
        EXPECT_DIGITS(SliceWedge(ground, x).focus, "-1.600000");
    }

    // Through 1.5 m below at 2 m out and 1 m below at 10 m: 0.846245°, the
    // axis crossed at 26 m; and back through both points.
    double tilt = 0, focus = 0;
    ASSERT_TRUE(TiltThroughPoints(0.024, 2, -1.5, 10, -1.0, &tilt, &focus));
    EXPECT_DIGITS(tilt, "0.846245");
    EXPECT_DIGITS(focus, "26.000000");
    const TiltSetup through{{0.024, 8, 0.02e-3}, tilt, focus};
    EXPECT_DIGITS(SliceWedge(through, 2).focus, "-1.500000");
    EXPECT_DIGITS(SliceWedge(through, 10).focus, "-1.000000");
    // Falling away from the axis, or meeting the lens within a focal length.
    EXPECT_FALSE(TiltThroughPoints(0.024, 2, -1.0, 10, -1.5, &tilt, &focus));
    EXPECT_FALSE(TiltThroughPoints(0.024, 2, 0.01, 4, 0.02, &tilt, &focus));
}

}  // namespace
