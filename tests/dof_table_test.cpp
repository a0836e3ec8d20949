// SPDX-License-Identifier: MIT
#include "core/tables/dof_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/tables/comparison_text.h"
#include "core/tables/setup_compare.h"
#include "core/tables/table_csv.h"
#include "core/text/text_format.h"
#include "golden.h"
#include "shot_setup.h"

namespace {

// Full frame, 0.030 mm circle. Hand-computed with H′ = f²/(N c):
// 50 mm f/8: H′ = 10.416667, H = H′ + f = 10.466667; f/22: H′ = 3.787879,
// H = 3.837879. Near = H′s/(H′ + s − f), far = H′s/(H′ − (s − f)).
TEST(DofTable, CellsAndHyperfocalRowOfAFiftyMillimetreCard) {
    const DofTable table = BuildDofTable(Metres(50), Metres(0.030), {8, 22}, {3, 5, 0.04});
    ASSERT_EQ(table.cells.size(), 3u);
    ASSERT_EQ(table.cells[0].size(), 2u);
    EXPECT_DIGITS(table.cells[0][0].nearLimit, "2.337905");  // 2.34 – 4.19 m
    EXPECT_DIGITS(table.cells[0][0].farLimit, "4.185268");
    EXPECT_DIGITS(table.cells[0][1].nearLimit, "1.686530");
    EXPECT_DIGITS(table.cells[0][1].farLimit, "13.562387");
    EXPECT_DIGITS(table.cells[1][0].nearLimit, "3.389371");
    EXPECT_DIGITS(table.cells[1][0].farLimit, "9.527439");
    EXPECT_DIGITS(table.cells[1][1].nearLimit, "2.167505");  // 2.17 – ∞: 5 m is past H
    EXPECT_TRUE(std::isinf(table.cells[1][1].farLimit));
    EXPECT_DIGITS(table.hyperfocal[0], "10.466667");
    EXPECT_DIGITS(table.hyperfocal[1], "3.837879");
    // Focused inside the focal length there is no image and no limits.
    EXPECT_TRUE(std::isnan(table.cells[2][0].nearLimit));
    EXPECT_TRUE(std::isnan(table.cells[2][1].farLimit));
    // Focused at H itself: sharp from H/2 to infinity.
    const DofTable atH = BuildDofTable(Metres(50), Metres(0.030), {22}, {table.hyperfocal[1]});
    EXPECT_DIGITS(atH.cells[0][0].nearLimit, "1.918939");
    EXPECT_TRUE(std::isinf(atH.cells[0][0].farLimit));
}

TEST(DofTable, StandardDistanceSeries) {
    EXPECT_EQ(StandardDistances(Units::Metric),
              (std::vector<double>{0.5, 0.7, 1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30}));
    const std::vector<double>& feet = StandardDistances(Units::Imperial);
    ASSERT_EQ(feet.size(), 11u);
    const double expected[] = {0.6096, 0.9144, 1.2192, 1.524, 2.1336, 3.048,
                               4.572,  6.096,  9.144,  15.24, 30.48};
    for (std::size_t i = 0; i < feet.size(); ++i) {
        EXPECT_NEAR(feet[i], expected[i], 1e-12) << i;
    }
}

TEST(DofTable, TypedListsOfFocalLengthsAndApertures) {
    struct Case {
        const char* text;
        bool focal;
        std::vector<double> values;  // empty: refused
    };
    const Case cases[] = {
        {"24,35,50", true, {24, 35, 50}},
        {" 50 , 24 ,50", true, {24, 50}},
        {"50mm, 85 mm", true, {50, 85}},
        {"1e3", true, {}},
        {"", true, {}},
        {"24,,50", true, {}},
        {"24;35", true, {}},
        {"24,", true, {}},
        {"0", true, {}},
        {"-50", true, {}},
        {"+50", true, {}},
        {"inf", true, {}},
        {"nan", true, {}},
        {"1e400", true, {}},
        {"50 mm mm", true, {}},
        {"2001", true, {}},
        {"9.9", true, {}},
        {"10,2000", true, {10, 2000}},
        {"2,8", false, {2, 8}},
        {"f/1.4, F/2.8,4", false, {1.4, 2.8, 4}},
        {"f/", false, {}},
        {"f/0.4", false, {}},
        {"128", false, {128}},
        {"f/1,4", false, {1, 4}},
        {"1,4 mm", false, {}},
    };
    for (const Case& c : cases) {
        std::vector<double> values{99};
        const bool read = ParseList(c.text, c.focal ? ReadFocalLength : ReadAperture, &values);
        EXPECT_EQ(read, !c.values.empty()) << c.text;
        EXPECT_EQ(values, c.values.empty() ? std::vector<double>{99} : c.values) << c.text;
    }
    // Distances as typed elsewhere: a bare number in the units' own length.
    std::vector<double> metres;
    const auto feet = [](const std::string& text, double* value) {
        return ReadFocusDistance(text, Units::Imperial, value);
    };
    EXPECT_TRUE(ParseList("10, 3 m, 6' 6\"", feet, &metres));
    ASSERT_EQ(metres.size(), 3u);
    EXPECT_DIGITS(metres[0], "1.9812");  // 78 in × 0.0254
    EXPECT_DIGITS(metres[1], "3.0000");
    EXPECT_DIGITS(metres[2], "3.0480");
    EXPECT_FALSE(ParseList("10, inf", feet, &metres));
    std::string longest = "1";
    for (std::size_t i = 2; i <= kMaxTableEntries; ++i) {
        longest += "," + std::to_string(i);
    }
    std::vector<double> values;
    EXPECT_TRUE(ParseList(longest, ReadAperture, &values));
    EXPECT_EQ(values.size(), kMaxTableEntries);
    EXPECT_FALSE(ParseList(longest + ",40", ReadAperture, &values));
}

// Three decimals of the hand-computed limits above; in feet, each divided by
// 0.3048 (3 m = 9.843 ft: 2.337905 m = 7.670 ft, 4.185268 m = 13.731 ft, …).
TEST(TableCsv, ByteForByteInMetresAndFeet) {
    const std::vector<DofTable> tables{BuildDofTable(Metres(50), Metres(0.03), {8, 22}, {3, 5}),
                                       BuildDofTable(Metres(50), Metres(0.03), {8}, {0.04})};
    EXPECT_EQ(TableCsv("Full frame, 36 x 24 mm", tables, Units::Metric),
              "camera,focal_mm,coc_mm,aperture,focus_m,near_m,far_m,hyperfocal_m,"
              "hyperfocal_near_m\r\n"
              "\"Full frame, 36 x 24 mm\",50,0.03,8,3.000,2.338,4.185,10.467,5.233\r\n"
              "\"Full frame, 36 x 24 mm\",50,0.03,22,3.000,1.687,13.562,3.838,1.919\r\n"
              "\"Full frame, 36 x 24 mm\",50,0.03,8,5.000,3.389,9.527,10.467,5.233\r\n"
              "\"Full frame, 36 x 24 mm\",50,0.03,22,5.000,2.168,inf,3.838,1.919\r\n"
              "\"Full frame, 36 x 24 mm\",50,0.03,8,0.040,,,10.467,5.233\r\n");
    EXPECT_EQ(TableCsv("FF", {tables[0]}, Units::Imperial),
              "camera,focal_mm,coc_mm,aperture,focus_ft,near_ft,far_ft,hyperfocal_ft,"
              "hyperfocal_near_ft\r\n"
              "FF,50,0.03,8,9.843,7.670,13.731,34.339,17.170\r\n"
              "FF,50,0.03,22,9.843,5.533,44.496,12.591,6.296\r\n"
              "FF,50,0.03,8,16.404,11.120,31.258,34.339,17.170\r\n"
              "FF,50,0.03,22,16.404,7.111,inf,12.591,6.296\r\n");
}

TEST(TableCsv, FieldsQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(CsvField("plain text"), "plain text");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("6\" print"), "\"6\"\" print\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(CsvField("\n"), "\"\n\"");
}

