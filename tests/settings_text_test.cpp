#include "core/settings_text.h"

#include <gtest/gtest.h>

#include <climits>
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

TEST(SettingsFile, OneDecimalIsWhatComesBack) {
    Settings s;
    s.xsize = 36.04f;
    const std::string text = SettingsFileText(s);
    EXPECT_NE(text.find("XSIZE = 36.0\t# x\n"), std::string::npos);
}

}  // namespace
