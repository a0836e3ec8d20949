// SPDX-License-Identifier: MIT
// The photo reader end to end: photos made here with EXIF through Exiv2, read
// by the real kadrel-photo process, its answer read back as the window reads
// it. Expected sensor sizes and distances are typed from a calculation by
// hand: diagonal 43.27 / crop split by the pixel aspect r (width d·r/√(1+r²),
// height d/√(1+r²)); a subject D from the sensor sits at
// (D + √(D² − 4Df)) / 2 from the lens.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <random>

#include "core/photo/photo_text.h"
#include "core/settings/lens_search.h"
#include "photo_maker.h"
#include "program/panel_definition.h"
#include "services/photo.h"

using namespace std::string_literals;

namespace {

class PhotoTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // The camera in a photo made with tags, read through the real reader.
    PhotoCamera Read(const std::vector<PhotoTag>& tags, int width = 64, int height = 48) {
        const std::string path = Path("photo.jpg");
        EXPECT_TRUE(MakePhoto(path, tags, width, height));
        PhotoCamera camera;
        std::string why;
        EXPECT_TRUE(ReadPhotoWith(KADREL_PHOTO_HELPER, path.c_str(), &camera, &why)) << why;
        return camera;
    }

    // Why the reader at helper refuses the file at path; "" if it does not.
    static std::string Refusal(const std::string& path, const char* helper = KADREL_PHOTO_HELPER) {
        PhotoCamera camera;
        std::string why;
        return ReadPhotoWith(helper, path.c_str(), &camera, &why) ? "" : why;
    }

    QTemporaryDir dir_;
};

// A camera the database does not know, so the photo's own figures count;
// `more` replaces or adds tags.
std::vector<PhotoTag> Unlisted(const std::vector<PhotoTag>& more) {
    std::vector<PhotoTag> tags{
        {"Exif.Image.Make", "Kadrel Test"},     {"Exif.Image.Model", "Nobody's Body 1"},
        {"Exif.Photo.FocalLength", "50/1"},     {"Exif.Photo.FNumber", "4/1"},
        {"Exif.Photo.PixelXDimension", "3008"}, {"Exif.Photo.PixelYDimension", "2000"}};
    for (const PhotoTag& m : more) {
        const auto same = std::find_if(tags.begin(), tags.end(),
                                       [&](const PhotoTag& t) { return t.key == m.key; });
        same == tags.end() ? tags.push_back(m) : void(*same = m);
    }
    return tags;
}

TEST_F(PhotoTest, TheCanonEos20dAndTheNikonD70) {
    const PhotoCamera canon = Read(CanonEos20dTags());
    EXPECT_EQ(canon.camera, "Canon EOS 20D");
    EXPECT_EQ(canon.sensorSource, SensorSource::Database);
    EXPECT_DOUBLE_EQ(canon.crop, 1.6);
    EXPECT_NEAR(canon.xsize, 22.50176014749906, 1e-9);
    EXPECT_NEAR(canon.ysize, 15.001173431666041, 1e-9);
    EXPECT_EQ(canon.xresol, 3504);
    EXPECT_EQ(canon.yresol, 2336);
    EXPECT_DOUBLE_EQ(canon.focal, 95);
    EXPECT_DOUBLE_EQ(canon.aperture, 5.6);
    EXPECT_EQ(canon.distance, DistanceKind::None);  // its maker note says 0: unknown
    EXPECT_EQ(canon.missing, std::vector<std::string>{"no subject distance in the photo"});

    const PhotoCamera nikon = Read(NikonD70Tags());
    EXPECT_EQ(nikon.camera, "Nikon D70");
    EXPECT_EQ(nikon.sensorSource, SensorSource::Database);
    EXPECT_DOUBLE_EQ(nikon.crop, 1.525);
    EXPECT_NEAR(nikon.xsize, 23.62772156181134, 1e-9);
    EXPECT_NEAR(nikon.ysize, 15.70992125120435, 1e-9);
    EXPECT_EQ(nikon.xresol, 3008);
    EXPECT_EQ(nikon.yresol, 2000);
    EXPECT_DOUBLE_EQ(nikon.focal, 50);
    EXPECT_DOUBLE_EQ(nikon.aperture, 9);
    EXPECT_EQ(nikon.distance, DistanceKind::Finite);
    EXPECT_EQ(nikon.distanceSource, "Nikon lens data");
    EXPECT_NEAR(nikon.sensorDistance, 5.308844442309885, 1e-9);
    double s = 0;
    ASSERT_TRUE(LensDistanceFromSensor(nikon.sensorDistance, nikon.focal / 1000, &s));
    EXPECT_NEAR(s, 5.258364445177136, 1e-9);
    EXPECT_TRUE(nikon.missing.empty());
}