// 35 mm f/1.4 against 50 mm f/1.8, both at 3 m on full frame, 0.030 mm circle.
// 35 mm: H′ = 29.166667, near 2.723170, far 3.339482; field 36 × 2.965/35 mm;
// background blur 35²/(1.4 × 2965) mm. 50 mm: H′ = 46.296296, near 2.820291,
// far 3.204170, depth 0.383879, field 2.124 m, blur 2500/(1.8 × 2950).
TEST(SetupCompare, PortraitAtThreeMetresThirtyFiveAgainstFifty) {
    const ShotSetup wide = Shot(36, 35, 1.4, 0.030, 3);
    const ShotSetup normal = Shot(36, 50, 1.8, 0.030, 3);
    const SetupFigures a = ComputeSetupFigures(wide);
    EXPECT_DIGITS(a.nearLimit, "2.723170");
    EXPECT_DIGITS(a.farLimit, "3.339482");
    EXPECT_DIGITS(a.depth, "0.616312");
    EXPECT_DIGITS(a.hyperfocal, "29.201667");
    EXPECT_DIGITS(a.fieldWidth, "3.049714");
    EXPECT_DIGITS(a.backgroundBlurMm, "0.295110");
    const SetupFigures b = ComputeSetupFigures(normal);
    EXPECT_DIGITS(b.nearLimit, "2.820291");
    EXPECT_DIGITS(b.farLimit, "3.204170");
    EXPECT_DIGITS(b.depth, "0.383879");
    EXPECT_DIGITS(b.hyperfocal, "46.346296");
    EXPECT_DIGITS(b.fieldWidth, "2.124000");
    EXPECT_DIGITS(b.backgroundBlurMm, "0.470810");
    const SetupFigures past = ComputeSetupFigures(Shot(36, 50, 22, 0.030, 5));
    EXPECT_TRUE(std::isinf(past.farLimit));
    EXPECT_TRUE(std::isinf(past.depth));
    EXPECT_TRUE(std::isnan(ComputeSetupFigures(Shot(36, 50, 8, 0.030, 0.05)).depth));
}

