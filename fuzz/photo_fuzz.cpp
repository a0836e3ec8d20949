// SPDX-License-Identifier: MIT
// The photo reader's mapping on arbitrary facts, its answer read back as
// kadrel reads it, and kadrel's protocol reader on arbitrary bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "core/photo/photo_camera.h"
#include "core/photo/photo_protocol.h"

namespace {

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
    return 0;
}