TEST_F(PhotoTest, SensorSizeFromTheMostTrustedSourceThere) {
    // The database wins over the photo's own figures, however they disagree.
    std::vector<PhotoTag> nikon = NikonD70Tags();
    nikon.push_back({"Exif.Photo.FocalLengthIn35mmFilm", "100"});
    nikon.push_back({"Exif.Photo.FocalPlaneXResolution", "1000/1"});
    nikon.push_back({"Exif.Photo.FocalPlaneYResolution", "1000/1"});
    EXPECT_EQ(Read(nikon).sensorSource, SensorSource::Database);

    // A compact: 6 mm that frames as 28 mm would on 36 × 24, so crop 28/6.
    const PhotoCamera compact = Read(Unlisted({{"Exif.Photo.FocalLength", "6/1"},
                                               {"Exif.Photo.FocalLengthIn35mmFilm", "28"},
                                               {"Exif.Photo.PixelXDimension", "4000"},
                                               {"Exif.Photo.PixelYDimension", "3000"}}));
    EXPECT_EQ(compact.sensorSource, SensorSource::Film35);
    EXPECT_NEAR(compact.crop, 4.666666666666667, 1e-12);
    EXPECT_NEAR(compact.xsize, 7.417714285714284, 1e-9);
    EXPECT_NEAR(compact.ysize, 5.563285714285714, 1e-9);
    EXPECT_DOUBLE_EQ(compact.focal, 6);  // read as it is; the window says it is out of range

    // Focal-plane resolution: 3200 pixels per inch (the default unit), then per cm.
    const PhotoCamera inch = Read(Unlisted({{"Exif.Photo.FocalPlaneXResolution", "3200/1"},
                                            {"Exif.Photo.FocalPlaneYResolution", "3200/1"}}));
    EXPECT_EQ(inch.sensorSource, SensorSource::FocalPlane);
    EXPECT_NEAR(inch.xsize, 23.876, 1e-9);
    EXPECT_NEAR(inch.ysize, 15.875, 1e-9);
    const PhotoCamera cm = Read(Unlisted({{"Exif.Photo.FocalPlaneXResolution", "1280/1"},
                                          {"Exif.Photo.FocalPlaneYResolution", "1280/1"},
                                          {"Exif.Photo.FocalPlaneResolutionUnit", "3"}}));
    EXPECT_NEAR(cm.xsize, 23.5, 1e-9);
    EXPECT_NEAR(cm.ysize, 15.625, 1e-9);

    const PhotoCamera none = Read(Unlisted({}));
    EXPECT_EQ(none.sensorSource, SensorSource::None);
    EXPECT_EQ(none.camera, "Kadrel Test Nobody's Body 1");
    EXPECT_EQ(none.missing.front(),
              "no sensor size: the camera is not in the database, and the photo gives neither a "
              "35 mm focal length nor a focal-plane resolution");
}

TEST_F(PhotoTest, PixelsOfTheCaptureBeforeThoseOfTheFile) {
    // A resized copy keeps the capture's pixel counts.
    const PhotoCamera resized = Read(Unlisted({}), 80, 60);
    EXPECT_EQ(resized.xresol, 3008);
    EXPECT_EQ(resized.yresol, 2000);

    const PhotoCamera own = Read({{"Exif.Image.Make", "Kadrel Test"}}, 80, 60);
    EXPECT_TRUE(own.hasPixels);
    EXPECT_EQ(own.xresol, 80);
    EXPECT_EQ(own.yresol, 60);

    // A capture of 0 × 0 is nonsense, not a reason to trust the file's own.
    const PhotoCamera zero =
        Read(Unlisted({{"Exif.Photo.PixelXDimension", "0"}, {"Exif.Photo.PixelYDimension", "0"}}));
    EXPECT_FALSE(zero.hasPixels);
    EXPECT_EQ(zero.missing.front(), "the photo claims 0 \u00d7 0 pixels");
}

