// SPDX-License-Identifier: MIT
#include "core/photo/photo_camera.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/text/text_format.h"

namespace {

constexpr double kFullFrameDiagonal = 43.27;  // mm, 36 × 24
constexpr double kLargestSensor = 1000;       // mm; beyond, the figure is nonsense
constexpr double kExifInfinity = 4294967295.0;
constexpr double kMillimetresPerUnit[] = {25.4, 25.4, 25.4, 10, 1, 0.001};  // by EXIF unit 0..5

// The fraction's value when it is a positive finite number, else 0.
double Positive(const Fraction& f) {
    if (!f.present) {
        return 0;
    }
    const double v = f.num / f.den;
    return std::isfinite(v) && v > 0 ? v : 0;
}

std::string Described(const Fraction& f) {
    return f.den == 1 ? TextFormat("%.0f", f.num) : TextFormat("%.0f/%.0f", f.num, f.den);
}

void Note(PhotoCamera* c, const char* what, const Fraction& f) {
    if (f.present) {
        c->missing.push_back(
            TextFormat("%s %s in the photo is not usable", what, Described(f).c_str()));
    } else {
        c->missing.push_back(TextFormat("no %s in the photo", what));
    }
}

void TakePixels(const PhotoFacts& facts, PhotoCamera* c) {
    if (facts.captureWidth.present || facts.captureHeight.present) {
        const double w = Positive(facts.captureWidth), h = Positive(facts.captureHeight);
        if (w >= 1 && h >= 1 && w <= 2147483647 && h <= 2147483647) {
            c->hasPixels = true;
            c->xresol = static_cast<long>(w);
            c->yresol = static_cast<long>(h);
        } else {
            c->missing.push_back(TextFormat("the photo claims %s \u00d7 %s pixels",
                                            Described(facts.captureWidth).c_str(),
                                            Described(facts.captureHeight).c_str()));
        }
        return;
    }
    if (facts.imageWidth > 0 && facts.imageHeight > 0 && facts.imageWidth <= 2147483647 &&
        facts.imageHeight <= 2147483647) {
        c->hasPixels = true;
        c->xresol = facts.imageWidth;
        c->yresol = facts.imageHeight;
    } else {
        c->missing.push_back("no pixel dimensions in the photo");
    }
}

bool TakeSensor(PhotoCamera* c, SensorSource source, double width, double height) {
    if (!(width > 0 && height > 0 && width <= kLargestSensor && height <= kLargestSensor)) {
        return false;
    }
    c->sensorSource = source;
    c->xsize = width;
    c->ysize = height;
    return true;
}

// Why no source gave a sensor size; a figure the photo gives but that makes
// no sensor is named as absurd, not passed over as absent.
std::string NoSensorBecause(const PhotoFacts& facts, const PhotoCamera& c) {
    if (!c.hasPixels && facts.crop > 0) {
        return "no sensor size: no pixel dimensions to give the crop factor its proportions";
    }
    const Fraction &f35 = facts.focal35, &x = facts.planeXResolution, &y = facts.planeYResolution;
    if (!f35.present && !x.present && !y.present) {
        return "no sensor size: the camera is not in the database, and the photo gives neither a "
               "35 mm focal length nor a focal-plane resolution";
    }
    std::string film = "it gives no 35 mm focal length";
    if (f35.present) {
        film = TextFormat("its 35 mm equivalent focal length, %s mm, ", Described(f35).c_str()) +
               (!c.hasFocal    ? std::string("is of no use without the focal length")
                : !c.hasPixels ? std::string("is of no use without pixel counts")
                               : TextFormat("is absurd for a %g mm lens", c.focal));
    }
    std::string plane = "it gives no focal-plane resolution";
    if (x.present || y.present) {
        plane = TextFormat("its focal-plane resolution, %s \u00d7 %s, ", Described(x).c_str(),
                           Described(y).c_str()) +
                (c.hasPixels ? "is absurd" : "is of no use without pixel counts");
    }
    return "no sensor size: the camera is not in the database; " + film + "; " + plane;
}

void TakeSensorSize(const PhotoFacts& facts, PhotoCamera* c) {
    const double aspect =
        c->hasPixels ? static_cast<double>(c->xresol) / static_cast<double>(c->yresol) : 0;
    double w = 0, h = 0;
    if (std::isfinite(facts.crop) && facts.crop > 0 && SensorFromCrop(facts.crop, aspect, &w, &h) &&
        TakeSensor(c, SensorSource::Database, w, h)) {
        c->crop = facts.crop;
        return;
    }
    const double f35 = Positive(facts.focal35);
    if (f35 > 0 && c->hasFocal && SensorFromCrop(f35 / c->focal, aspect, &w, &h) &&
        TakeSensor(c, SensorSource::Film35, w, h)) {
        c->crop = f35 / c->focal;
        return;
    }
    const double xres = Positive(facts.planeXResolution), yres = Positive(facts.planeYResolution);
    double unit = 25.4;
    if (facts.planeUnit.present) {
        const double u = facts.planeUnit.num / facts.planeUnit.den;
        unit =
            u >= 0 && u <= 5 && u == std::floor(u) ? kMillimetresPerUnit[static_cast<int>(u)] : 0;
    }
    if (c->hasPixels && xres > 0 && yres > 0 && unit > 0 &&
        TakeSensor(c, SensorSource::FocalPlane, static_cast<double>(c->xresol) / xres * unit,
                   static_cast<double>(c->yresol) / yres * unit)) {
        return;
    }
    c->missing.push_back(NoSensorBecause(facts, *c));
}

// Canon's file info gives the focus distance as a range in centimetres.
bool CanonDistance(const PhotoFacts& facts, PhotoCamera* c) {
    if (!facts.canonUpper.present) {
        return false;
    }
    const double upper = facts.canonUpper.num / facts.canonUpper.den;
    const double lower = Positive(facts.canonLower);
    c->distanceSource = "Canon maker note";
    if (upper == 65535 || upper == -1) {
        c->distance = DistanceKind::Infinite;
        return true;
    }
    if (!(std::isfinite(upper) && upper > 0 && upper < 65535)) {
        return false;
    }
    c->distance = DistanceKind::Finite;
    c->sensorDistance = (lower > 0 && lower <= upper ? (upper + lower) / 2 : upper) / 100;
    return true;
}

void TakeDistance(const PhotoFacts& facts, PhotoCamera* c) {
    const Fraction& exif = facts.subjectDistance;
    if (exif.present && exif.num == kExifInfinity) {
        c->distance = DistanceKind::Infinite;
        c->distanceSource = "EXIF";
        return;
    }
    if (Positive(exif) > 0) {
        c->distance = DistanceKind::Finite;
        c->sensorDistance = Positive(exif);
        c->distanceSource = "EXIF";
        return;
    }
    if (CanonDistance(facts, c)) {
        return;
    }
    const double b = Positive(facts.nikonFocusDistance);
    if (b > 0 && b <= 255) {
        c->distance = DistanceKind::Finite;
        c->sensorDistance = 0.01 * std::pow(10.0, b / 40);
        c->distanceSource = "Nikon lens data";
        return;
    }
    c->distanceSource.clear();
    c->missing.push_back("no subject distance in the photo");
}

}  // namespace

