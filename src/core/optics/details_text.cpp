// SPDX-License-Identifier: MIT
#include "core/optics/details_text.h"

#include <cmath>

#include "core/optics/f_stops.h"
#include "core/optics/sharp_zone.h"
#include "core/text/text_format.h"

namespace {

// The figures the texts share, worked out once for the subject at d.
struct Figures {
    double coc;  // m
    SharpZone zone;
    std::string cocLabel;
};

Figures FiguresAt(const Settings& s, const CocChoice& coc, double d) {
    return {CocMillimetres(coc, s) / 1000, SharpZoneAt(s, coc, d), CocLabel(coc, s)};
}

std::string Limits(const SharpZone& z, Units units) {
    return "Near limit      " + FormatDistance(z.nearLimit, units) + "\nFar limit       " +
           FormatDistance(z.farLimit, units);
}

std::string Magnification(const SharpZone& z) {
    if (!z.imaged) {
        return "Magnification   \u2013 (the subject is not beyond the focal length)";
    }
    std::string text = "Magnification   " + MagnificationText(z.magnification);
    if (z.closeUp) {
        text += TextFormat(", effective aperture f/%.2f", z.effectiveAperture);
    }
    return text;
}

// The zone is out of reach once the disc is wider than the circle; the
// marked stop at or below the limit is the smallest aperture that reaches it.
std::string Diffraction(const SharpZone& z, double cocMetres, float aperture) {
    std::string text =
        TextFormat("Airy disc       %.2f \u00b5m (\u03bb 550 nm), %.2f \u00d7 the CoC",
                   z.airy * 1e6, z.airy / cocMetres);
    if (!z.diffractionLimited) {
        return text;
    }
    text += TextFormat(
        "\nAt f/%.2f the Airy disc is larger than the circle of confusion: this\n"
        "sharp zone cannot be reached at this aperture.",
        static_cast<double>(aperture));
    const double widest = ThirdStopAtOrBelow(z.diffractionLimit);
    if (widest > 0) {
        text += TextFormat(" It can at f/%.1f or wider.", widest);
    } else {
        text += " It cannot at any marked aperture.";
    }
    return text;
}

// The report takes one pixel and an approximation that overstates the depth
// by about the magnification; its excess is against the exact one-pixel depth.
std::string ReportApproximation(const SharpZone& z, Units units) {
    std::string text =
        "\nReport's depth  " + FormatDepth(z.reportDepth, units) + " (approximation, 1 px)";
    if (std::isfinite(z.pixelDepth) && std::isfinite(z.reportDepth) && z.pixelDepth > 0) {
        text += TextFormat(": %.1f %% more than exact", (z.reportDepth / z.pixelDepth - 1) * 100);
    }
    return text;
}

}  // namespace

SharpZone SharpZoneAt(const Settings& s, const CocChoice& coc, double d) {
    const DepthOfField report =
        ComputeDepthOfField(PixelPitch(s), s.focal, s.xresol, s.yresol, s.aperture, d);
    return ComputeSharpZone(s, CocMillimetres(coc, s) / 1000, d, report);
}

std::string MagnificationText(double magnification) {
    if (magnification > 1) {
        return TextFormat("%.1f:1", magnification);
    }
    return TextFormat("1:%.1f", 1 / magnification);
}

std::string ComposeDetails(const Settings& s, const CocChoice& coc, Units units, double d) {
    const Figures figures = FiguresAt(s, coc, d);
    const SharpZone& z = figures.zone;
    std::string text = TextFormat("Subject at %s, f/%.2f\n", FormatDistance(d, units).c_str(),
                                  static_cast<double>(s.aperture));
    text += figures.cocLabel + "\n";
    text += Limits(z, units) + "\n";
    text += "Depth of field  " + FormatDepth(z.depth, units) + "\n";
    text += "If focused at the hyperfocal distance (" + FormatDistance(z.hyperfocal, units) +
            "): sharp from " + FormatDistance(z.hyperfocalNear, units) + " to \u221e\n";
    text += Magnification(z) + "\n";
    text += Diffraction(z, figures.coc, s.aperture);
    if (z.closeUp) {
        text += ReportApproximation(z, units);
    }
    return text;
}

std::string ComposeCameraLine(const Settings& s) {
    return TextFormat("Sensor %.2f x %.2f mm, %d x %d pixels; focal length %.2f mm; f/%.2f",
                      static_cast<double>(s.xsize), static_cast<double>(s.ysize), s.xresol,
                      s.yresol, static_cast<double>(s.focal), static_cast<double>(s.aperture));
}

std::string ComposePlainText(const Settings& s, const CocChoice& coc, Units units,
                             const std::string& report, double d) {
    const Figures figures = FiguresAt(s, coc, d);
    return ComposeCameraLine(s) + "\n" + report + "\n" + figures.cocLabel + "\n" +
           Limits(figures.zone, units) + "\n";
}
