// SPDX-License-Identifier: MIT
#include "core/photo/photo_fields.h"

#include <cmath>

#include "core/photo/photo_text.h"
#include "core/text/text_format.h"

namespace {

// As a two-decimal field shows a value typed into it.
double Shown(double value) {
    return std::round(value * 100) / 100;
}

bool Within(double value, const FieldRange& r) {
    return value >= r.min && value <= r.max;
}

// "Y size 0.29 mm is below the panel's minimum 1 mm", "focal length 4.00 mm
// is outside the panel's 10 to 2000 mm"; value as the field would show it.
std::string Outside(const char* name, const std::string& value, const FieldRange& r,
                    const char* unit) {
    if (std::isinf(r.max)) {
        return TextFormat("%s %s is below the panel's minimum ", name, value.c_str()) +
               ShortestNumber(r.min) + unit;
    }
    return TextFormat("%s %s is outside the panel's ", name, value.c_str()) +
           ShortestNumber(r.min) + " to " + ShortestNumber(r.max) + unit;
}

// A pair of fields, taken whole or not at all.
struct Pair {
    const char* prefix;    // "sensor "
    const char* names[2];  // "X size", "Y size"
    const char* format;    // one side as its field shows it
    const char* unit;      // after one side: " mm"
    const char* pairUnit;  // after both: "mm"
    const char* what;      // what the panel keeps: "sensor size"
};
constexpr Pair kSensor{"sensor ", {"X size", "Y size"}, "%.2f", " mm", "mm", "sensor size"};
constexpr Pair kPixels{"", {"Xresol", "Yresol"}, "%.0f", "", "pixels", "resolution"};

// Whether both sides fit r; if not, *kept says which does not.
bool Fits(const Pair& p, double x, double y, const FieldRange& r, std::vector<std::string>* kept) {
    if (Within(x, r) && Within(y, r)) {
        return true;
    }
    const bool xOut = !Within(x, r);
    const std::string a = TextFormat(p.format, x), b = TextFormat(p.format, y);
    kept->push_back(p.prefix + Times(a, b, p.pairUnit) + ": " +
                    Outside(p.names[xOut ? 0 : 1], (xOut ? a : b) + p.unit, r, p.unit) +
                    "; the panel keeps its " + p.what);
    return false;
}

void TakeSubject(const PhotoCamera& c, const FieldRange& dmax, Units units, PhotoFields* f) {
    double s = 0;
    if (!f->taken.hasFocal || !PhotoLensDistance(c, &s)) {
        return;
    }
    if (s > dmax.max) {
        f->kept.push_back("subject " + FormatDistance(s, units) +
                          " from the lens is beyond the farthest d max, " +
                          FormatDistance(dmax.max, units) + ": the cursor stays where it is");
        return;
    }
    f->subject = true;
    f->distance = s;
}

}  // namespace

PhotoFields FieldsFromPhoto(const PhotoCamera& c, const PanelRanges& ranges, Units units) {
    PhotoFields f;
    PhotoCamera& t = f.taken;
    t = c;
    t.focal = Shown(c.focal);
    if (c.hasFocal && !Within(t.focal, ranges.focal)) {
        f.refused = true;
        f.kept.push_back(
            Outside("focal length", TextFormat("%.2f mm", t.focal), ranges.focal, " mm") +
            ": the panel cannot show this camera, and takes nothing from the photo");
        t.sensorSource = SensorSource::None;
        t.hasPixels = t.hasFocal = t.hasAperture = false;
        return f;
    }
    t.xsize = Shown(c.xsize);
    t.ysize = Shown(c.ysize);
    if (t.sensorSource != SensorSource::None &&
        !Fits(kSensor, t.xsize, t.ysize, ranges.size, &f.kept)) {
        t.sensorSource = SensorSource::None;
    }
    t.hasPixels = t.hasPixels && Fits(kPixels, static_cast<double>(t.xresol),
                                      static_cast<double>(t.yresol), ranges.resolution, &f.kept);
    t.aperture = Shown(c.aperture);
    if (t.hasAperture && !Within(t.aperture, ranges.aperture)) {
        f.kept.push_back(Outside("f-number", TextFormat("%.2f", t.aperture), ranges.aperture, "") +
                         "; the panel keeps its aperture");
        t.hasAperture = false;
    }
    TakeSubject(c, ranges.dmax, units, &f);
    return f;
}