std::string TrimmedAscii(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        out += byte > 0x20 && byte < 0x7F ? ch : ' ';
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string CameraName(const std::string& make, const std::string& model) {
    const std::string maker = TrimmedAscii(make), body = TrimmedAscii(model);
    const std::string firstWord = maker.substr(0, maker.find(' '));
    const bool repeats =
        !firstWord.empty() && body.size() >= firstWord.size() &&
        std::equal(firstWord.begin(), firstWord.end(), body.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    if (repeats || maker.empty()) {
        return body;
    }
    return body.empty() ? maker : maker + " " + body;
}

bool CameraNameBefore(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            const std::size_t ei = a.find_first_not_of("0123456789", i);
            const std::size_t ej = b.find_first_not_of("0123456789", j);
            const std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
            const std::size_t za = na.find_first_not_of('0'), zb = nb.find_first_not_of('0');
            const std::string va = za == std::string::npos ? "" : na.substr(za);
            const std::string vb = zb == std::string::npos ? "" : nb.substr(zb);
            if (va.size() != vb.size() || va != vb) {
                return va.size() != vb.size() ? va.size() < vb.size() : va < vb;
            }
            i = ei == std::string::npos ? a.size() : ei;
            j = ej == std::string::npos ? b.size() : ej;
            continue;
        }
        if (std::tolower(ca) != std::tolower(cb)) {
            return std::tolower(ca) < std::tolower(cb);
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

double BodyAspect(double crop) {
    const bool fourThirds = crop >= 1.9 && crop <= 2.1;
    return fourThirds || crop > 3 || crop < 1 ? 4.0 / 3 : 1.5;
}

bool SensorFromCrop(double crop, double aspect, double* width, double* height) {
    if (!(std::isfinite(crop) && crop > 0 && std::isfinite(aspect) && aspect > 0)) {
        return false;
    }
    const double d = kFullFrameDiagonal / crop;
    const double root = std::sqrt(1 + aspect * aspect);
    *width = d * aspect / root;
    *height = d / root;
    return true;
}

bool LensDistanceFromSensor(double sensorDistance, double focal, double* lensDistance) {
    const double square = sensorDistance * sensorDistance - 4 * sensorDistance * focal;
    if (!(std::isfinite(square) && square >= 0 && focal > 0)) {
        return false;
    }
    *lensDistance = (sensorDistance + std::sqrt(square)) / 2;
    return true;
}

PhotoCamera CameraFromFacts(const PhotoFacts& facts) {
    PhotoCamera c;
    c.camera = facts.databaseMaker.empty() || facts.databaseModel.empty()
                   ? CameraName(facts.make, facts.model)
                   : CameraName(facts.databaseMaker, facts.databaseModel);
    c.lens = TrimmedAscii(facts.databaseLens);
    TakePixels(facts, &c);
    c.focal = Positive(facts.focal);
    c.hasFocal = c.focal > 0;
    if (!c.hasFocal) {
        Note(&c, "focal length", facts.focal);
    }
    c.aperture = Positive(facts.fNumber);
    c.hasAperture = c.aperture > 0;
    if (!c.hasAperture) {
        Note(&c, "f-number", facts.fNumber);
    }
    TakeSensorSize(facts, &c);
    TakeDistance(facts, &c);
    return c;
}
