// SPDX-License-Identifier: MIT
#include "core/planning/focus_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/optics/thin_lens.h"

// The rows below were rounded by hand from the python figures of
// focus_stack_test.cpp (e.g. the macro stack's 44th shot: focus 419.857 mm,
// 551.121 mm from the sensor, sharp from 419.616 to 420.099 mm).
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

Settings Camera(float focal, float aperture) {
    Settings s;
    s.focal = focal;
    s.aperture = aperture;
    return s;
}

std::string Text(const Settings& s, Units units, const PlanRequest& r, std::size_t maxRows) {
    const CocChoice pixel;
    return FocusPlanText(s, pixel, units, r, MakeFocusPlan(s, pixel, r), maxRows);
}

void ExpectLines(const std::string& text, std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        EXPECT_NE(text.find(std::string("\n") + line + "\n"), std::string::npos)
            << "no line \"" << line << "\" in:\n"
            << text;
    }
}

TEST(FocusPlanText, LandscapeInMetresAndFeet) {
    const PlanRequest landscape{1, kInf, 0, 2, kInf};
    ExpectLines(
        Text(Camera(24, 8), Units::Metric, landscape, 0),
        {"Focus stack, near to far: 6 shots, sharp from 1.00 m to \u221e",
         "shot  focus       from sensor near        far         depth       step",
         "    1 1.10 m      1.12 m      1.00 m      1.21 m      211.3 mm",
         "    6 32.19 m     32.21 m     8.32 m      \u221e           \u221e           27.40 m",
         "Hyperfocal bracketing, from infinity: 6 shots, sharp from 946.4 mm to \u221e",
         "    1 11.24 m     11.26 m     5.62 m      \u221e           \u221e",
         "    2 3.75 m      3.78 m      2.82 m      5.62 m      2.80 m      7.49 m",
         "One shot instead: focus at 2.00 m (2.02 m from the sensor) at f/45.4, marked f/51.",
         "Its Airy disc, 69.3 \u00b5m, is wider than the 0.0064 mm circle: take the stack "
         "instead."});
    // 43.133, 44.099, 39.370 and 47.690 inches (345.06, 352.79, 314.96 and
    // 381.52 eighths); a depth of 8.320 inches, 66.56 eighths.
    ExpectLines(
        Text(Camera(24, 8), Units::Imperial, landscape, 0),
        {"    1 3\u2032 7\u215b\u2033      3\u2032 8\u215b\u2033      3\u2032 3\u215c\u2033      "
         "3\u2032 11\u00be\u2033     8\u215c\u2033"});
}

TEST(FocusPlanText, LongStacksShowTheirEndsInTheWindow) {
    const PlanRequest macro{0.40, 0.42, 0, std::nan(""), 0.42};
    const std::string shown = Text(Camera(100, 2.8f), Units::Metric, macro, 12);
    ExpectLines(shown,
                {"Focus stack, near to far: 44 shots, sharp from 400.0 mm to 420.1 mm",
                 "    1 400.2 mm    533.5 mm    400.0 mm    400.4 mm    0.4 mm",
                 "    \u22ee 33 more, in the copy and the CSV",
                 "   44 419.9 mm    551.1 mm    419.6 mm    420.1 mm    0.5 mm      0.5 mm"});
    EXPECT_EQ(shown.find("   40 "), shown.find("\n   40 ") + 1);
    EXPECT_EQ(shown.find("    7 "), std::string::npos);
    EXPECT_EQ(shown.find("Blur"), std::string::npos);  // no focus given
    const std::string all = Text(Camera(100, 2.8f), Units::Metric, macro, 0);
    ExpectLines(all, {"   22 409.5 mm    541.8 mm    409.3 mm    409.8 mm    0.5 mm      0.5 mm"});
    // Shots 1 to 6 on lines 4 to 9, the gap's line, then 40 to 44 on 11 to 15.
    std::vector<ListedShot> listed;
    const CocChoice pixel;
    FocusPlanText(Camera(100, 2.8f), pixel, Units::Metric, macro,
                  MakeFocusPlan(Camera(100, 2.8f), pixel, macro), 12, &listed);
    ASSERT_EQ(listed.size(), 11u);
    for (const auto& [index, shot, line] : {std::tuple{0u, 0u, 4u}, std::tuple{5u, 5u, 9u},
                                            std::tuple{6u, 39u, 11u}, std::tuple{10u, 43u, 15u}}) {
        EXPECT_FALSE(listed[index].bracket);
        EXPECT_EQ(listed[index].shot, shot);
        EXPECT_EQ(listed[index].line, line);
    }
}

TEST(FocusPlanText, BlurAndRefusals) {
    Settings fullFrame = Camera(85, 1.8f);
    fullFrame.xsize = 36;
    fullFrame.ysize = 24;
    fullFrame.xresol = 6000;
    fullFrame.yresol = 4000;
    ExpectLines(Text(fullFrame, Units::Metric, {2, 5, 0.1, 3, 10}, 12),
                {"Blur at 10.00 m, focused at 3.00 m: 0.964 mm on the sensor, 161 px, 2.7 % of "
                 "the frame width."});
    const std::string refused = Text(Camera(24, 8), Units::Metric, {2, 1, 0.1, 3, 10}, 12);
    EXPECT_NE(refused.find("\n\nThis zone cannot be planned: the near end must be closer than "
                           "the far end.\n"),
              std::string::npos)
        << refused;
    EXPECT_EQ(refused.find("Focus stack"), std::string::npos);
}

// 85 mm f/1.8 on full frame at 2.91 m with 0.030 mm: the exact zone handed
// over (2.852–2.975 m) is what that one frame holds, in either units.
TEST(FocusPlanText, TheZoneOfOneFrameTakesOneFrame) {
    Settings fullFrame = Camera(85, 1.8f);
    fullFrame.xsize = 36;
    fullFrame.ysize = 24;
    const CocChoice coc{CocKind::Millimetres, 0.030, 0};
    const SharpLimits zone = ExactLimits({0.085, 1.8f, 0.00003}, 2.91);
    const PlanRequest request{zone.nearLimit, zone.farLimit, 0.1, 2.91, zone.farLimit};
    const FocusPlan plan = MakeFocusPlan(fullFrame, coc, request);
    EXPECT_EQ(plan.stack.shots.size(), 1u);
    EXPECT_EQ(plan.oneShot.markedAperture, 1.8);
    for (Units units : {Units::Metric, Units::Imperial}) {
        const std::string text = FocusPlanText(fullFrame, coc, units, request, plan, 12);
        EXPECT_NE(text.find("near to far: 1 shot, sharp from "), std::string::npos) << text;
        EXPECT_NE(text.find("at f/1.8, marked f/1.8.\n"), std::string::npos) << text;
    }
}

}  // namespace