// Framing as the 50 mm at 3 m (field 2.124 m), the 35 mm stands at
// 35 × (1 + 2124/36) mm = 2.1 m; its depth there is 0.342080 m at f/1.6 and
// 0.385514 m at f/1.8, the first to reach 0.383879; bisecting the depth
// gives f/1.79249. The other way round the 50 mm stands at 4.285714 m and
// needs f/1.40738: f/1.4 holds 0.613047, 0.53 % short of 0.616312, which
// counts as matched; f/1.2 holds 0.524760.
TEST(SetupCompare, MatchDepthAtTheSameFraming) {
    const ShotSetup wide = Shot(36, 35, 1.4, 0.030, 3);
    const ShotSetup normal = Shot(36, 50, 1.8, 0.030, 3);
    DepthMatch match = MatchDepth(wide, normal);
    EXPECT_EQ(match.aperture, 1.8);
    EXPECT_DIGITS(match.distance, "2.100000");
    EXPECT_DIGITS(match.exact, "1.79249");
    EXPECT_EQ(match.below.aperture, 1.6);
    EXPECT_DIGITS(match.below.depth, "0.342080");
    EXPECT_DIGITS(match.above.depth, "0.385514");
    EXPECT_FALSE(match.matched);
    match = MatchDepth(normal, wide);
    EXPECT_EQ(match.aperture, 1.4);
    EXPECT_DIGITS(match.distance, "4.285714");
    EXPECT_FALSE(match.matched);
    match = MatchDepth(Shot(36, 50, 1.4, 0.030, 3), wide);
    EXPECT_TRUE(match.matched);
    EXPECT_DIGITS(match.exact, "1.40738");
    EXPECT_EQ(match.below.aperture, 1.2);
    EXPECT_DIGITS(match.below.depth, "0.524760");
    EXPECT_EQ(match.above.aperture, 1.4);
    EXPECT_DIGITS(match.above.depth, "0.613047");
    // Against the 35 mm at f/1.405 (0.618559 m) f/1.4 is 0.89 % short and
    // matched; at f/1.41 (0.620807 m) 1.25 % short, not.
    EXPECT_TRUE(MatchDepth(Shot(36, 50, 1.4, 0.030, 3), Shot(36, 35, 1.405, 0.030, 3)).matched);
    EXPECT_FALSE(MatchDepth(Shot(36, 50, 1.4, 0.030, 3), Shot(36, 35, 1.41, 0.030, 3)).matched);
    // A smaller sensor (22.5 mm wide, 0.020 mm circle) frames 2.124 m at
    // 35 × (1 + 2124/22.5) mm = 3.339 m; f/1 gives 0.361282 m, f/1.1 0.397654.
    match = MatchDepth(Shot(22.5, 35, 4, 0.020, 1), normal);
    EXPECT_EQ(match.aperture, 1.1);
    EXPECT_DIGITS(match.distance, "3.339000");
    // Matching an infinite depth: the 35 mm at 3.5 m reaches ∞ once
    // N ≥ 0.035²/(0.00003 × 3.465) = 11.78, so f/13.
    match = MatchDepth(wide, Shot(36, 50, 22, 0.030, 5));
    EXPECT_EQ(match.aperture, 13);
    EXPECT_DIGITS(match.distance, "3.500000");
    // A 600 mm lens framing the same stands at 60 m and would need f/202.
    EXPECT_EQ(MatchDepth(Shot(36, 600, 4, 0.030, 100), Shot(36, 50, 22, 0.030, 5)).aperture, 0);
    EXPECT_EQ(MatchDepth(wide, Shot(36, 50, 8, 0.030, 0.01)).aperture, 0);
}