TEST_F(PhotoTest, SubjectDistanceFromExifThenMakerNotes) {
    const PhotoCamera exif = Read(Unlisted({{"Exif.Photo.SubjectDistance", "2/1"}}));
    EXPECT_EQ(exif.distance, DistanceKind::Finite);
    EXPECT_EQ(exif.distanceSource, "EXIF");
    EXPECT_DOUBLE_EQ(exif.sensorDistance, 2);
    double s = 0;
    ASSERT_TRUE(LensDistanceFromSensor(2, 0.05, &s));
    EXPECT_NEAR(s, 1.9486832980505138, 1e-12);

    const PhotoCamera infinite = Read(Unlisted({{"Exif.Photo.SubjectDistance", "4294967295/1"}}));
    EXPECT_EQ(infinite.distance, DistanceKind::Infinite);

    // A Canon's file info gives a range in centimetres: 288 to 312 is 3 m.
    std::vector<PhotoTag> canon = CanonEos20dTags();
    canon[6].value = "312";
    canon[7].value = "288";
    const PhotoCamera range = Read(canon);
    EXPECT_EQ(range.distanceSource, "Canon maker note");
    EXPECT_DOUBLE_EQ(range.sensorDistance, 3);
    ASSERT_TRUE(LensDistanceFromSensor(3, 0.095, &s));
    EXPECT_NEAR(s, 2.9017845768876187, 1e-12);
    canon[6].value = "-1";  // 0xFFFF as the signed short it is
    EXPECT_EQ(Read(canon).distance, DistanceKind::Infinite);

    // EXIF's own value, when there, comes first; its 0 means unknown.
    std::vector<PhotoTag> nikon = NikonD70Tags();
    nikon.push_back({"Exif.Photo.SubjectDistance", "0/1"});
    EXPECT_EQ(Read(nikon).distanceSource, "Nikon lens data");
    nikon.back().value = "7/2";
    EXPECT_DOUBLE_EQ(Read(nikon).sensorDistance, 3.5);
    nikon.back().value = "0/1";
    nikon[7].value = "0";
    EXPECT_EQ(Read(nikon).distance, DistanceKind::None);

    // Nearer than four focal lengths no lens can focus.
    EXPECT_FALSE(LensDistanceFromSensor(0.199, 0.05, &s));
    EXPECT_TRUE(LensDistanceFromSensor(0.2, 0.05, &s));
    EXPECT_DOUBLE_EQ(s, 0.1);
}

TEST_F(PhotoTest, ValuesNoCameraWritesAreNotTaken) {
    const PhotoCamera bad = Read(Unlisted({{"Exif.Photo.FocalLength", "0/1"},
                                           {"Exif.Photo.FNumber", "-9/1", true},
                                           {"Exif.Photo.SubjectDistance", "-3/1", true},
                                           {"Exif.Photo.FocalLengthIn35mmFilm", "75"}}));
    EXPECT_FALSE(bad.hasFocal);
    EXPECT_FALSE(bad.hasAperture);
    EXPECT_EQ(bad.distance, DistanceKind::None);
    EXPECT_EQ(bad.sensorSource, SensorSource::None);  // no crop without a focal length
    ASSERT_EQ(bad.missing.size(), 4u);
    EXPECT_EQ(bad.missing[0], "focal length 0 in the photo is not usable");
    EXPECT_EQ(bad.missing[1], "f-number -9 in the photo is not usable");

    const PhotoCamera nan =
        Read(Unlisted({{"Exif.Photo.FocalLength", "0/0"}, {"Exif.Photo.FNumber", "5/0"}}));
    EXPECT_FALSE(nan.hasFocal);
    EXPECT_FALSE(nan.hasAperture);
    EXPECT_EQ(nan.missing[0], "focal length 0/0 in the photo is not usable");

    const PhotoCamera bare = Read({{"Exif.Image.Software", "a scanner"}}, 64, 48);
    EXPECT_EQ(bare.camera, "");
    EXPECT_EQ(bare.missing,
              (std::vector<std::string>{
                  "no focal length in the photo", "no f-number in the photo",
                  "no sensor size: the camera is not in the database, and the photo gives "
                  "neither a 35 mm focal length nor a focal-plane resolution",
                  "no subject distance in the photo"}));
}

