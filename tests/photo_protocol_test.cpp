// SPDX-License-Identifier: MIT
#include "core/photo/photo_protocol.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the reader process says comes back as it was meant, and what no
// camera could have written is refused rather than converted.
TEST(PhotoProtocol, AnswersRoundTripAndOversizedPixelsAreRefused) {
    PhotoCamera sent;
    sent.camera = "Nikon D70";
    sent.lens = "Nikon AF-S DX Nikkor 18-70mm f/3.5-4.5G ED";
    sent.sensorSource = SensorSource::Database;
    sent.xsize = 23.63;
    sent.ysize = 15.71;
    sent.crop = 1.525;
    sent.hasPixels = true;
    sent.xresol = 3008;
    sent.yresol = 2000;
    PhotoCamera read;
    std::string error;
    ASSERT_TRUE(ParsePhotoProtocol(PhotoProtocolText(sent), &read, &error)) << error;
    EXPECT_EQ(read.camera, "Nikon D70");
    EXPECT_EQ(read.lens, "Nikon AF-S DX Nikkor 18-70mm f/3.5-4.5G ED");
    EXPECT_EQ(read.xresol, 3008);
    EXPECT_EQ(read.yresol, 2000);
    EXPECT_DOUBLE_EQ(read.xsize, 23.63);

    // A pixel count past any long was once converted before it was checked.
    const std::string oversized =
        "kadrel-photo 1\ncamera Nikon D70\npixels 3008 20305249999999999999\nend\n";
    PhotoCamera bad;
    EXPECT_FALSE(ParsePhotoProtocol(oversized, &bad, &error));
    EXPECT_FALSE(bad.hasPixels);
    EXPECT_EQ(bad.yresol, 0);
}

}  // namespace
