// SPDX-License-Identifier: MIT
// The photo's facts through Exiv2: every value as its exact rational, none
// interpreted here (core/photo/photo_camera.h decides what is usable).
#include <exiv2/exiv2.hpp>

#include "photo_reader.h"

namespace {

// The value of key as numerator and denominator, whatever its type: an
// unsigned rational or long keeps its full 32 bits (0xFFFFFFFF is the EXIF
// infinity; Exiv2's own rational would turn 4294961296 into -6000), a signed
// one its sign.
Fraction Exact(const Exiv2::ExifData& exif, const char* key) {
    Fraction f;
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end() || it->count() == 0) {
        return f;
    }
    const Exiv2::Value& value = it->value();
    f.present = true;
    if (const auto* u = dynamic_cast<const Exiv2::URationalValue*>(&value)) {
        f.num = u->value_.front().first;
        f.den = u->value_.front().second;
    } else if (const auto* l = dynamic_cast<const Exiv2::ULongValue*>(&value)) {
        f.num = l->value_.front();
    } else if (const auto* s = dynamic_cast<const Exiv2::RationalValue*>(&value)) {
        f.num = s->value_.front().first;
        f.den = s->value_.front().second;
    } else if (value.typeId() == Exiv2::asciiString || value.typeId() == Exiv2::undefined ||
               value.typeId() == Exiv2::comment) {
        f.present = false;
    } else {
        const Exiv2::Rational r = value.toRational(0);
        f.num = r.first;
        f.den = r.second;
    }
    return f;
}

std::string Text(const Exiv2::ExifData& exif, const char* key) {
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? "" : it->toString();
}

Fraction FirstOf(const Exiv2::ExifData& exif, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        const Fraction f = Exact(exif, key);
        if (f.present) {
            return f;
        }
    }
    return {};
}

// Exiv2 says nothing on stderr; failures come back as exceptions.
struct QuietLog {
    QuietLog() {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::LogMsg::setHandler(nullptr);
        Exiv2::enableBMFF(true);
    }
};

}  // namespace

bool ReadExifFacts(const unsigned char* data, long size, PhotoFacts* facts, std::string* why) {
    static const QuietLog quiet;
    // The factory's own pointer type, whatever this Exiv2 calls it.
    decltype(Exiv2::ImageFactory::open(data, size)) image;
    try {
        image = Exiv2::ImageFactory::open(data, size);
    } catch (const std::exception&) {
        *why = "it is not an image kadrel can read";
        return false;
    }
    try {
        image->readMetadata();
    } catch (const std::exception&) {
        *why = "the photo is damaged";
        return false;
    }
    const Exiv2::ExifData& exif = image->exifData();
    if (exif.empty()) {
        *why = "the photo has no camera metadata (EXIF)";
        return false;
    }
    try {
        facts->make = Text(exif, "Exif.Image.Make");
        facts->model = Text(exif, "Exif.Image.Model");
        facts->lensModel = Text(exif, "Exif.Photo.LensModel");
        facts->focal = Exact(exif, "Exif.Photo.FocalLength");
        facts->fNumber = Exact(exif, "Exif.Photo.FNumber");
        facts->captureWidth = Exact(exif, "Exif.Photo.PixelXDimension");
        facts->captureHeight = Exact(exif, "Exif.Photo.PixelYDimension");
        facts->imageWidth = image->pixelWidth();
        facts->imageHeight = image->pixelHeight();
        facts->subjectDistance = Exact(exif, "Exif.Photo.SubjectDistance");
        facts->canonUpper = Exact(exif, "Exif.CanonFi.FocusDistanceUpper");
        facts->canonLower = Exact(exif, "Exif.CanonFi.FocusDistanceLower");
        facts->nikonFocusDistance =
            FirstOf(exif, {"Exif.NikonLd2.FocusDistance", "Exif.NikonLd3.FocusDistance",
                           "Exif.NikonLd4.FocusDistance"});
        facts->focal35 = Exact(exif, "Exif.Photo.FocalLengthIn35mmFilm");
        facts->planeXResolution = Exact(exif, "Exif.Photo.FocalPlaneXResolution");
        facts->planeYResolution = Exact(exif, "Exif.Photo.FocalPlaneYResolution");
        facts->planeUnit = Exact(exif, "Exif.Photo.FocalPlaneResolutionUnit");
    } catch (const std::exception&) {
        *why = "the photo's metadata is damaged";
        return false;
    }
    return true;
}
