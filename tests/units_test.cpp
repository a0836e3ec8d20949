// SPDX-License-Identifier: MIT
#include "core/text/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Shown {
    double metres;
    const char* metric;
    const char* imperial;
};

// Inches are metres / 0.0254, worked out by hand: 1.823 m = 71.77″ rounds to
// 72″ before it is split into 6′ 0″; 0.3047 m = 11.996″ shows as 12.00″ at
// two decimals, so it is a foot.
TEST(Units, DistancesRoundAcrossTheMetreTheFootAndTheInch) {
    const Shown table[] = {
        {2.3379, "2.34 m", "7\u2032 8\u2033"},    {1.823, "1.82 m", "6\u2032 0\u2033"},
        {1.0, "1.00 m", "3\u2032 3\u2033"},       {0.99996, "1.00 m", "3\u2032 3\u2033"},
        {0.99994, "999.9 mm", "3\u2032 3\u2033"}, {0.3997, "399.7 mm", "1\u2032 4\u2033"},
        {0.3048, "304.8 mm", "1\u2032 0\u2033"},  {0.3047, "304.7 mm", "1\u2032 0\u2033"},
        {0.30, "300.0 mm", "11.81\u2033"},        {0.1, "100.0 mm", "3.94\u2033"},
        {0.005, "5.0 mm", "0.20\u2033"},          {0.001, "1.0 mm", "0.04\u2033"},
        {HUGE_VAL, "\u221e", "\u221e"},
    };
    for (const Shown& row : table) {
        EXPECT_EQ(FormatDistance(row.metres, Units::Metric), row.metric) << row.metres;
        EXPECT_EQ(FormatDistance(row.metres, Units::Imperial), row.imperial) << row.metres;
    }
    EXPECT_EQ(FormatDistance(std::nan(""), Units::Metric), "\u2013");
}

// 0.02539 m = 0.99961″ is an inch at three decimals; 0.0253 m = 0.99606″.
TEST(Units, DepthsUnderAnInchInThousandths) {
    const Shown table[] = {
        {0.0254, "25.4 mm", "1.00\u2033"},  {0.02539, "25.4 mm", "1.00\u2033"},
        {0.0253, "25.3 mm", "0.996\u2033"}, {0.001, "1.0 mm", "0.039\u2033"},
        {0.0003, "0.3 mm", "0.012\u2033"},  {0.5, "500.0 mm", "1\u2032 8\u2033"},
        {HUGE_VAL, "\u221e", "\u221e"},
    };
    for (const Shown& row : table) {
        EXPECT_EQ(FormatDepth(row.metres, Units::Metric), row.metric) << row.metres;
        EXPECT_EQ(FormatDepth(row.metres, Units::Imperial), row.imperial) << row.metres;
    }
}

struct Typed {
    const char* text;
    Units units;
    double metres;
};

TEST(Units, EveryAcceptedSpellingOfADistance) {
    const Typed table[] = {
        {"3 m", Units::Imperial, 3},
        {"3m", Units::Imperial, 3},
        {" 3 M ", Units::Imperial, 3},
        {"300 cm", Units::Imperial, 3},
        {"400 mm", Units::Imperial, 0.4},
        {"2.5", Units::Metric, 2.5},
        {".5", Units::Metric, 0.5},
        {"10 ft", Units::Metric, 3.048},
        {"10FT", Units::Metric, 3.048},
        {"10'", Units::Metric, 3.048},
        {"10\u2032", Units::Metric, 3.048},
        {"10", Units::Imperial, 3.048},
        {"10' 6\"", Units::Metric, 3.2004},
        {"10'6\"", Units::Metric, 3.2004},
        {"10\u2032 6\u2033", Units::Metric, 3.2004},
        {"10 ft 6 in", Units::Metric, 3.2004},
        {"10' 6", Units::Metric, 3.2004},
        {"10' 11.5\"", Units::Metric, 3.3401},
        {"126 in", Units::Metric, 3.2004},
        {"126\"", Units::Metric, 3.2004},
        {"126\u2033", Units::Metric, 3.2004},
    };
    for (const Typed& row : table) {
        double metres = -1;
        EXPECT_TRUE(ParseDistance(row.text, row.units, false, &metres)) << row.text;
        EXPECT_NEAR(metres, row.metres, 1e-9) << row.text;
    }
}

TEST(Units, RejectedDistancesLeaveTheValueAlone) {
    const char* rejected[] = {"3 furlongs", "ft",     "-2 m",     "inf m",   "",          "   ",
                              "3 m m",      "3 mi",   "10' 12\"", "10' 6 m", "10 m 6 in", "0 m",
                              "0",          "1e3 m",  "3,5 m",    "+2",      "3..5",      "nan",
                              "3 inches",   "\u221e", "inf"};
    for (const char* text : rejected) {
        double metres = 42;
        EXPECT_FALSE(ParseDistance(text, Units::Metric, false, &metres)) << text;
        EXPECT_EQ(metres, 42) << text;
    }
    double metres = 0;
    EXPECT_FALSE(ParseDistance("1" + std::string(400, '0'), Units::Metric, false, &metres));
}

TEST(Units, InfinityOnlyWhereAsked) {
    for (const char* text : {"\u221e", "inf", " Infinity "}) {
        double metres = 0;
        EXPECT_TRUE(ParseDistance(text, Units::Metric, true, &metres)) << text;
        EXPECT_TRUE(std::isinf(metres) && metres > 0) << text;
    }
    double metres = 0;
    EXPECT_FALSE(ParseDistance("inf m", Units::Metric, true, &metres));
    EXPECT_FALSE(ParseDistance("-inf", Units::Metric, true, &metres));
}

TEST(Units, UnitChoiceSpellings) {
    Units units = Units::Metric;
    EXPECT_TRUE(ParseUnits(" Imperial ", &units));
    EXPECT_EQ(units, Units::Imperial);
    EXPECT_TRUE(ParseUnits("metric", &units));
    EXPECT_EQ(units, Units::Metric);
    units = Units::Imperial;
    for (const char* text : {"", "feet", "metrics", "metric imperial"}) {
        EXPECT_FALSE(ParseUnits(text, &units)) << text;
    }
    EXPECT_EQ(units, Units::Imperial);
    EXPECT_STREQ(UnitsText(Units::Metric), "metric");
    EXPECT_STREQ(UnitsText(Units::Imperial), "imperial");
}

}  // namespace