// The same two setups as the details window shows them, the live 50 mm
// first; figures from the hand calculation above, rounded as shown.
TEST(SetupCompare, ColumnsBesideTheLiveSetup) {
    const std::vector<ShotSetup> setups{Shot(36, 50, 1.8, 0.030, 3), Shot(36, 35, 1.4, 0.030, 3)};
    EXPECT_EQ(ComposeComparison({"Live", "35 f/1.4"}, setups, Units::Metric),
              "Setups compared, exact thin-lens figures:\n"
              "                Live              35 f/1.4\n"
              "Setup           50 mm f/1.8       35 mm f/1.4\n"
              "Focused at      3.00 m            3.00 m\n"
              "Near limit      2.82 m            2.72 m\n"
              "Far limit       3.20 m            3.34 m\n"
              "Depth of field  383.9 mm          616.3 mm\n"
              "Hyperfocal      46.35 m           29.20 m\n"
              "Field width     2.12 m            3.05 m\n"
              "Background blur 0.47 mm           0.30 mm\n"
              "Match depth                       f/1.79 needed\n"
              "  framed at                       2.10 m\n"
              "  stop below                      f/1.6: 342.1 mm\n"
              "  stop above                      f/1.8: 385.5 mm\n");
    EXPECT_EQ(FitColumn("a very long pin name", 16), "a very long pin ");
    EXPECT_EQ(FitColumn("\u00d8 50 \u221e", 8), "\u00d8 50 \u221e  ");
    EXPECT_EQ(FitColumn("\u221e\u221e\u221e", 3), "\u221e\u221e ");
    EXPECT_EQ(FitColumn("\u221e\u221e\u221e", 3, Overflow::Keep), "\u221e\u221e\u221e ");
}

}  // namespace
