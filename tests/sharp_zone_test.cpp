#include "core/sharp_zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/details_text.h"
#include "core/sensor_presets.h"
#include "golden.h"

namespace {

constexpr float kFactoryPixel = 22.5f / 3504;

struct Case {
    float focal;
    float aperture;
    double d;
};

DepthOfField Depth(const Case& c, float pixel = kFactoryPixel) {
    return ComputeDepthOfField(pixel, c.focal, 3504, 2336, c.aperture, c.d);
}

SharpZone Zone(const Case& c, float pixel = kFactoryPixel) {
    return ComputeSharpZone(pixel, c.focal, c.aperture, c.d, Depth(c, pixel));
}

TEST(SharpZone, FactoryCameraAtTenMetres) {
    const SharpZone z = Zone({24.0f, 3.5f, 10.0});
    EXPECT_DIGITS(z.nearLimit, "7.19");
    EXPECT_DIGITS(z.farLimit, "16.40");
    EXPECT_DIGITS(z.hyperfocalNear, "12.81");
    EXPECT_TRUE(z.imaged);
    EXPECT_DIGITS(z.reproduction, "415.7");
    EXPECT_DIGITS(z.airyMicrons, "4.70");
    EXPECT_DIGITS(z.airyPixels, "0.73");
    EXPECT_DIGITS(z.diffractionLimit, "9.6");
    EXPECT_FALSE(z.diffractionLimited);
    EXPECT_FALSE(z.closeUp);
    EXPECT_TRUE(std::isnan(z.exactDepth));
    EXPECT_EQ(ComposeDetails(z, 10.0, 3.5f), kFactoryAtTenMetresDetails);
}

// The report's approximation against the exact thin-lens figures.
TEST(SharpZone, CloseUpAgainstExactThinLens) {
    const SharpZone macro50 = Zone({50.0f, 8.0f, 1.0});
    EXPECT_TRUE(macro50.closeUp);  // 1:19
    EXPECT_DIGITS(macro50.exactDepth, "0.0391");
    EXPECT_DIGITS(macro50.reportDepth, "0.0411");
    EXPECT_DIGITS(macro50.reportDepth / macro50.exactDepth, "1.053");

    const SharpZone macro100 = Zone({100.0f, 2.8f, 0.4});
    EXPECT_DIGITS(macro100.exactDepth * 1000, "0.43");
    EXPECT_DIGITS(macro100.reportDepth * 1000, "0.58");
    EXPECT_DIGITS(macro100.reportDepth / macro100.exactDepth, "1.333");
    const std::string details = ComposeDetails(macro100, 0.4, 2.8f);
    EXPECT_NE(details.find("Close-up at 1:3.0: the report's depths use an approximation.\n"
                           "Exact near      399.8 mm\n"
                           "Exact far       400.2 mm\n"
                           "Exact depth     0.43 mm\n"
                           "Report's depth  0.58 mm, 33.3 % larger"),
              std::string::npos)
        << details;

    // Close-ups end at 1:20.
    EXPECT_TRUE(Zone({50.0f, 8.0f, 1.04}).closeUp);   // 1:19.8
    EXPECT_FALSE(Zone({50.0f, 8.0f, 1.06}).closeUp);  // 1:20.2
}

TEST(SharpZone, InfiniteFarLimits) {
    // f/22 at 5 m: past the hyperfocal distance of 4.08 m.
    const SharpZone far = Zone({24.0f, 22.0f, 5.0});
    EXPECT_TRUE(std::isinf(far.farLimit));
    EXPECT_DIGITS(far.nearLimit, "2.2459");
    EXPECT_TRUE(far.diffractionLimited);
    const std::string details = ComposeDetails(far, 5.0, 22.0f);
    EXPECT_NE(details.find("Far limit       \xe2\x88\x9e\n"), std::string::npos) << details;
    EXPECT_NE(details.find("At f/22.0 diffraction blurs more than a pixel: the one-pixel depth "
                           "of\nfield cannot be reached at this aperture."),
              std::string::npos)
        << details;

    // A 10 mm pixel at f/50: the exact far limit is infinite from 10.2 mm on,
    // well inside the close-up range; no percentage can be given.
    const SharpZone coarse = Zone({10.0f, 50.0f, 0.1}, 10.0f);
    EXPECT_TRUE(coarse.closeUp);
    EXPECT_TRUE(std::isinf(coarse.exactFar));
    EXPECT_TRUE(std::isinf(coarse.exactDepth));
    const std::string text = ComposeDetails(coarse, 0.1, 50.0f);
    EXPECT_NE(text.find("Exact depth     \xe2\x88\x9e\nReport's depth  \xe2\x88\x9e"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find('%'), std::string::npos) << text;
}

// At or inside the focal length there is no image and no magnification.
TEST(SharpZone, SubjectInsideTheFocalLength) {
    for (double d : {0.0, 0.024, -1.0}) {
        const SharpZone z = Zone({24.0f, 3.5f, d});
        EXPECT_FALSE(z.imaged) << d;
        EXPECT_FALSE(z.closeUp) << d;
        EXPECT_NE(ComposeDetails(z, d, 3.5f).find("Magnification   \xe2\x80\x93 (the subject"),
                  std::string::npos);
    }
}

TEST(FormatLength, MetresMillimetresAndInfinity) {
    EXPECT_EQ(FormatLength(16.398), "16.40 m");
    EXPECT_EQ(FormatLength(1.0), "1.00 m");
    EXPECT_EQ(FormatLength(0.0390559), "39.1 mm");
    EXPECT_EQ(FormatLength(0.00043150), "0.43 mm");
    EXPECT_EQ(FormatLength(0.0), "0.00 mm");
    EXPECT_EQ(FormatLength(-0.002), "-2.00 mm");
    EXPECT_EQ(FormatLength(HUGE_VAL), "\xe2\x88\x9e");
    EXPECT_EQ(FormatLength(-HUGE_VAL), "-\xe2\x88\x9e");
    EXPECT_EQ(FormatLength(std::nan("")), "\xe2\x80\x93");
}

TEST(PlainText, FactoryCameraAtTenMetres) {
    Settings s;
    const Case c{24.0f, 3.5f, 10.0};
    const DepthOfField depth = Depth(c);
    const SharpZone zone = ComputeSharpZone(kFactoryPixel, 24.0f, 3.5f, 10.0, depth);
    EXPECT_EQ(ComposePlainText(s, ComposeReport(depth, 10.0), zone), kFactoryAtTenMetresText);
}

// Choosing any preset leaves the "rectangular pixels" remark grey, while the
// menu keeps the makers' size: the height entered is width x Yresol / Xresol
// to 0.01 mm (worked by hand: 23.5 x 4000 / 6000 = 15.667, 22.3 x 4000 / 6000
// = 14.867, 17.3 x 3888 / 5184 = 12.975).
TEST(SensorPresets, SquarePixelsWithinTheRemarksToleranceUnderTheMakersSize) {
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    ASSERT_EQ(count, 8u);
    EXPECT_STREQ(presets[0].name, "Factory camera");
    EXPECT_EQ(presets[0].xsize, kFactorySettings.xsize);
    EXPECT_EQ(presets[0].ysize, kFactorySettings.ysize);
    EXPECT_EQ(presets[0].xresol, kFactorySettings.xresol);
    EXPECT_EQ(presets[0].yresol, kFactorySettings.yresol);
    const std::map<std::string, std::pair<const char*, float>> rounded = {
        {"APS-C", {"23.5 \u00d7 15.6", 15.67f}},
        {"APS-C (1.6\u00d7)", {"22.3 \u00d7 14.9", 14.87f}},
        {"Micro Four Thirds", {"17.3 \u00d7 13", 12.98f}},
    };
    std::set<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        EXPECT_TRUE(names.insert(p.name).second) << p.name;
        Settings s;
        s.xsize = p.xsize;
        s.ysize = p.ysize;
        s.xresol = p.xresol;
        s.yresol = p.yresol;
        const Geometry g = ComputeGeometry(s);
        EXPECT_FALSE(g.rectangular) << p.name;
        EXPECT_LE(std::fabs(g.pixelRatio - g.ratio), 0.001f) << p.name;
        float width = 0, height = 0;
        ASSERT_EQ(std::sscanf(p.published, "%f \u00d7 %f", &width, &height), 2) << p.name;
        EXPECT_EQ(width, p.xsize) << p.name;
        if (const auto it = rounded.find(p.name); it != rounded.end()) {
            EXPECT_STREQ(p.published, it->second.first);
            EXPECT_EQ(p.ysize, it->second.second) << p.name;
        } else {
            EXPECT_EQ(height, p.ysize) << p.name;
        }
    }
}

}  // namespace
