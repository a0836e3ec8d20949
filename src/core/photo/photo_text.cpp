// SPDX-License-Identifier: MIT
#include "core/photo/photo_text.h"

#include <vector>

#include "core/photo/photo_fields.h"

#include "core/text/text_format.h"

std::string Times(const std::string& a, const std::string& b, const char* unit) {
    return a + "\u00a0\u00d7\u00a0" + b + "\u00a0" + unit;
}

bool PhotoLensDistance(const PhotoCamera& c, double* lensDistance) {
    return c.distance == DistanceKind::Finite && c.hasFocal &&
           LensDistanceFromSensor(c.sensorDistance, Metres(c.focal), lensDistance);
}

std::string SensorSourceText(const PhotoCamera& c) {
    switch (c.sensorSource) {
        case SensorSource::Database:
            return TextFormat("the camera database (crop %.3f)", c.crop);
        case SensorSource::Film35:
            return TextFormat("the 35 mm equivalent focal length (crop %.3f)", c.crop);
        case SensorSource::FocalPlane:
            return "the focal-plane resolution";
        case SensorSource::None:
            break;
    }
    return "";
}

std::string PhotoSummaryLine(const PhotoCamera& c, Units units) {
    std::vector<std::string> parts;
    if (!c.camera.empty()) {
        parts.push_back(c.camera);
    }
    if (c.sensorSource != SensorSource::None) {
        parts.push_back("sensor " +
                        Times(TextFormat("%.2f", c.xsize), TextFormat("%.2f", c.ysize), "mm") +
                        " from " + SensorSourceText(c));
    }
    if (c.hasPixels) {
        parts.push_back(Times(std::to_string(c.xresol), std::to_string(c.yresol), "px"));
    }
    if (c.hasFocal) {
        parts.push_back(TextFormat("%g mm", c.focal));
    }
    if (c.hasAperture) {
        parts.push_back(TextFormat("f/%g", c.aperture));
    }
    double s = 0;
    if (c.distance == DistanceKind::Infinite) {
        parts.push_back("subject at infinity");
    } else if (PhotoLensDistance(c, &s)) {
        const Magnitude both = SharedMagnitude({c.sensorDistance, s}, units);
        parts.push_back("subject " + FormatDistance(c.sensorDistance, units, both) +
                        " from the sensor = " + FormatDistance(s, units, both) + " from the lens");
    } else if (c.distance == DistanceKind::Finite) {
        parts.push_back("subject " + FormatDistance(c.sensorDistance, units) + " from the sensor");
    }
    std::string line;
    for (const std::string& part : parts) {
        line += (line.empty() ? "" : " \u00b7 ") + part;
    }
    return line;
}

namespace {

const char* SourceWord(SensorSource source) {
    switch (source) {
        case SensorSource::Database:
            return "database";
        case SensorSource::Film35:
            return "35mm-equivalent";
        case SensorSource::FocalPlane:
            return "focal-plane";
        case SensorSource::None:
            break;
    }
    return "";
}

// A JSON string of UTF-8 text: quotes, backslashes and control bytes escaped.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            out += TextFormat("\\u%04x", static_cast<unsigned>(ch));
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// A subject the cursor cannot go to: at infinity, or nearer than the lens focuses.
std::string UnplacedSubject(const PhotoCamera& c) {
    double s = 0;
    if (c.distance == DistanceKind::Infinite) {
        return TextFormat("subject   at infinity, from the %s\n", c.distanceSource.c_str());
    }
    if (c.distance == DistanceKind::Finite && !PhotoLensDistance(c, &s)) {
        return TextFormat("subject   %.2f m from the sensor, from the %s\n", c.sensorDistance,
                          c.distanceSource.c_str());
    }
    return "";
}

std::string NumberOrNull(bool present, const char* format, double value) {
    return present ? TextFormat(format, value) : "null";
}

}  // namespace

std::string PhotoReportText(const PhotoFields& f) {
    const PhotoCamera& t = f.taken;
    std::string text = f.refused ? "refused   " + f.kept.front() + "\n" : "";
    text += TextFormat("camera    %s\n", t.camera.empty() ? "-" : t.camera.c_str());
    if (t.sensorSource != SensorSource::None) {
        const std::string from = SensorSourceText(t);
        text += TextFormat("X size    %.2f mm, from %s\n", t.xsize, from.c_str());
        text += TextFormat("Y size    %.2f mm, from %s\n", t.ysize, from.c_str());
    }
    if (t.hasPixels) {
        text += TextFormat("Xresol    %ld\nYresol    %ld\n", t.xresol, t.yresol);
    }
    if (t.hasFocal) {
        text += TextFormat("focal     %.2f mm\n", t.focal);
    }
    if (t.hasAperture) {
        text += TextFormat("aperture  %.2f\n", t.aperture);
    }
    if (f.subject) {
        text += TextFormat("subject   %.2f m from the lens (%.2f m from the sensor, from the %s)\n",
                           f.distance, t.sensorDistance, t.distanceSource.c_str());
    } else if (!f.refused) {
        text += UnplacedSubject(t);
    }
    for (const std::string& m : t.missing) {
        text += "missing   " + m + "\n";
    }
    for (std::size_t i = f.refused ? 1 : 0; i < f.kept.size(); ++i) {
        text += "kept      " + f.kept[i] + "\n";
    }
    return text;
}

std::string PhotoJson(const PhotoFields& f) {
    const PhotoCamera& t = f.taken;
    const bool sensor = t.sensorSource != SensorSource::None;
    const auto list = [](const std::vector<std::string>& lines) {
        std::string out;
        for (const std::string& line : lines) {
            out += (out.empty() ? "" : ", ") + Quoted(line);
        }
        return out;
    };
    return TextFormat(
        "{\"camera\": %s, \"xsize_mm\": %s, \"ysize_mm\": %s, \"sensor_source\": %s, "
        "\"crop\": %s, \"xresol\": %s, \"yresol\": %s, \"focal_mm\": %s, \"aperture\": %s, "
        "\"subject_infinite\": %s, \"subject_from_sensor_m\": %s, \"subject_from_lens_m\": %s, "
        "\"subject_source\": %s, \"missing\": [%s], \"refused\": %s, \"kept\": [%s]}\n",
        t.camera.empty() ? "null" : Quoted(t.camera).c_str(),
        NumberOrNull(sensor, "%.2f", t.xsize).c_str(),
        NumberOrNull(sensor, "%.2f", t.ysize).c_str(),
        sensor ? Quoted(SourceWord(t.sensorSource)).c_str() : "null",
        NumberOrNull(sensor && t.crop > 0, "%.3f", t.crop).c_str(),
        NumberOrNull(t.hasPixels, "%.0f", static_cast<double>(t.xresol)).c_str(),
        NumberOrNull(t.hasPixels, "%.0f", static_cast<double>(t.yresol)).c_str(),
        NumberOrNull(t.hasFocal, "%.2f", t.focal).c_str(),
        NumberOrNull(t.hasAperture, "%.2f", t.aperture).c_str(),
        t.distance == DistanceKind::Infinite ? "true" : "false",
        NumberOrNull(t.distance == DistanceKind::Finite, "%.4f", t.sensorDistance).c_str(),
        NumberOrNull(f.subject, "%.4f", f.distance).c_str(),
        t.distance == DistanceKind::None ? "null" : Quoted(t.distanceSource).c_str(),
        list(t.missing).c_str(), f.refused ? "true" : "false", list(f.kept).c_str());
}