// What the window and `kadrel photo` take from a photo, through the mapping
// both use with the panel's own ranges: a lens the panel cannot show refuses
// the whole photo, a pair goes whole or not at all, a subject beyond the
// farthest d max is named and not placed, and a figure that makes no sensor
// is called absurd. Sizes by hand: 6000 × 40 px at crop 1 is 43.27·150/√22501
// × 43.27/√22501 = 43.269 × 0.288 mm; a subject 4e9 m from the sensor with a
// 50 mm lens sits (D + √(D² − 4Df)) / 2 = 3999999999.95 m from the lens.
TEST_F(PhotoTest, WhatThePanelTakesAndKeeps) {
    const std::string nobody = "camera    Kadrel Test Nobody's Body 1\n";
    const std::string noSensor =
        "missing   no sensor size: the camera is not in the database, and the photo gives "
        "neither a 35 mm focal length nor a focal-plane resolution\n";
    const std::string taken =
        "Xresol    3008\nYresol    2000\nfocal     50.00 mm\n"
        "aperture  4.00\n";
    const struct {
        const char* what;
        std::vector<PhotoTag> tags;
        std::string report;
    } cases[] = {
        {"a phone",
         {{"Exif.Image.Make", "Kadrel Test"},
          {"Exif.Image.Model", "Phone"},
          {"Exif.Photo.FocalLength", "4/1"},
          {"Exif.Photo.FNumber", "18/10"},
          {"Exif.Photo.FocalLengthIn35mmFilm", "26"},
          {"Exif.Photo.PixelXDimension", "4032"},
          {"Exif.Photo.PixelYDimension", "3024"}},
         "refused   focal length 4.00 mm is outside the panel's 10 to 2000 mm: the panel cannot "
         "show this camera, and takes nothing from the photo\n"
         "camera    Kadrel Test Phone\n"
         "missing   no subject distance in the photo\n"},
        {"a focal length and f-number no lens has",
         Unlisted({{"Exif.Photo.FocalLength", "4294967246/1"},
                   {"Exif.Photo.FNumber", "4294967246/1"},
                   {"Exif.Photo.SubjectDistance", "5/1"}}),
         "refused   focal length 4294967246.00 mm is outside the panel's 10 to 2000 mm: the "
         "panel cannot show this camera, and takes nothing from the photo\n" +
             nobody + noSensor},
        {"6000 x 40 pixels",
         Unlisted({{"Exif.Photo.FocalLengthIn35mmFilm", "50"},
                   {"Exif.Photo.PixelXDimension", "6000"},
                   {"Exif.Photo.PixelYDimension", "40"}}),
         nobody + "focal     50.00 mm\naperture  4.00\n" +
             "missing   no subject distance in the photo\n"
             "kept      sensor 43.27\u00a0\u00d7\u00a00.29\u00a0mm: Y size 0.29 mm is below the "
             "panel's minimum 1 mm; the panel keeps its sensor size\n"
             "kept      6000\u00a0\u00d7\u00a040\u00a0pixels: Yresol 40 is outside the panel's "
             "100 to 2147483647; the panel keeps its resolution\n"},
        {"a subject beyond any d max", Unlisted({{"Exif.Photo.SubjectDistance", "4000000000/1"}}),
         nobody + taken + noSensor +
             "kept      subject 4000000000 m from the lens is beyond the farthest d max, "
             "1000000000 m: the cursor stays where it is\n"},
        {"an f-number below f/1", Unlisted({{"Exif.Photo.FNumber", "95/100"}}),
         nobody + "Xresol    3008\nYresol    2000\nfocal     50.00 mm\n" + noSensor +
             "missing   no subject distance in the photo\n"
             "kept      f-number 0.95 is outside the panel's 1 to 50; the panel keeps its "
             "aperture\n"},
        {"pixel counts above 2^31",
         Unlisted({{"Exif.Photo.PixelXDimension", "4294961296"},
                   {"Exif.Photo.PixelYDimension", "4294963296"},
                   {"Exif.Photo.FocalLengthIn35mmFilm", "75"}}),
         nobody + "focal     50.00 mm\naperture  4.00\n" +
             "missing   the photo claims 4294961296 \u00d7 4294963296 pixels\n"
             "missing   no sensor size: the camera is not in the database; its 35 mm equivalent "
             "focal length, 75 mm, is of no use without pixel counts; it gives no focal-plane "
             "resolution\n"
             "missing   no subject distance in the photo\n"},
        {"an absurd 35 mm equivalent and focal-plane resolution",
         Unlisted({{"Exif.Photo.FocalLengthIn35mmFilm", "1"},
                   {"Exif.Photo.FocalPlaneXResolution", "1/1000"},
                   {"Exif.Photo.FocalPlaneYResolution", "1/1000"}}),
         nobody + taken +
             "missing   no sensor size: the camera is not in the database; its 35 mm equivalent "
             "focal length, 1 mm, is absurd for a 50 mm lens; its focal-plane resolution, "
             "1/1000 \u00d7 1/1000, is absurd\n"
             "missing   no subject distance in the photo\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PhotoReportText(
                      FieldsFromPhoto(Read(c.tags), definition::PhotoRanges(), Units::Metric)),
                  c.report)
            << c.what;
    }
}

