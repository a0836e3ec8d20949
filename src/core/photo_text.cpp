#include "core/photo_text.h"

#include <vector>

#include "core/text_format.h"

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
