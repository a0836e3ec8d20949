// SPDX-License-Identifier: MIT
#include "photo_maker.h"

#include <exiv2/exiv2.hpp>

#include <QImage>

bool MakePhoto(const std::string& path, const std::vector<PhotoTag>& tags, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    if (!picture.save(QString::fromStdString(path), "JPEG")) {
        return false;
    }
    try {
        auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        Exiv2::ExifData& exif = image->exifData();
        for (const PhotoTag& tag : tags) {
            const Exiv2::ExifKey key(tag.key);
            auto value = Exiv2::Value::create(tag.signedRational ? Exiv2::signedRational
                                                                 : key.defaultTypeId());
            if (value->read(tag.value) != 0) {
                return false;
            }
            exif.add(key, value.get());
        }
        image->writeMetadata();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

std::vector<PhotoTag> CanonEos20dTags() {
    return {
        {"Exif.Image.Make", "Canon"},
        {"Exif.Image.Model", "Canon EOS 20D"},
        {"Exif.Photo.FocalLength", "95/1"},
        {"Exif.Photo.FNumber", "28/5"},
        {"Exif.Photo.PixelXDimension", "3504"},
        {"Exif.Photo.PixelYDimension", "2336"},
        {"Exif.CanonFi.FocusDistanceUpper", "0"},
        {"Exif.CanonFi.FocusDistanceLower", "0"},
    };
}

std::vector<PhotoTag> NikonD70Tags() {
    return {
        {"Exif.Image.Make", "NIKON CORPORATION"}, {"Exif.Image.Model", "NIKON D70"},
        {"Exif.Photo.FocalLength", "50/1"},       {"Exif.Photo.FNumber", "9/1"},
        {"Exif.Photo.PixelXDimension", "3008"},   {"Exif.Photo.PixelYDimension", "2000"},
        {"Exif.NikonLd2.Version", "48 49 48 49"},  // "0101", the D70's lens data
        {"Exif.NikonLd2.FocusDistance", "109"},    // 0.01 m × 10^(109/40) = 5.31 m
    };
}