TEST_F(PhotoTest, FilesThatAreNoPhotoAreRefusedWithTheirReason) {
    const auto write = [this](const char* name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    };
    ASSERT_TRUE(MakePhoto(Path("whole.jpg"), NikonD70Tags()));
    std::ifstream whole(Path("whole.jpg"), std::ios::binary);
    const std::string jpeg((std::istreambuf_iterator<char>(whole)), {});
    std::mt19937 random(23);
    std::string noise("\xFF\xD8\xFF\xE1", 4);
    for (int i = 0; i < 4096; ++i) {
        noise += static_cast<char>(random());
    }
    const std::string sparse = Path("sparse.jpg");
    ASSERT_EQ(truncate(write("sparse.jpg", "").c_str(), off_t{1} << 30), 0);
    ASSERT_EQ(mkfifo(Path("fifo.jpg").c_str(), 0600), 0);
    const std::string locked = write("locked.jpg", jpeg);
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);

    const struct {
        std::string path;
        const char* why;
    } cases[] = {
        {write("text.jpg", "kadrel\n"), "it is not an image kadrel can read"},
        {write("empty.jpg", ""), "the file is empty"},
        {write("truncated.jpg", jpeg.substr(0, 40)), "the photo is damaged"},
        {write("noise.jpg", noise), "the photo is damaged"},
        {write("plain.jpg", jpeg.substr(0, 2) + jpeg.substr(jpeg.find("\xFF\xDB"))),
         "the photo has no camera metadata (EXIF)"},
        {sparse, "the file is too large for a photo (over 512 MB)"},
        {Path("fifo.jpg"), "it is not a regular file"},
        {dir_.path().toStdString(), "it is a folder, not a photo"},
        {Path("absent.jpg"), "there is no such file"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Refusal(c.path), c.why) << c.path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.path;
    }
    // Root reads any file; the reader then runs as nobody, who may not either.
    const std::string asNobody = Path("as-nobody");
    std::ofstream(asNobody) << "#!/bin/sh\nexec setpriv --reuid=65534 --regid=65534 --clear-groups "
                            << KADREL_PHOTO_HELPER << " \"$@\"\n";
    chmod(asNobody.c_str(), 0755);
    EXPECT_EQ(Refusal(locked, geteuid() == 0 ? asNobody.c_str() : KADREL_PHOTO_HELPER),
              "no permission to read it");
}

