// SPDX-License-Identifier: MIT
#include "core/photo/photo_text.h"

#include <vector>

#include "core/text/text_format.h"

bool PhotoLensDistance(const PhotoCamera& c, double* lensDistance) {
    return c.distance == DistanceKind::Finite && c.hasFocal &&
           LensDistanceFromSensor(c.sensorDistance, c.focal / 1000, lensDistance);
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

std::string PhotoSummaryLine(const PhotoCamera& c) {
    std::vector<std::string> parts;
    if (!c.camera.empty()) {
        parts.push_back(c.camera);
    }
    if (c.sensorSource != SensorSource::None) {
        parts.push_back(TextFormat("sensor %.2f \u00d7 %.2f mm from %s", c.xsize, c.ysize,
                                   SensorSourceText(c).c_str()));
    }
    if (c.hasPixels) {
        parts.push_back(TextFormat("%ld \u00d7 %ld px", c.xresol, c.yresol));
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
        parts.push_back(TextFormat("subject %.2f m from the sensor = %.2f m from the lens",
                                   c.sensorDistance, s));
    } else if (c.distance == DistanceKind::Finite) {
        parts.push_back(TextFormat("subject %.2f m from the sensor", c.sensorDistance));
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

std::string NumberOrNull(bool present, const char* format, double value) {
    return present ? TextFormat(format, value) : "null";
}

}  // namespace

std::string PhotoReportText(const PhotoCamera& c) {
    std::string text = TextFormat("camera    %s\n", c.camera.empty() ? "-" : c.camera.c_str());
    if (c.sensorSource != SensorSource::None) {
        const std::string from = SensorSourceText(c);
        text += TextFormat("X size    %.2f mm, from %s\n", c.xsize, from.c_str());
        text += TextFormat("Y size    %.2f mm, from %s\n", c.ysize, from.c_str());
    }
    if (c.hasPixels) {
        text += TextFormat("Xresol    %ld\nYresol    %ld\n", c.xresol, c.yresol);
    }
    if (c.hasFocal) {
        text += TextFormat("focal     %.2f mm\n", c.focal);
    }
    if (c.hasAperture) {
        text += TextFormat("aperture  %.2f\n", c.aperture);
    }
    double s = 0;
    if (c.distance == DistanceKind::Infinite) {
        text += TextFormat("subject   at infinity, from the %s\n", c.distanceSource.c_str());
    } else if (PhotoLensDistance(c, &s)) {
        text += TextFormat("subject   %.2f m from the lens (%.2f m from the sensor, from the %s)\n",
                           s, c.sensorDistance, c.distanceSource.c_str());
    } else if (c.distance == DistanceKind::Finite) {
        text += TextFormat("subject   %.2f m from the sensor, from the %s\n", c.sensorDistance,
                           c.distanceSource.c_str());
    }
    for (const std::string& m : c.missing) {
        text += "missing   " + m + "\n";
    }
    return text;
}

std::string PhotoJson(const PhotoCamera& c) {
    const bool sensor = c.sensorSource != SensorSource::None;
    double s = 0;
    const bool lens = PhotoLensDistance(c, &s);
    const bool finite = c.distance == DistanceKind::Finite;
    std::string missing;
    for (const std::string& m : c.missing) {
        missing += (missing.empty() ? "" : ", ") + Quoted(m);
    }
    return TextFormat(
        "{\"camera\": %s, \"xsize_mm\": %s, \"ysize_mm\": %s, \"sensor_source\": %s, "
        "\"crop\": %s, \"xresol\": %s, \"yresol\": %s, \"focal_mm\": %s, \"aperture\": %s, "
        "\"subject_infinite\": %s, \"subject_from_sensor_m\": %s, \"subject_from_lens_m\": %s, "
        "\"subject_source\": %s, \"missing\": [%s]}\n",
        c.camera.empty() ? "null" : Quoted(c.camera).c_str(),
        NumberOrNull(sensor, "%.2f", c.xsize).c_str(),
        NumberOrNull(sensor, "%.2f", c.ysize).c_str(),
        sensor ? Quoted(SourceWord(c.sensorSource)).c_str() : "null",
        NumberOrNull(c.crop > 0, "%.3f", c.crop).c_str(),
        NumberOrNull(c.hasPixels, "%.0f", static_cast<double>(c.xresol)).c_str(),
        NumberOrNull(c.hasPixels, "%.0f", static_cast<double>(c.yresol)).c_str(),
        NumberOrNull(c.hasFocal, "%.2f", c.focal).c_str(),
        NumberOrNull(c.hasAperture, "%.2f", c.aperture).c_str(),
        c.distance == DistanceKind::Infinite ? "true" : "false",
        NumberOrNull(finite, "%.4f", c.sensorDistance).c_str(),
        NumberOrNull(lens, "%.4f", s).c_str(),
        c.distance == DistanceKind::None ? "null" : Quoted(c.distanceSource).c_str(),
        missing.c_str());
}
