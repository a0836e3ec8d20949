// SPDX-License-Identifier: MIT
#include "core/optics/sharp_zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "core/optics/circle_of_confusion.h"
#include "core/optics/details_text.h"
#include "core/settings/sensor_presets.h"
#include "golden.h"

namespace {

const CocChoice kOnePixel;

Settings Camera(float focal, float aperture) {
    Settings s;
    s.focal = focal;
    s.aperture = aperture;
    return s;
}

SharpZone Zone(const Settings& s, double d, double coc = 22.5 / 3504 / 1000) {
    const DepthOfField report =
        ComputeDepthOfField(PixelPitch(s), s.focal, s.xresol, s.yresol, s.aperture, d);
    return ComputeSharpZone({Metres(s.focal), s.aperture, coc}, s.pupil, d, report);
}

// By hand, with c = 22.5/3504 mm: H′ = 0.024²/(3.5c) = 25.6293 m, H = H′ + f,
// near = H′s/(H′ + s − f), far = H′s/(H′ − s + f); m = 0.024/9.976;
// the Airy disc 2.44 × 0.55 µm × 3.5 = 4.697 µm, 0.7315 of the circle.
TEST(SharpZone, FactoryCameraAtTenMetres) {
    const SharpZone z = Zone(kFactorySettings, 10.0);
    EXPECT_DIGITS(z.nearLimit, "7.1982");
    EXPECT_DIGITS(z.farLimit, "16.3731");
    EXPECT_DIGITS(z.hyperfocal, "25.6533");
    EXPECT_DIGITS(z.hyperfocalNear, "12.8266");
    EXPECT_DIGITS(1 / z.magnification, "415.67");
    EXPECT_DIGITS(z.airy * 1e6, "4.697");
    EXPECT_DIGITS(z.diffractionLimit, "4.785");
    EXPECT_FALSE(z.diffractionLimited);
    EXPECT_FALSE(z.closeUp);
    EXPECT_EQ(ComposeDetails(kFactorySettings, kOnePixel, Units::Metric, 10.0),
              kFactoryAtTenMetresDetails);
}

// For d/1500 (0.018028 mm): H = 9.1528 m, near 4.7783 m, far ∞, and focused
// at H, sharp from H/2; the disc passes that circle from 0.018028/(2.44 ×
// 0.00055) = f/13.43.
TEST(SharpZone, ChosenCircleBesideEveryFigure) {
    CocChoice coc;
    ASSERT_TRUE(ParseCoc("d/1500", &coc));
    const std::string text = ComposeDetails(kFactorySettings, coc, Units::Metric, 10.0);
    EXPECT_EQ(text,
              "Subject at 10.00 m, f/3.50\n"
              "CoC 0.0180 mm = d/1500\n"
              "Near limit      4.78 m\n"
              "Far limit       \u221e\n"
              "Depth of field  \u221e\n"
              "If focused at the hyperfocal distance (9.15 m): sharp from 4.58 m to \u221e\n"
              "Magnification   1:415.7\n"
              "Airy disc       4.70 \u00b5m (\u03bb 550 nm), 0.26 \u00d7 the CoC\n"
              "Diffraction     passes the CoC from f/13.4, two pixels from f/9.6");
}

// At f/8 the disc (10.736 µm) is 1.672 pixels: the one-pixel zone is out of
// reach; the limit is c/(2.44λ) = f/4.785, so f/4.5 is the marked stop. A
// 24 MP APS-C pixel, 23.5/6000 mm = 3.9167 µm, is passed from f/2.919 and
// two of them from f/5.837.
TEST(SharpZone, DiffractionNamesTheFNumbersAndTheStopThatReachesTheZone) {
    const std::string text = ComposeDetails(Camera(24, 8), kOnePixel, Units::Metric, 10.0);
    EXPECT_NE(text.find("Airy disc       10.74 \u00b5m (\u03bb 550 nm), 1.67 \u00d7 the CoC\n"
                        "Diffraction     passes the CoC from f/4.8, two pixels from f/9.6\n"
                        "Advice          at f/8.00 diffraction blurs past the CoC:\n"
                        "                f/4.5 or wider keeps the limits above."),
              std::string::npos)
        << text;
    Settings apsC = Camera(24, 5.6f);
    apsC.xsize = 23.5f;
    apsC.ysize = 15.6f;
    apsC.xresol = 6000;
    apsC.yresol = 4000;
    EXPECT_NE(ComposeDetails(apsC, kOnePixel, Units::Metric, 10.0)
                  .find("passes the CoC from f/2.9, two pixels from f/5.8\nAdvice          at "
                        "f/5.60 diffraction blurs past the CoC:\n                f/2.8 or wider"),
              std::string::npos);
    // Past f/1 nothing reaches a circle smaller than 1.342 µm.
    CocChoice tiny{CocKind::Millimetres, 0.001, 0};
    EXPECT_NE(ComposeDetails(Camera(24, 2), tiny, Units::Metric, 10.0)
                  .find("no marked stop keeps the limits above; a larger CoC would."),
              std::string::npos);
}

// 100 mm at 0.4 m is 1:3: the effective f-number is N(1 + 1/3), so at f/2.8
// the disc is 2.44 × 0.55 × 3.7333 = 5.010 µm; at f/8 it is 14.315 µm and the
// limit c/(2.44λ × 4/3) = f/3.589, two pixels f/7.177; H = 556.29 m reads
// 556.3 m. The report's depth (0.5753 mm, 1.6438 mm)
// is 33.3 % more than the exact one-pixel depth (0.4315 mm, 1.2329 mm).
TEST(SharpZone, CloseUpUsesTheEffectiveApertureAndNamesTheReportsExcess) {
    const SharpZone z = Zone(Camera(100, 2.8f), 0.4);
    EXPECT_TRUE(z.closeUp);
    EXPECT_DIGITS(z.effectiveAperture, "3.7333");
    EXPECT_DIGITS(z.airy * 1e6, "5.0101");
    EXPECT_DIGITS(z.depth * 1000, "0.43151");
    EXPECT_DIGITS(z.reportDepth * 1000, "0.57534");
    EXPECT_EQ(ComposeDetails(Camera(100, 2.8f), kOnePixel, Units::Metric, 0.4),
              "Subject at 400.0 mm, f/2.80\n"
              "CoC 0.0064 mm = 1 px\n"
              "Near limit      399.8 mm\n"
              "Far limit       400.2 mm\n"
              "Depth of field  0.4 mm\n"
              "If focused at the hyperfocal distance (556.3 m): sharp from 278.1 m to \u221e\n"
              "Magnification   1:3.0, effective aperture f/3.73\n"
              "Airy disc       5.01 \u00b5m (\u03bb 550 nm), 0.78 \u00d7 the CoC\n"
              "Diffraction     passes the CoC from f/3.6, two pixels from f/7.2\n"
              "Report's depth  0.6 mm (approximation): 33.3 % more than exact");

    const std::string f8 = ComposeDetails(Camera(100, 8), kOnePixel, Units::Metric, 0.4);
    EXPECT_NE(f8.find("Depth of field  1.2 mm\n"), std::string::npos) << f8;
    EXPECT_NE(f8.find("14.31 \u00b5m"), std::string::npos) << f8;
    EXPECT_NE(f8.find("f/3.5 or wider keeps the limits above.\nReport's depth  1.6 mm "
                      "(approximation): 33.3 % more than exact"),
              std::string::npos)
        << f8;

    // Close-ups start at 1:20; the report's figure appears only then.
    EXPECT_TRUE(Zone(Camera(50, 8), 1.04).closeUp);   // 1:19.8
    EXPECT_FALSE(Zone(Camera(50, 8), 1.06).closeUp);  // 1:20.2
    EXPECT_EQ(ComposeDetails(Camera(50, 8), kOnePixel, Units::Metric, 1.06).find("Report's"),
              std::string::npos);
}

TEST(SharpZone, InfiniteFarLimits) {
    // f/22 at 5 m: past H = 4.0774 + 0.024 m; near = 4.0774 × 5/9.0534.
    const SharpZone far = Zone(Camera(24, 22), 5.0);
    EXPECT_TRUE(std::isinf(far.farLimit));
    EXPECT_TRUE(std::isinf(far.depth));
    EXPECT_DIGITS(far.nearLimit, "2.2519");

    // A 10 mm pixel at f/50 up close: every depth is infinite and no
    // percentage can be given.
    Settings coarse = Camera(10, 50);
    coarse.xsize = 35040;
    const std::string text = ComposeDetails(coarse, kOnePixel, Units::Metric, 0.1);
    EXPECT_NE(text.find("Far limit       \u221e\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Report's depth  \u221e (approximation)"), std::string::npos) << text;
    EXPECT_EQ(text.find('%'), std::string::npos) << text;
}

// At or inside the focal length there is no image, no magnification and no
// limits.
TEST(SharpZone, SubjectInsideTheFocalLength) {
    for (double d : {0.0, 0.024, -1.0}) {
        const SharpZone z = Zone(kFactorySettings, d);
        EXPECT_FALSE(z.imaged) << d;
        EXPECT_FALSE(z.closeUp) << d;
        const std::string text = ComposeDetails(kFactorySettings, kOnePixel, Units::Metric, d);
        EXPECT_NE(text.find("Near limit      \u2013\nFar limit       \u2013\n"), std::string::npos)
            << text;
        EXPECT_NE(text.find("Magnification   \u2013 (the subject"), std::string::npos) << text;
    }
}

// Above life size the larger figure comes first: 250 mm at 0.26 m is 25:1.
TEST(SharpZone, MagnificationBothSidesOfLifeSize) {
    EXPECT_EQ(MagnificationText(0.25 / 0.01), "25.0:1");
    EXPECT_EQ(MagnificationText(1), "1:1.0");
    EXPECT_EQ(MagnificationText(0.024 / 9.976), "1:415.7");
    EXPECT_NE(ComposeDetails(Camera(250, 8), kOnePixel, Units::Metric, 0.26).find("25.0:1"),
              std::string::npos);
}

TEST(PlainText, FactoryCameraAtTenMetres) {
    const DepthOfField depth =
        ComputeDepthOfField(PixelPitch(kFactorySettings), 24, 3504, 2336, 3.5f, 10.0);
    EXPECT_EQ(ComposePlainText(kFactorySettings, kOnePixel, Units::Metric,
                               ComposeReport(depth, 10.0), 10.0),
              kFactoryAtTenMetresText);
}

// Each preset sets exactly the size and pixels its menu label shows, and
// leaves the "rectangular pixels" remark grey: the heights are width x Yresol
// / Xresol to 0.01 mm (by hand: 23.5 x 4000 / 6000 = 15.667, 22.3 x 4000 /
// 6000 = 14.867, 17.3 x 3888 / 5184 = 12.975).
TEST(SensorPresets, EachSetsWhatItsLabelShowsWithSquarePixels) {
    const char* const labels[] = {
        "Factory camera: 22.5 \u00d7 15 mm, 3504 \u00d7 2336 pixels",
        "Full frame: 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels",
        "APS-C: 23.5 \u00d7 15.67 mm, 6000 \u00d7 4000 pixels",
        "APS-C (1.6\u00d7): 22.3 \u00d7 14.87 mm, 6000 \u00d7 4000 pixels",
        "Micro Four Thirds: 17.3 \u00d7 12.98 mm, 5184 \u00d7 3888 pixels",
        "1-inch: 13.2 \u00d7 8.8 mm, 5472 \u00d7 3648 pixels",
        "1/2.3-inch: 6.17 \u00d7 4.63 mm, 4608 \u00d7 3456 pixels",
        "Medium format: 44 \u00d7 33 mm, 8256 \u00d7 6192 pixels",
    };
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    ASSERT_EQ(count, std::size(labels));
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        EXPECT_EQ(p.name + (": " + SensorText(p.xsize, p.ysize, p.xresol, p.yresol)), labels[i]);
        Settings s;
        const std::string label = labels[i];
        ASSERT_EQ(std::sscanf(label.c_str() + label.find(": ") + 2,
                              "%f \u00d7 %f mm, %d \u00d7 %d pixels", &s.xsize, &s.ysize, &s.xresol,
                              &s.yresol),
                  4)
            << label;
        EXPECT_EQ(s.xsize, p.xsize) << label;
        EXPECT_EQ(s.ysize, p.ysize) << label;
        EXPECT_EQ(s.xresol, p.xresol) << label;
        EXPECT_EQ(s.yresol, p.yresol) << label;
        EXPECT_FALSE(ComputeGeometry(s).rectangular) << label;
    }
    EXPECT_EQ(presets[0].xsize, kFactorySettings.xsize);
    EXPECT_EQ(presets[0].ysize, kFactorySettings.ysize);
}

}  // namespace
