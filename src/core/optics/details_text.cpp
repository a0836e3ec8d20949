// SPDX-License-Identifier: MIT
#include "core/optics/details_text.h"

#include <cmath>

#include "core/optics/f_stops.h"
#include "core/optics/sharp_zone.h"
#include "core/text/text_format.h"

namespace {

// The figures the texts share, worked out once for the subject at d.
struct Figures {
    Lens lens;
    SharpZone zone;
    std::string cocLabel;
};

Figures FiguresAt(const Settings& s, const CocChoice& coc, double d) {
    return {LensInUse(coc, s), SharpZoneAt(s, coc, d), CocLabel(coc, s)};
}

std::string Limits(const SharpZone& z, Units units) {
    return "Near limit      " + FormatDistance(z.nearLimit, units) + "\nFar limit       " +
           FormatDistance(z.farLimit, units);
}

std::string Magnification(const SharpZone& z, double pupil) {
    if (!z.imaged) {
        return "Magnification   \u2013 (the subject is not beyond the focal length)";
    }
    std::string text = "Magnification   " + MagnificationText(z.magnification);
    if (z.closeUp) {
        text += TextFormat(", effective aperture f/%.2f", z.effectiveAperture);
    }
    if (pupil != 1) {
        text += TextFormat(", pupil magnification %.2f", pupil);
    }
    return text;
}

// Only where diffraction holds more than geometry promises: there the wave
// figure is the one to plan by.
std::string WaveOptics(const SharpZone& z, Units units) {
    if (!(z.waveDepth > z.depth)) {
        return "";
    }
    return "\nWave optics     " + FormatDepth(z.waveDepth, units) +
           " deep, more than the geometric " + FormatDepth(z.depth, units) +
           ": diffraction governs";
}

// The disc grows with the f-number: it passes the circle from the limit on,
// and two pixels, where softening shows at 100 %, from the f-number that
// scales the limit by two pixels over the circle.
std::string Diffraction(const SharpZone& z, double cocMetres, const Settings& s) {
    const double twoPixels = 2 * PixelPitch(s) / 1000;
    std::string text = TextFormat(
        "Airy disc       %.2f \u00b5m (\u03bb 550 nm), %.2f \u00d7 the CoC\n"
        "Diffraction     passes the CoC from f/%.1f, two pixels from f/%.1f",
        z.airy * 1e6, z.airy / cocMetres, z.diffractionLimit,
        z.diffractionLimit * twoPixels / cocMetres);
    if (!z.diffractionLimited) {
        return text;
    }
    // Advice, not a verdict: the limits above are the thin lens's, and the
    // marked stop at or below the limit is the smallest that keeps them.
    text += TextFormat(
        "\nAdvice          at f/%.2f diffraction blurs past the CoC:\n"
        "                ",
        static_cast<double>(s.aperture));
    const double widest = ThirdStopAtOrBelow(z.diffractionLimit);
    if (widest > 0) {
        text += TextFormat("f/%.1f or wider keeps the limits above.", widest);
    } else {
        text += "no marked stop keeps the limits above; a larger CoC would.";
    }
    return text;
}

// The report takes an approximation that overstates the depth by about the
// magnification; its excess is against the exact depth with the same circle.
std::string ReportApproximation(const SharpZone& z, Units units) {
    std::string text =
        "\nReport's depth  " + FormatDepth(z.reportDepth, units) + " (approximation)";
    if (std::isfinite(z.depth) && std::isfinite(z.reportDepth) && z.depth > 0) {
        text += TextFormat(": %.1f %% more than exact", (z.reportDepth / z.depth - 1) * 100);
    }
    return text;
}

}  // namespace

SharpZone SharpZoneAt(const Settings& s, const CocChoice& coc, double d) {
    const DepthOfField report = ComputeDepthOfField(PixelPitch(s), s.focal, s.xresol, s.yresol,
                                                    s.aperture, d, ReportCircle(coc, s));
    return ComputeSharpZone(LensInUse(coc, s), s.pupil, d, report);
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
    text += Magnification(z, s.pupil) + "\n";
    text += Diffraction(z, figures.lens.circle, s);
    if (z.closeUp) {
        text += ReportApproximation(z, units);
    }
    return text + WaveOptics(z, units);
}

std::string ComposePanelReport(const DepthOfField& r, double d, const Settings& s,
                               const CocChoice& coc, Units units) {
    std::string report = ComposeReport(r, d, units);
    if (!IsOnePixel(coc)) {
        report += "\n" + CocLabel(coc, s);
    }
    return report;
}

std::string ComposeCameraLine(const Settings& s) {
    return TextFormat("Sensor %.2f x %.2f mm, %d x %d pixels; focal length %.2f mm; f/%.2f",
                      static_cast<double>(s.xsize), static_cast<double>(s.ysize), s.xresol,
                      s.yresol, static_cast<double>(s.focal), static_cast<double>(s.aperture));
}

std::string ComposePlainText(const Settings& s, const CocChoice& coc, Units units,
                             const std::string& report, double d) {
    const Figures figures = FiguresAt(s, coc, d);
    // Any circle but one pixel the report names itself, on its last line.
    const std::string circle = IsOnePixel(coc) ? figures.cocLabel + "\n" : std::string();
    return ComposeCameraLine(s) + "\n" + report + "\n" + circle + Limits(figures.zone, units) +
           "\n";
}