TEST_F(PhotoTest, AReaderThatHangsOrCrashesIsOneMessage) {
    const auto script = [this](const char* name, const char* body) {
        std::ofstream(Path(name)) << "#!/bin/sh\n" << body << "\n";
        chmod(Path(name).c_str(), 0755);
        return Path(name);
    };
    ASSERT_TRUE(MakePhoto(Path("photo.jpg"), NikonD70Tags()));
    // Stopped by the clock or by the user (the runner's own test times it).
    PhotoCamera camera;
    std::string why;
    EXPECT_FALSE(ReadPhotoWith(
        KADREL_PHOTO_HELPER, Path("photo.jpg").c_str(), &camera, &why,
        [](const char* const*, int, std::string*) { return HelperOutcome::kTimedOut; }));
    EXPECT_EQ(why, "reading it took too long");
    EXPECT_FALSE(ReadPhotoWith(
        KADREL_PHOTO_HELPER, Path("photo.jpg").c_str(), &camera, &why,
        [](const char* const*, int, std::string*) { return HelperOutcome::kCancelled; }));
    EXPECT_EQ(why, kCancelledRead);
    EXPECT_EQ(
        Refusal(Path("photo.jpg"),
                script("crashes", "echo 'kadrel-photo 1'; echo 'focal 50'; kill -SEGV $$").c_str()),
        "the photo reader failed on it");
    EXPECT_EQ(Refusal(Path("photo.jpg"),
                      script("lies", "printf 'kadrel-photo 1\\nfocal -50\\nend\\n'").c_str()),
              "the photo reader failed on it");
    EXPECT_EQ(Refusal(Path("photo.jpg"),
                      script("fails", "printf 'kadrel-photo 1\\nend\\n'; exit 3").c_str()),
              "the photo reader failed on it");
    EXPECT_EQ(Refusal(Path("photo.jpg"), Path("no-reader").c_str()),
              "the photo reader failed on it");
}

TEST(PhotoMapping, NamesAndFormulas) {
    EXPECT_EQ(CameraName("Canon\0\0"s, "Canon EOS 20D  "), "Canon EOS 20D");
    EXPECT_EQ(CameraName("NIKON CORPORATION", "NIKON D70"), "NIKON D70");
    EXPECT_EQ(CameraName("  OLYMPUS IMAGING CORP.  ", "E-M5"), "OLYMPUS IMAGING CORP. E-M5");
    EXPECT_EQ(CameraName("", "\nX\x01\xE9"), "X");
    EXPECT_EQ(CameraName("Leica", ""), "Leica");

    double w = 0, h = 0;
    EXPECT_FALSE(SensorFromCrop(0, 1.5, &w, &h));
    EXPECT_FALSE(SensorFromCrop(1.5, std::nan(""), &w, &h));
    EXPECT_FALSE(SensorFromCrop(-1, 1.5, &w, &h));
    ASSERT_TRUE(SensorFromCrop(1, 1.5, &w, &h));  // 36 × 24 within the rounding of 43.27
    EXPECT_NEAR(w, 36.0028162359985, 1e-12);
    EXPECT_NEAR(h, 24.001877490665667, 1e-12);

    // The camera list as people read it: letters whatever their case, numbers by value.
    const char* const inOrder[] = {"Apple iPhone 6",     "Canon EOS 5D",   "Canon EOS 10D",
                                   "Canon EOS 20D",      "canon EOS 300D", "Canon EOS-1D",
                                   "Nikon D70",          "NIKON D700",     "Pentax Optio 430",
                                   "Pentax Optio 430 WR"};
    for (std::size_t i = 0; i + 1 < std::size(inOrder); ++i) {
        EXPECT_TRUE(CameraNameBefore(inOrder[i], inOrder[i + 1])) << inOrder[i];
        EXPECT_FALSE(CameraNameBefore(inOrder[i + 1], inOrder[i])) << inOrder[i];
    }
    EXPECT_FALSE(CameraNameBefore("Canon EOS 05D", "Canon EOS 5D"));

    // A body's own shape: 4:3 for Four Thirds, compacts and medium format.
    for (const auto& [crop, aspect] : {std::pair{1.0, 1.5},
                                       {1.525, 1.5},
                                       {1.6, 1.5},
                                       {2.0, 4.0 / 3},
                                       {2.7, 1.5},
                                       {4.85, 4.0 / 3},
                                       {0.79, 4.0 / 3}}) {
        EXPECT_EQ(BodyAspect(crop), aspect) << crop;
    }
}

