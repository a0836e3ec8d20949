// SPDX-License-Identifier: MIT
// The photo reader's mapping on arbitrary facts, its answer read back as
// kadrel reads it and mapped onto the panel's fields, and kadrel's protocol
// reader on arbitrary bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_fields.h"
#include "core/photo/photo_protocol.h"
#include "core/photo/photo_text.h"

namespace {

// The panel's ranges: sizes from 1 mm, pixels from 100, 10 to 2000 mm,
// f/1 to f/50, d max to a million kilometres.
const PanelRanges kRanges{{1, HUGE_VAL}, {100, 2147483647}, {10, 2000}, {1, 50}, {1, 1e9}};

bool Within(double value, const FieldRange& r) {
    return value >= r.min && value <= r.max;
}

// What the panel takes fits its fields, and a refusal takes nothing.
bool Sound(const PhotoFields& f) {
    const PhotoCamera& t = f.taken;
    const bool sensor = t.sensorSource != SensorSource::None;
    if (f.refused) {
        return !sensor && !t.hasPixels && !t.hasFocal && !t.hasAperture && !f.subject;
    }
    return (!sensor || (Within(t.xsize, kRanges.size) && Within(t.ysize, kRanges.size))) &&
           (!t.hasPixels || (Within(static_cast<double>(t.xresol), kRanges.resolution) &&
                             Within(static_cast<double>(t.yresol), kRanges.resolution))) &&
           (!t.hasFocal || Within(t.focal, kRanges.focal)) &&
           (!t.hasAperture || Within(t.aperture, kRanges.aperture)) &&
           (!f.subject || (t.hasFocal && f.distance <= kRanges.dmax.max));
}

Fraction AnyFraction(FuzzedDataProvider& in) {
    Fraction f;
    f.present = in.ConsumeBool();
    f.num = in.ConsumeBool() ? in.ConsumeIntegral<uint32_t>() : in.ConsumeIntegral<int32_t>();
    f.den = in.ConsumeBool() ? in.ConsumeIntegral<uint32_t>() : in.ConsumeIntegral<int32_t>();
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    PhotoCamera read;
    std::string error;
    ParsePhotoProtocol(bytes, &read, &error);
    std::vector<CameraBody> bodies;
    ParseCameraList(bytes, &bodies);

    FuzzedDataProvider in(data, size);
    PhotoFacts facts;
    facts.make = in.ConsumeRandomLengthString(64);
    facts.model = in.ConsumeRandomLengthString(64);
    for (Fraction* f :
         {&facts.focal, &facts.fNumber, &facts.captureWidth, &facts.captureHeight,
          &facts.subjectDistance, &facts.canonUpper, &facts.canonLower, &facts.nikonFocusDistance,
          &facts.focal35, &facts.planeXResolution, &facts.planeYResolution, &facts.planeUnit}) {
        *f = AnyFraction(in);
    }
    facts.imageWidth = in.ConsumeIntegral<long>();
    facts.imageHeight = in.ConsumeIntegral<long>();
    facts.crop = in.ConsumeFloatingPoint<double>();
    facts.databaseMaker = in.ConsumeRandomLengthString(32);
    facts.databaseModel = in.ConsumeRandomLengthString(32);

    // Whatever the facts, the answer is one kadrel accepts, value for value.
    const PhotoCamera camera = CameraFromFacts(facts);
    if (!ParsePhotoProtocol(PhotoProtocolText(camera), &read, &error) ||
        read.hasFocal != camera.hasFocal || read.hasPixels != camera.hasPixels ||
        read.sensorSource != camera.sensorSource || read.distance != camera.distance ||
        read.missing.size() != camera.missing.size()) {
        std::abort();
    }
    const PhotoFields fields = FieldsFromPhoto(camera, kRanges, Units::Metric);
    if (!Sound(fields) || PhotoReportText(fields).empty() || PhotoJson(fields).empty()) {
        std::abort();
    }
    return 0;
}
