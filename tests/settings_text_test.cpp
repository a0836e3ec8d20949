// SPDX-License-Identifier: MIT
#include "core/settings/settings_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "golden.h"

namespace {

// Trims a line as the reader does and applies it to factory settings.
Settings AfterLine(const std::string& line) {
    std::string buffer = line;
    Settings s;
    ApplySettingsLine(TrimSettingsLine(buffer.data()), &s);
    return s;
}

TEST(SettingsLine, SampleLines) {
    struct Case {
        const char* line;
        float xsize;
    } const cases[] = {
        {"   xsize = 36.0 # full frame", 36.0f},
        {"XSIZE =36", 36.0f},
        {"XSIZE\t=\t36", 36.0f},
        {"XSIZE=36", 22.5f},   // the key is read as "XSIZE=36"
        {"XSIZE= 36", 22.5f},  // the key is read as "XSIZE="
        {"XSIZE = 36#x", 36.0f},
        {"XSIZE = 36 mm", 36.0f},
        {"XSIZE = abc", 0.0f},
        {"#XSIZE = 36", 22.5f},
        {"   # XSIZE = 36", 22.5f},
        {"APERTURE = 8", 22.5f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfterLine(c.line).xsize, c.xsize) << c.line;
    }
    EXPECT_EQ(AfterLine("XRESOL = 640.9").xresol, 640);
    EXPECT_EQ(AfterLine("DMAX = -5").dmax, -5.0f);
    EXPECT_EQ(AfterLine("APERTURE = 8").aperture, 3.5f);
}

TEST(SettingsLine, EveryKeyInAnyCase) {
    Settings s;
    for (const char* line :
         {"xsize = 1", "YSize = 2", "xresol = 3", "YRESOL = 4", "Focal = 5", "dmax = 6"}) {
        EXPECT_TRUE(ApplySettingsLine(line, &s)) << line;
    }
    EXPECT_EQ(s.xsize, 1.0f);
    EXPECT_EQ(s.ysize, 2.0f);
    EXPECT_EQ(s.xresol, 3);
    EXPECT_EQ(s.yresol, 4);
    EXPECT_EQ(s.focal, 5.0f);
    EXPECT_EQ(s.dmax, 6.0f);
}

TEST(SettingsLine, CommentNeedsLineStartOrBlankBefore) {
    std::string line = "  XSIZE = 36\t# x \r\n";
    EXPECT_STREQ(TrimSettingsLine(line.data()), "XSIZE = 36");
    line = "XSIZE = 36#x # later";
    EXPECT_STREQ(TrimSettingsLine(line.data()), "XSIZE = 36#x # later");
    line = " \t \r\n";
    EXPECT_STREQ(TrimSettingsLine(line.data()), "");
}

TEST(SettingsLine, LinesWithoutValueOrTooLongChangeNothing) {
    const std::string longValue(80, '7');
    const std::string longKey = "XSIZE" + std::string(75, 'X');
    for (const std::string& line :
         {std::string("XSIZE 36"), std::string("XSIZE ="), std::string("XSIZE"),
          "XSIZE = " + longValue, longKey + " = 36", std::string("= 36")}) {
        Settings s;
        EXPECT_FALSE(ApplySettingsLine(line.c_str(), &s)) << line;
        EXPECT_EQ(s.xsize, 22.5f) << line;
    }
    Settings s;
    EXPECT_TRUE(ApplySettingsLine(("XSIZE = " + std::string(79, '7')).c_str(), &s));
}

TEST(SettingsLine, ResolutionsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(SaturatingAtoi("99999999999"), INT_MAX);
    EXPECT_EQ(SaturatingAtoi("-99999999999"), INT_MIN);
    EXPECT_EQ(SaturatingAtoi("999999999999999999999999"), INT_MAX);
    EXPECT_EQ(SaturatingAtoi("640.9"), 640);
    EXPECT_EQ(SaturatingAtoi("abc"), 0);
    EXPECT_EQ(SaturatingAtoi("2147483647"), INT_MAX);
    EXPECT_EQ(AfterLine("YRESOL = 99999999999").yresol, INT_MAX);
}

TEST(SettingsFile, FactoryFileByteForByte) {
    EXPECT_EQ(SettingsFileText(kFactorySettings), kFactoryFile);
}

// One decimal wherever it reads back as the same float, as every file written
// before had it; otherwise the fewest decimals that do. The texts were worked
// out in float32 apart from the program (python: struct "f" and "%.*f").
TEST(SettingsFile, EachValueWithTheFewestDecimalsThatReadBackTheSame) {
    struct Case {
        float value;
        const char* text;
    } const cases[] = {
        // One decimal, exact in binary or not.
        {22.5f, "22.5"},
        {15.0f, "15.0"},
        {0.1f, "0.1"},
        {1e30f, "1000000015047466219876688855040.0"},
        // Two decimals: one would come back as another float.
        {6.17f, "6.17"},
        {4.63f, "4.63"},
        {22.35f, "22.35"},
        {36.04f, "36.04"},
        {22.45f, "22.45"},  // "%.1f" gives 22.5
        {0.05f, "0.05"},    // "%.1f" gives 0.1
        // Binary-inexact, more decimals.
        {1.0f / 3.0f, "0.33333334"},
        {123456.789f, "123456.79"},
        {1e-5f, "0.00001"},
        {16777217.0f, "16777216.0"},  // the float is 2^24
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsNumber(c.value), c.text) << c.text;
        Settings s;
        s.xsize = s.ysize = s.focal = s.dmax = c.value;
        std::istringstream file(SettingsFileText(s));
        Settings back;
        for (std::string line; std::getline(file, line);) {
            ApplySettingsLine(TrimSettingsLine(line.data()), &back);
        }
        EXPECT_EQ(back.xsize, c.value) << c.text;
        EXPECT_EQ(back.ysize, c.value) << c.text;
        EXPECT_EQ(back.focal, c.value) << c.text;
        EXPECT_EQ(back.dmax, c.value) << c.text;
    }
    Settings s;
    s.xsize = 6.17f;
    s.ysize = 4.63f;
    EXPECT_NE(SettingsFileText(s).find("\nXSIZE = 6.17\t# x\nYSIZE = 4.63\t# y\n"),
              std::string::npos);
}

}  // namespace
