// SPDX-License-Identifier: MIT
#include "core/optics/circle_of_confusion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/optics/thin_lens.h"
#include "golden.h"

namespace {

const Settings kFullFrame{36, 24, 6000, 4000, 50, 8, 10};

struct Choice {
    const char* text;
    const Settings* camera;
    const char* millimetres;
    const char* label;
};

// Worked out by hand: the factory diagonal is √(22.5² + 15²) = 27.041635 mm,
// its pitch 22.5/3504 = 0.00642123 mm (as a float); a 297 mm print from a
// 36 mm sensor is enlarged 8.25 times, so c = 0.2 × 500/250 / 8.25 mm.
TEST(CircleOfConfusion, EachKindOfChoice) {
    const Choice table[] = {
        {"1 px", &kFactorySettings, "0.00642123", "CoC 0.0064 mm = 1 px"},
        {"2 px", &kFactorySettings, "0.01284247", "CoC 0.0128 mm = 2 px"},
        {"d/1500", &kFactorySettings, "0.01802776", "CoC 0.0180 mm = d/1500"},
        {"d/1730", &kFactorySettings, "0.01563100", "CoC 0.0156 mm = d/1730"},
        {"d/1500", &kFullFrame, "0.02884441", "CoC 0.0288 mm = d/1500"},
        {"0.030 mm", &kFullFrame, "0.030", "CoC 0.0300 mm"},
        {"print 297 mm at 500 mm", &kFullFrame, "0.0484848",
         "CoC 0.0485 mm = print 297 mm at 500 mm"},
    };
    for (const Choice& row : table) {
        CocChoice choice;
        ASSERT_TRUE(ParseCoc(row.text, &choice)) << row.text;
        EXPECT_DIGITS(CocMillimetres(choice, *row.camera), row.millimetres);
        EXPECT_EQ(CocLabel(choice, *row.camera), row.label);
    }
}

// A print is enlarged from the sensor's long side, whichever way it is held.
TEST(CircleOfConfusion, PrintFromAnUprightSensor) {
    CocChoice choice;
    ASSERT_TRUE(ParseCoc("print 297 mm at 500 mm", &choice));
    EXPECT_DIGITS(CocMillimetres(choice, Settings{24, 36, 4000, 6000, 50, 8, 10}), "0.0484848");
}

// The limits the issue quotes, with the circle from the choice: H = H′ + f.
TEST(CircleOfConfusion, SharpZonesWithTheChosenCircle) {
    CocChoice choice;
    ASSERT_TRUE(ParseCoc("d/1500", &choice));
    const Lens factoryLens = LensInUse(choice, kFactorySettings);
    EXPECT_DIGITS(Hyperfocal(factoryLens), "9.15");
    const SharpLimits factory = ExactLimits(factoryLens, 10);
    EXPECT_DIGITS(factory.nearLimit, "4.78");
    EXPECT_TRUE(std::isinf(factory.farLimit));

    ASSERT_TRUE(ParseCoc("0.030 mm", &choice));
    const SharpLimits fifty = ExactLimits({0.05, 8, Metres(CocMillimetres(choice, kFullFrame))}, 3);
    EXPECT_DIGITS(fifty.nearLimit, "2.34");
    EXPECT_DIGITS(fifty.farLimit, "4.19");
}

TEST(CircleOfConfusion, AcceptedSpellingsAndTheirFileText) {
    const struct {
        const char* typed;
        const char* written;
    } table[] = {
        {"1 px", "1 px"},
        {"0.5px", "0.5 px"},
        {" 2 pixels ", "2 px"},
        {"1 Pixel", "1 px"},
        {"10 PX", "10 px"},
        {"d/1500", "d/1500"},
        {"D / 1000", "d/1000"},
        {"0.030 mm", "0.03 mm"},
        {"0.019MM", "0.019 mm"},
        {"print 297 mm at 500 mm", "print 297 mm at 500 mm"},
        {"Print 297mm at 0.5 m", "print 297 mm at 500 mm"},
        {"print 11.69 in at 20\"", "print 296.926 mm at 508 mm"},
        {"print 420 at 1000", "print 420 mm at 1000 mm"},
    };
    for (const auto& row : table) {
        CocChoice choice;
        ASSERT_TRUE(ParseCoc(row.typed, &choice)) << row.typed;
        EXPECT_EQ(CocText(choice), row.written) << row.typed;
        CocChoice again;
        ASSERT_TRUE(ParseCoc(CocText(choice), &again)) << row.typed;
        EXPECT_EQ(again.kind, choice.kind);
        EXPECT_EQ(again.value, choice.value);
        EXPECT_EQ(again.viewingMm, choice.viewingMm);
    }
}

TEST(CircleOfConfusion, RejectedChoicesLeaveItAlone) {
    const char* rejected[] = {"",
                              "px",
                              "0.4 px",
                              "11 px",
                              "-1 px",
                              "nan px",
                              "1e1 px",
                              "d/",
                              "d/50",
                              "d/20000",
                              "d1500",
                              "1500",
                              "0.030",
                              "2 mm",
                              "0 mm",
                              "0.030 in",
                              "print",
                              "print 297 mm",
                              "print at 500 mm",
                              "print 5 mm at 500 mm",
                              "print 297 mm at 500 furlongs",
                              "3 furlongs",
                              "1 px 2 px"};
    for (const char* text : rejected) {
        CocChoice choice{CocKind::Millimetres, 0.025, 0};
        EXPECT_FALSE(ParseCoc(text, &choice)) << text;
        EXPECT_EQ(choice.kind, CocKind::Millimetres) << text;
        EXPECT_EQ(choice.value, 0.025) << text;
    }
}

TEST(CircleOfConfusion, NoCircleWithoutACamera) {
    CocChoice pixels;
    EXPECT_TRUE(std::isnan(CocMillimetres(pixels, Settings{22.5f, 15, 0, 0, 24, 3.5f, 10})));
    CocChoice diagonal{CocKind::DiagonalOver, 1500, 0};
    EXPECT_TRUE(std::isnan(CocMillimetres(diagonal, Settings{0, 0, 3504, 2336, 24, 3.5f, 10})));
}

}  // namespace
