#include "core/details_text.h"

#include <cmath>

#include "core/text_format.h"

namespace {

std::string Limits(const SharpZone& z) {
    return "Near limit      " + FormatLength(z.nearLimit) + "\nFar limit       " +
           FormatLength(z.farLimit);
}

std::string Magnification(const SharpZone& z) {
    if (!z.imaged) {
        return "Magnification   \u2013 (the subject is not beyond the focal length)";
    }
    return TextFormat("Magnification   1:%.1f", z.reproduction);
}

std::string Diffraction(const SharpZone& z, float aperture) {
    std::string text =
        TextFormat("Airy disc       %.2f \u00b5m = %.2f px (\u03bb 550 nm)\n", z.airyMicrons,
                   z.airyPixels) +
        TextFormat("                over %.0f px beyond f/%.1f", kAiryPixels, z.diffractionLimit);
    if (z.diffractionLimited) {
        text += TextFormat(
            "\nAt f/%.1f diffraction blurs more than a pixel: the one-pixel depth of\n"
            "field cannot be reached at this aperture.",
            static_cast<double>(aperture));
    }
    return text;
}

// The report's depth is larger than the exact one by about the magnification.
std::string CloseUp(const SharpZone& z) {
    std::string text = TextFormat(
        "\n\nClose-up at 1:%.1f: the report's depths use an approximation.\n", z.reproduction);
    text += "Exact near      " + FormatLength(z.exactNear) + "\n";
    text += "Exact far       " + FormatLength(z.exactFar) + "\n";
    text += "Exact depth     " + FormatLength(z.exactDepth) + "\n";
    text += "Report's depth  " + FormatLength(z.reportDepth);
    if (std::isfinite(z.exactDepth) && std::isfinite(z.reportDepth) && z.exactDepth > 0) {
        text += TextFormat(", %.1f %% larger", (z.reportDepth / z.exactDepth - 1) * 100);
    }
    return text;
}

}  // namespace

std::string ComposeDetails(const SharpZone& z, double d, float aperture) {
    std::string text = TextFormat("Subject at %s, f/%.2f\n", FormatLength(d).c_str(),
                                  static_cast<double>(aperture));
    text += Limits(z) + "\n";
    text += "Focused at the hyperfocal distance, sharp from " + FormatLength(z.hyperfocalNear) +
            " to \u221e\n";
    text += Magnification(z) + "\n";
    text += Diffraction(z, aperture);
    if (z.closeUp) {
        text += CloseUp(z);
    }
    return text;
}

std::string ComposeCameraLine(const Settings& s) {
    return TextFormat("Sensor %.2f x %.2f mm, %d x %d pixels; focal length %.2f mm; f/%.2f",
                      static_cast<double>(s.xsize), static_cast<double>(s.ysize), s.xresol,
                      s.yresol, static_cast<double>(s.focal), static_cast<double>(s.aperture));
}

std::string ComposePlainText(const Settings& settings, const std::string& report,
                             const SharpZone& zone) {
    return ComposeCameraLine(settings) + "\n" + report + "\n" + Limits(zone) + "\n";
}
