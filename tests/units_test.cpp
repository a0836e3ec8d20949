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

// Inches are metres / 0.0254, worked out by hand and rounded to the eighth
// below 10 ft: 1.823 m = 71.772″ = 574.2 eighths, 5′ 11¾″; 0.3047 m =
// 11.996″ rounds to a foot; 3.0479 m = 119.996″ rounds to 10 ft, where whole
// inches take over; 304.8 m is 1000 ft and 4774.23 m 15663.5 ft, shown to
// three figures; metric keeps four figures from 100 m on.
TEST(Units, DistancesRoundAcrossTheMetreTheFootAndTheInch) {
    const Shown table[] = {
        {2.3379, "2.34 m", "7\u2032 8\u2033"},
        {1.823, "1.82 m", "5\u2032 11\u00be\u2033"},
        {1.209675, "1.21 m", "3\u2032 11\u215d\u2033"},
        {1.0, "1.00 m", "3\u2032 3\u215c\u2033"},
        {0.99996, "1.00 m", "3\u2032 3\u215c\u2033"},
        {0.99994, "999.9 mm", "3\u2032 3\u215c\u2033"},
        {0.3048, "304.8 mm", "1\u2032 0\u2033"},
        {0.3047, "304.7 mm", "1\u2032 0\u2033"},
        {0.30, "300.0 mm", "11\u00be\u2033"},
        {0.1, "100.0 mm", "3\u215e\u2033"},
        {0.005, "5.0 mm", "0.20\u2033"},
        {0.001, "1.0 mm", "0.04\u2033"},
        {3.04, "3.04 m", "9\u2032 11\u215d\u2033"},
        {3.0479, "3.05 m", "10\u2032 0\u2033"},
        {10.0, "10.00 m", "32\u2032 10\u2033"},
        {133.88, "133.9 m", "439\u2032"},
        {304.8, "304.8 m", "1000\u2032"},
        {4774.23, "4774 m", "15700\u2032"},
        {12345.6, "12350 m", "40500\u2032"},
        {HUGE_VAL, "\u221e", "\u221e"},
    };
    for (const Shown& row : table) {
        EXPECT_EQ(FormatDistance(row.metres, Units::Metric), row.metric) << row.metres;
        EXPECT_EQ(FormatDistance(row.metres, Units::Imperial), row.imperial) << row.metres;
    }
    EXPECT_EQ(FormatDistance(std::nan(""), Units::Metric), "\u2013");
}

// 85 mm f/1.4 at 4 ft: limits of 3.974 ft and 4.027 ft read apart; and from a
// foot to 10 ft no two distances an eighth of an inch apart read the same.
TEST(Units, LimitsThatDifferReadDifferently) {
    EXPECT_EQ(FormatDistance(3.974 * 0.3048, Units::Imperial), "3\u2032 11\u00be\u2033");
    EXPECT_EQ(FormatDistance(4.027 * 0.3048, Units::Imperial), "4\u2032 0\u215c\u2033");
    const double eighth = 0.0254 / 8;
    for (double d = 0.3048; d < 3.04; d += 0.0007) {
        EXPECT_NE(FormatDistance(d, Units::Imperial), FormatDistance(d + eighth, Units::Imperial))
            << d;
    }
}

// One unit for a column: 625.3 mm beside 1.27 m reads 0.625 m.
TEST(Units, FiguresShownTogetherShareOneUnit) {
    const Magnitude mixed = SharedMagnitude({0.6253, 1.27, HUGE_VAL}, Units::Metric);
    EXPECT_EQ(FormatDistance(0.6253, Units::Metric, mixed), "0.625 m");
    EXPECT_EQ(FormatDistance(1.27, Units::Metric, mixed), "1.27 m");
    EXPECT_EQ(SharedMagnitude({0.6253, 0.9947}, Units::Metric), Magnitude::Small);
    const Magnitude feet = SharedMagnitude({0.30, 0.61}, Units::Imperial);
    EXPECT_EQ(FormatDistance(0.30, Units::Imperial, feet), "0\u2032 11\u00be\u2033");
    EXPECT_EQ(SharedMagnitude({0.30, 0.25}, Units::Imperial), Magnitude::Small);
}

// 0.02539 m = 0.99961″ is an inch at three decimals; 0.0253 m = 0.99606″;
// 0.5 m = 19.685″ = 157.5 eighths, 1′ 7⅝″.
TEST(Units, DepthsUnderAnInchInThousandths) {
    const Shown table[] = {
        {0.0254, "25.4 mm", "1\u2033"},     {0.02539, "25.4 mm", "1\u2033"},
        {0.0253, "25.3 mm", "0.996\u2033"}, {0.001, "1.0 mm", "0.039\u2033"},
        {0.0003, "0.3 mm", "0.012\u2033"},  {0.5, "500.0 mm", "1\u2032 7\u215d\u2033"},
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
