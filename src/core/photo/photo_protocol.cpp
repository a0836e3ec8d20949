// SPDX-License-Identifier: MIT
#include "core/photo/photo_protocol.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "core/text/text_format.h"

namespace {

const char kHeader[] = "kadrel-photo 1";

struct SourceName {
    SensorSource source;
    const char* word;
};
const SourceName kSources[] = {
    {SensorSource::Database, "database"},
    {SensorSource::Film35, "film35"},
    {SensorSource::FocalPlane, "focalplane"},
};

// A positive finite number that is the whole of `text`, else 0.
double PositiveNumber(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(v) && v > 0 ? v : 0;
}

// One line of text: control bytes as spaces, outer blanks trimmed, UTF-8 kept.
std::string OneLine(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        out += byte < 0x20 || byte == 0x7F ? ' ' : ch;
    }
    const std::size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

// One line of a value answer; false when it is malformed.
bool ApplyLine(const std::string& key, const std::string& rest, PhotoCamera* c) {
    const std::vector<std::string> w = Words(rest);
    if (key == "camera") {
        c->camera = TrimmedAscii(rest);
    } else if (key == "lens") {
        c->lens = TrimmedAscii(rest);
    } else if (key == "sensor" && w.size() == 4) {
        for (const SourceName& s : kSources) {
            if (w[0] == s.word) {
                c->sensorSource = s.source;
            }
        }
        c->xsize = PositiveNumber(w[1]);
        c->ysize = PositiveNumber(w[2]);
        c->crop = w[3] == "0" ? 0 : PositiveNumber(w[3]);
        return c->sensorSource != SensorSource::None && c->xsize > 0 && c->ysize > 0;
    } else if (key == "pixels" && w.size() == 2) {
        const double x = PositiveNumber(w[0]), y = PositiveNumber(w[1]);
        c->hasPixels = x >= 1 && y >= 1 && x <= 2147483647 && y <= 2147483647;
        // Converted only once known to fit: a wider double has no long.
        c->xresol = c->hasPixels ? static_cast<long>(x) : 0;
        c->yresol = c->hasPixels ? static_cast<long>(y) : 0;
        return c->hasPixels;
    } else if (key == "focal" && w.size() == 1) {
        c->focal = PositiveNumber(w[0]);
        return c->hasFocal = c->focal > 0;
    } else if (key == "aperture" && w.size() == 1) {
        c->aperture = PositiveNumber(w[0]);
        return c->hasAperture = c->aperture > 0;
    } else if (key == "distance" && w.size() >= 2) {
        c->distance = w[0] == "inf" ? DistanceKind::Infinite : DistanceKind::Finite;
        c->sensorDistance = w[0] == "inf" ? 0 : PositiveNumber(w[0]);
        c->distanceSource = OneLine(rest.substr(w[0].size() + 1));
        return c->distance == DistanceKind::Infinite || c->sensorDistance > 0;
    } else if (key == "missing") {
        c->missing.push_back(OneLine(rest));
    } else {
        return false;
    }
    return true;
}

// Splits text into lines; true when the first is the header and the last "end".
bool Framed(const std::string& text, std::vector<std::string>* lines) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines->push_back(line);
    }
    if (lines->size() < 2 || lines->front() != kHeader || lines->back() != "end") {
        return false;
    }
    lines->erase(lines->begin());
    lines->pop_back();
    return true;
}

std::string Framed(const std::string& body) {
    return std::string(kHeader) + "\n" + body + "end\n";
}

}  // namespace

std::string PhotoProtocolText(const PhotoCamera& c) {
    std::string body;
    if (!c.camera.empty()) {
        body += "camera " + c.camera + "\n";
    }
    if (!c.lens.empty()) {
        body += "lens " + c.lens + "\n";
    }
    for (const SourceName& s : kSources) {
        if (c.sensorSource == s.source) {
            body += TextFormat("sensor %s %.17g %.17g %.17g\n", s.word, c.xsize, c.ysize, c.crop);
        }
    }
    if (c.hasPixels) {
        body += TextFormat("pixels %ld %ld\n", c.xresol, c.yresol);
    }
    if (c.hasFocal) {
        body += TextFormat("focal %.17g\n", c.focal);
    }
    if (c.hasAperture) {
        body += TextFormat("aperture %.17g\n", c.aperture);
    }
    if (c.distance == DistanceKind::Infinite) {
        body += "distance inf " + OneLine(c.distanceSource) + "\n";
    } else if (c.distance == DistanceKind::Finite) {
        body +=
            TextFormat("distance %.17g %s\n", c.sensorDistance, OneLine(c.distanceSource).c_str());
    }
    for (const std::string& m : c.missing) {
        body += "missing " + OneLine(m) + "\n";
    }
    return Framed(body);
}

std::string PhotoErrorText(const std::string& why) {
    return Framed("error " + OneLine(why) + "\n");
}

bool ParsePhotoProtocol(const std::string& text, PhotoCamera* camera, std::string* error) {
    error->clear();
    std::vector<std::string> lines;
    if (!Framed(text, &lines)) {
        return false;
    }
    PhotoCamera c;
    for (const std::string& line : lines) {
        const std::size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "error") {
            *error = OneLine(rest);
            return false;
        }
        if (!ApplyLine(key, rest, &c)) {
            return false;
        }
    }
    *camera = c;
    return true;
}

std::string CameraListText(const std::vector<CameraBody>& bodies) {
    std::string body;
    for (const CameraBody& b : bodies) {
        body += TextFormat("body %.17g %s\t%s\n", b.crop, TrimmedAscii(b.maker).c_str(),
                           TrimmedAscii(b.model).c_str());
    }
    return Framed(body);
}

bool ParseCameraList(const std::string& text, std::vector<CameraBody>* bodies) {
    std::vector<std::string> lines;
    if (!Framed(text, &lines)) {
        return false;
    }
    bodies->clear();
    for (const std::string& line : lines) {
        const std::vector<std::string> w = Words(line);
        const std::size_t tab = line.find('\t');
        if (w.size() < 3 || w[0] != "body" || tab == std::string::npos) {
            return false;
        }
        const std::size_t makerStart = line.find(' ', 5) + 1;
        CameraBody b{TrimmedAscii(line.substr(makerStart, tab - makerStart)),
                     TrimmedAscii(line.substr(tab + 1)), PositiveNumber(w[1])};
        if (b.crop > 0) {
            bodies->push_back(b);
        }
    }
    return true;
}