TEST(PhotoProtocol, OnlyAWholeAndSaneAnswerIsTaken) {
    PhotoCamera c;
    std::string why;
    EXPECT_FALSE(ParsePhotoProtocol("kadrel-photo 1\nfocal 50\n", &c, &why));
    EXPECT_EQ(why, "");
    EXPECT_FALSE(ParsePhotoProtocol("kadrel-photo 1\nerror it is a folder\nend\n", &c, &why));
    EXPECT_EQ(why, "it is a folder");
    for (const char* forged : {"pixels 0 2000", "focal nan", "aperture inf", "focal 5 mm",
                               "sensor database 1e400 2 1", "distance -1 EXIF", "volume 11"}) {
        EXPECT_FALSE(
            ParsePhotoProtocol(std::string("kadrel-photo 1\n") + forged + "\nend\n", &c, &why))
            << forged;
    }
    ASSERT_TRUE(ParsePhotoProtocol("kadrel-photo 1\nfocal 50\ndistance inf EXIF\nend\n", &c, &why));
    EXPECT_DOUBLE_EQ(c.focal, 50);
    EXPECT_EQ(c.distance, DistanceKind::Infinite);
    EXPECT_FALSE(c.hasAperture);

    std::vector<CameraBody> bodies;
    ASSERT_TRUE(ParseCameraList("kadrel-photo 1\nbody 1.6 Canon\tCanon EOS 20D\nbody 0 X\tY\nend\n",
                                &bodies));
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_EQ(bodies[0].maker, "Canon");
    EXPECT_EQ(bodies[0].model, "Canon EOS 20D");
    EXPECT_DOUBLE_EQ(bodies[0].crop, 1.6);
}

// lensfun's lenses from a small database of the tests' own: the widest
// aperture at each calibrated focal length (f/3.67 at 20 mm, linear between
// 18 mm f/3.5 and 24 mm f/4); lenses that surely cover the body first, and a
// full-frame lens calibrated on a crop body still offered on full frame.
TEST(LensDatabase, WidestAperturesAndSearch) {
    std::vector<BagLens> lenses;
    ASSERT_TRUE(ReadLensesWith(KADREL_PHOTO_HELPER, KADREL_LENS_FIXTURE, &lenses));
    ASSERT_EQ(lenses.size(), 3u);
    const BagLens& zoom = lenses[0];
    EXPECT_EQ(zoom.name + ", " + zoom.mount, "Sony E 18-55mm f/3.5-5.6 OSS, Sony E");
    std::vector<double> widest;
    for (const ApertureAt& at : zoom.widest) {
        widest.insert(widest.end(), {at.focalMm, at.fNumber});
    }
    EXPECT_EQ(widest, std::vector<double>({18, 3.5, 24, 4, 35, 4.5, 55, 5.6}));
    EXPECT_NEAR(WidestApertureAt(zoom, 20), 3.67, 0.005);

    const char* const e1855 = "Sony E 18-55mm f/3.5-5.6 OSS";
    const char* const fe2870 = "Sony FE 28-70mm f/3.5-5.6 OSS";
    const char* const fe85 = "Sony FE 85mm f/1.8";
    const struct {
        const char* typed;
        double bodyCrop;
        std::vector<std::string> found;
    } table[] = {
        {"sony", 1, {fe85, e1855, fe2870}},
        {"SONY e", 1.5339, {e1855, fe2870, fe85}},
        {"fe 28", 1, {fe2870}},
        {"e 18-55", 1.5339, {e1855}},
        {"canon", 1, {}},
    };
    for (const auto& row : table) {
        std::vector<std::string> found;
        for (std::size_t i : FindLenses(lenses, row.typed, row.bodyCrop)) {
            found.push_back(lenses[i].name);
        }
        EXPECT_EQ(found, row.found) << row.typed;
    }
    EXPECT_FALSE(ReadLensesWith(KADREL_PHOTO_HELPER, "/no/such/lenses.xml", &lenses));
}

}  // namespace
