// SPDX-License-Identifier: MIT
// Test photos: a small JPEG from QImage with EXIF written through Exiv2, each
// tag stored with its key's own type unless the test asks for a signed
// rational (to write the negative values no camera should).
#pragma once

#include <string>
#include <vector>

struct PhotoTag {
    std::string key;    // "Exif.Photo.FocalLength", "Exif.NikonLd2.FocusDistance"
    std::string value;  // Exiv2's text for the value: "50/1", "3008", "48 49 48 49"
    bool signedRational = false;
};

// False when the image or its metadata cannot be written.
bool MakePhoto(const std::string& path, const std::vector<PhotoTag>& tags, int width = 64,
               int height = 48);

// The two cameras as their JPEGs say them.
std::vector<PhotoTag> CanonEos20dTags();
std::vector<PhotoTag> NikonD70Tags();
