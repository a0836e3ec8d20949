// SPDX-License-Identifier: MIT
#include "core/optics/optics.h"

#include <cmath>
#include <limits>

#include "core/text/text_format.h"

namespace {

constexpr double kTolerance = 0.001;
constexpr double kDegreesPerHalfRadian = 114.59155902616465;  // 360/pi

// |a - b| > tolerance, where a NaN operand counts as a difference.
bool Differs(double a, double b) {
    return !(std::fabs(a - b) <= kTolerance);
}

// Full angle of view across a sensor length: atan gives the half angle in
// radians; 360/pi doubles it and turns it into degrees.
float AngleOfView(double length, float focal) {
    return static_cast<float>(std::atan((length / 2) / focal) * kDegreesPerHalfRadian);
}

// The same rows with lengths in feet and inches, as the details write them,
// and the field in decimal feet, as its area needs.
std::string ImperialReport(const DepthOfField& r, double d) {
    const double w = r.width / kFootMetres;
    const double h = r.height / kFootMetres;
    return "Hyperfocal dist." + FormatDistance(r.dh, Units::Imperial) + "\nObject distance " +
           FormatDistance(d, Units::Imperial) +
           TextFormat("\nScale           %.2f mm/pix\nField size WxH  %.2fx%.2f ft = %.2f ft\u00b2",
                      r.scale, w, h, w * h) +
           "\nRear dof        " + FormatDepth(r.rear, Units::Imperial) + "\nFront dof       " +
           FormatDepth(r.front, Units::Imperial) + "\nDepth Of Field  " +
           FormatDepth(r.dof, Units::Imperial);
}

}  // namespace

Geometry ComputeGeometry(const Settings& s) {
    Geometry g{};
    g.ratio = static_cast<float>(static_cast<double>(s.xsize) / s.ysize);
    g.pixelRatio = static_cast<float>(static_cast<double>(s.xresol) / s.yresol);
    g.notThreeTwo = Differs(g.ratio, 1.5);
    g.rectangular = Differs(g.pixelRatio, g.ratio);
    g.diagonal = static_cast<float>(
        std::sqrt(static_cast<double>(s.xsize) * s.xsize + static_cast<double>(s.ysize) * s.ysize));
    g.angle = AngleOfView(g.diagonal, s.focal);
    g.vertical = AngleOfView(s.ysize, s.focal);
    g.horizontal = AngleOfView(s.xsize, s.focal);
    g.dmin = static_cast<float>(4.0 * s.focal / 1000);
    g.pixelsize = PixelPitch(s);
    g.x1 = g.dmin;
    g.y1 = ScaleAt(g.pixelsize, s.focal, g.x1);
    g.x2 = s.dmax;
    g.y2 = ScaleAt(g.pixelsize, s.focal, g.x2);
    return g;
}

float PixelPitch(const Settings& s) {
    return static_cast<float>(static_cast<double>(s.xsize) / s.xresol);
}

double ScaleAt(float pixelsize, float focal, double d) {
    return pixelsize * (1000 * d / focal - 1);
}

DepthOfField ComputeDepthOfField(float pixelsize, float focal, int xresol, int yresol,
                                 float aperture, double d) {
    return ComputeDepthOfField(pixelsize, focal, xresol, yresol, aperture, d, pixelsize);
}

DepthOfField ComputeDepthOfField(float pixelsize, float focal, int xresol, int yresol,
                                 float aperture, double d, float circle) {
    const double f = Metres(focal);
    const double c = Metres(circle);
    const double n = aperture;
    DepthOfField r{};
    r.scale = ScaleAt(pixelsize, focal, d);
    r.dh = static_cast<float>(((f * f) / c) / n);
    const double blur = c * n;
    r.front = static_cast<float>(blur * (d * d) / (f * f + blur * d));
    // The far limit reaches infinity at dh. Just below the rounded dh the
    // denominator can already be zero or negative: that is infinity too.
    const double rearDenominator = f * f - blur * d;
    if (d < r.dh && rearDenominator > 0) {
        r.rear = static_cast<float>(blur * (d * d) / rearDenominator);
        r.dof = static_cast<float>(static_cast<double>(r.rear) + r.front);
    } else {
        r.rear = std::numeric_limits<float>::infinity();
        r.dof = std::numeric_limits<float>::infinity();
    }
    r.width = r.scale * xresol / 1000;
    r.height = r.scale * yresol / 1000;
    r.area = r.width * r.height;
    return r;
}

std::string ComposeReport(const DepthOfField& r, double d, Units units) {
    if (units == Units::Imperial) {
        return ImperialReport(r, d);
    }
    return TextFormat(
        "Hyperfocal dist.%.2f m\n"
        "Object distance %.2f m\n"
        "Scale           %.2f mm/pix\n"
        "Field size WxH  %.2fx%.2f m = %.2f m\u00b2\n"
        "Rear dof        %.2f m\n"
        "Front dof       %.2f m\n"
        "Depth Of Field  %.2f m",
        static_cast<double>(r.dh), d, r.scale, r.width, r.height, r.area,
        static_cast<double>(r.rear), static_cast<double>(r.front), static_cast<double>(r.dof));
}
