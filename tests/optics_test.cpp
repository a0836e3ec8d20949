// SPDX-License-Identifier: MIT
#include "core/optics/optics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/optics/full_frame.h"
#include "golden.h"

namespace {

Settings Sensor(float x, float y, int xr, int yr) {
    Settings s;
    s.xsize = x;
    s.ysize = y;
    s.xresol = xr;
    s.yresol = yr;
    return s;
}

DepthOfField FactoryAt(double d, float aperture = 3.5f) {
    const Geometry g = ComputeGeometry(kFactorySettings);
    return ComputeDepthOfField(g.pixelsize, 24.0f, 3504, 2336, aperture, d);
}

TEST(Geometry, FactorySettings) {
    const Geometry g = ComputeGeometry(kFactorySettings);
    EXPECT_EQ(g.ratio, 1.5f);
    EXPECT_EQ(g.pixelRatio, 1.5f);
    EXPECT_FALSE(g.notThreeTwo);
    EXPECT_FALSE(g.rectangular);
    EXPECT_DIGITS(g.diagonal, "27.041636");
    EXPECT_DIGITS(g.angle, "58.790985");
    EXPECT_DIGITS(g.vertical, "34.708050");
    EXPECT_DIGITS(g.horizontal, "50.229671");
    EXPECT_EQ(g.dmin, 0.096f);
    EXPECT_DIGITS(g.pixelsize, "0.0064212331");
    EXPECT_DIGITS(1000.0 * g.pixelsize, "6.4212331");
    EXPECT_EQ(g.x1, static_cast<double>(0.096f));
    EXPECT_DIGITS(g.y1, "0.0192637");
    EXPECT_EQ(g.x2, 10.0);
    EXPECT_DIGITS(g.y2, "2.6690925");
}

TEST(Geometry, FourThirdsSensorIsFlaggedButItsPixelsAreSquare) {
    const Geometry g = ComputeGeometry(Sensor(18, 13.5f, 4000, 3000));
    EXPECT_TRUE(g.notThreeTwo);
    EXPECT_FALSE(g.rectangular);
    EXPECT_DIGITS(g.ratio, "1.33");
    EXPECT_DIGITS(g.diagonal, "22.5");
    EXPECT_DIGITS(g.angle, "50.229671");
    EXPECT_DIGITS(g.vertical, "31.417276");
    EXPECT_DIGITS(g.horizontal, "41.112091");
    EXPECT_DIGITS(1000.0 * g.pixelsize, "4.4999998");
}

TEST(Geometry, RectangularPixels) {
    const Geometry g = ComputeGeometry(Sensor(22.5f, 15, 3504, 2000));
    EXPECT_DIGITS(g.pixelRatio, "1.752");
    EXPECT_TRUE(g.rectangular);
    EXPECT_FALSE(g.notThreeTwo);
}

TEST(Geometry, AspectToleranceIsOneThousandth) {
    const Geometry inside = ComputeGeometry(Sensor(22.51f, 15, 3504, 2336));
    EXPECT_DIGITS(inside.ratio, "1.5006667");
    EXPECT_FALSE(inside.notThreeTwo);
    const Geometry outside = ComputeGeometry(Sensor(22.53f, 15, 3504, 2336));
    EXPECT_DIGITS(outside.ratio, "1.502");
    EXPECT_TRUE(outside.notThreeTwo);
}

TEST(Geometry, LongLensDrawsTheLineBackwards) {
    Settings s;
    s.focal = 2000;
    s.dmax = 1;
    const Geometry g = ComputeGeometry(s);
    EXPECT_EQ(g.dmin, 8.0f);
    EXPECT_EQ(g.x1, 8.0);
    EXPECT_DIGITS(g.y1, "0.0192637");
    EXPECT_EQ(g.x2, 1.0);
    EXPECT_DIGITS(g.y2, "-0.0032106");
}

TEST(Geometry, AngleOfViewAtTwoHundredMillimetres) {
    Settings s;
    s.focal = 200;
    const Geometry g = ComputeGeometry(s);
    EXPECT_DIGITS(g.horizontal, "6.4");
    EXPECT_DIGITS(g.vertical, "4.3");
    EXPECT_DIGITS(g.angle, "7.7");
}

TEST(Geometry, NotANumberSetsBothFlags) {
    const Geometry g = ComputeGeometry(Sensor(0, 0, 0, 0));  // 0/0 everywhere
    EXPECT_TRUE(std::isnan(g.ratio));
    EXPECT_TRUE(g.notThreeTwo);
    EXPECT_TRUE(g.rectangular);
}

// Diagonals 43.27 / 28.21 mm: 35 mm f/1.8 on 23.5 × 15.6 mm is 53.7 mm f/2.76
// on full frame, and its one-pixel circle 23.5 / 6000 mm grows to 0.0060 mm.
TEST(Geometry, FullFrameEquivalents) {
    EXPECT_NEAR(CropFactor(23.5, 15.6), 1.53392, 5e-6);
    EXPECT_DOUBLE_EQ(CropFactor(36, 24), 1.0);
    Settings s = Sensor(23.5f, 15.6f, 6000, 4000);
    s.focal = 35;
    s.aperture = 1.8f;
    EXPECT_EQ(FullFrameText(s, 23.5 / 6000),
              "Full-frame look 53.7 mm f/2.76, CoC 0.0060 mm (crop factor 1.53)");
}

TEST(DepthOfField, WorkedExampleAtTwoMetres) {
    const DepthOfField r = FactoryAt(2.0);
    EXPECT_DIGITS(r.scale, "0.5286815");
    EXPECT_DIGITS(r.dh, "25.629257");
    EXPECT_DIGITS(r.front, "0.14477408");
    EXPECT_DIGITS(r.rear, "0.16928168");
    EXPECT_DIGITS(r.dof, "0.31405574");
    EXPECT_DIGITS(r.width, "1.8525001");
    EXPECT_DIGITS(r.height, "1.2350000");
    EXPECT_GT(r.height, 1.235);  // so it prints as 1.24
    EXPECT_DIGITS(r.area, "2.2878376");
}

TEST(DepthOfField, WorkedExampleReportByteForByte) {
    EXPECT_EQ(ComposeReport(FactoryAt(2.0), 2.0), kWorkedExampleReport);
}

TEST(DepthOfField, FiveMetres) {
    const DepthOfField r = FactoryAt(5.0);
    EXPECT_DIGITS(r.scale, "1.3313357");
    EXPECT_DIGITS(r.front, "0.81621307");
    EXPECT_DIGITS(r.rear, "1.2118711");
    EXPECT_DIGITS(r.dof, "2.0280843");
    EXPECT_DIGITS(r.width, "4.6650001");
    EXPECT_DIGITS(r.height, "3.1100001");
    EXPECT_DIGITS(r.area, "14.508151");
}

TEST(DepthOfField, FEightAtOneMetre) {
    const DepthOfField r = FactoryAt(1.0, 8);
    EXPECT_DIGITS(r.dh, "11.2128");
    EXPECT_DIGITS(r.front, "0.081881307");
    EXPECT_DIGITS(r.rear, "0.097916342");
    EXPECT_DIGITS(r.dof, "0.17979765");
}

TEST(DepthOfField, BeyondHyperfocalTheRearIsInfinite) {
    const DepthOfField r = FactoryAt(5.0, 22);
    EXPECT_DIGITS(r.dh, "4.0773816");
    EXPECT_TRUE(std::isinf(r.rear) && r.rear > 0);
    EXPECT_TRUE(std::isinf(r.dof) && r.dof > 0);
    EXPECT_DIGITS(r.front, "2.7540982");
    EXPECT_DIGITS(r.scale, "1.3313357");
    const std::string report = ComposeReport(r, 5.0);
    EXPECT_NE(report.find("Rear dof        inf m\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Depth Of Field  inf m"), std::string::npos) << report;
}

TEST(DepthOfField, AtExactlyTheHyperfocalDistanceTheRearIsInfinite) {
    const float dh = FactoryAt(2.0).dh;
    const DepthOfField r = FactoryAt(dh);
    EXPECT_TRUE(std::isinf(r.rear));
    EXPECT_TRUE(std::isinf(r.dof));
}

// dh is rounded to float while the rear denominator is not: just below a dh
// that was rounded up, the denominator is already negative. Infinity there,
// never a negative depth.
TEST(DepthOfField, SliverBelowRoundedHyperfocalIsInfinite) {
    const float pixelsize = ComputeGeometry(kFactorySettings).pixelsize;
    const double f = 0.024, c = pixelsize / 1000.0;
    bool found = false;
    for (float n = 1.0f; n <= 50.0f && !found; n += 0.1f) {
        const double pole = f * f / (c * n);
        const float dh = static_cast<float>((f * f / c) / n);
        if (static_cast<double>(dh) > pole) {
            const double d = std::nextafter(static_cast<double>(dh), 0.0);
            ASSERT_LT(d, dh);
            const DepthOfField r = ComputeDepthOfField(pixelsize, 24, 3504, 2336, n, d);
            EXPECT_TRUE(std::isinf(r.rear) && r.rear > 0) << "N " << n << " rear " << r.rear;
            EXPECT_TRUE(std::isinf(r.dof) && r.dof > 0);
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST(DepthOfField, SubjectAtTheLens) {
    const DepthOfField r = FactoryAt(0.0);
    const float pixelsize = ComputeGeometry(kFactorySettings).pixelsize;
    EXPECT_DOUBLE_EQ(r.scale, -static_cast<double>(pixelsize));
    EXPECT_LT(r.width, 0);
    EXPECT_LT(r.height, 0);
    EXPECT_GT(r.area, 0);
    EXPECT_EQ(r.front, 0.0f);
    EXPECT_EQ(r.rear, 0.0f);
    EXPECT_EQ(r.dof, 0.0f);
}

TEST(DepthOfField, ApertureChangesOnlyTheDepths) {
    const std::string wide = ComposeReport(FactoryAt(2.0, 3.5), 2.0);
    const std::string narrow = ComposeReport(FactoryAt(2.0, 11), 2.0);
    auto lines = [](const std::string& text, int from, int to) {
        size_t start = 0;
        for (int i = 1; i < from; ++i)
            start = text.find('\n', start) + 1;
        size_t end = start;
        for (int i = from; i <= to; ++i)
            end = text.find('\n', end) + 1;
        return text.substr(start, end - start);
    };
    EXPECT_EQ(lines(wide, 2, 4), lines(narrow, 2, 4));
    EXPECT_NE(lines(wide, 1, 1), lines(narrow, 1, 1));
}

TEST(DepthOfField, HugeValuesShowWhole) {
    const DepthOfField r = ComputeDepthOfField(1e30f, 10, 2147483647, 2147483647, 1, 1e30);
    const std::string report = ComposeReport(r, 1e30);
    EXPECT_GT(report.size(), 256u);  // longer than any fixed buffer would hold
    EXPECT_EQ(report.substr(report.rfind('\n') + 1, 16), "Depth Of Field  ");
}

}  // namespace
