// SPDX-License-Identifier: MIT
// What a photo tells of its camera, and what kadrel takes from it.
//
// The metadata reader (a helper process, kadrel-photo) fills PhotoFacts with
// the raw values as the file holds them; CameraFromFacts decides what is
// usable, where each value comes from and what is missing. It trusts nothing:
// any fact may be absent, zero, negative, NaN or absurd.
#pragma once

#include <string>
#include <vector>

// A rational as stored: numerator over denominator, both widened to double
// (EXIF rationals are 32-bit, so this is exact).
struct Fraction {
    bool present = false;
    double num = 0;
    double den = 1;
};

struct PhotoFacts {
    std::string make, model;  // as read, padding and all
    Fraction focal;           // mm
    Fraction fNumber;
    Fraction captureWidth, captureHeight;  // the capture's pixels, kept by a resized copy
    long imageWidth = 0, imageHeight = 0;  // the file's own pixels; 0 unknown
    Fraction subjectDistance;              // EXIF, m from the sensor; 0xFFFFFFFF/x is infinity
    Fraction canonUpper, canonLower;       // Canon file info, cm; 65535 or -1 is infinity
    Fraction nikonFocusDistance;           // Nikon lens data byte b: 0.01 m × 10^(b/40)
    Fraction focal35;                      // focal length in 35 mm film, mm
    Fraction planeXResolution, planeYResolution;  // pixels per unit on the focal plane
    Fraction planeUnit;                           // 2 inch (the default), 3 cm, 4 mm, 5 µm
    double crop = 0;                              // the camera database's crop factor; 0 none
    std::string databaseMaker, databaseModel;     // the database's names for the body
    std::string lensModel;                        // the lens the photo names, as read
    std::string databaseLens;                     // the database's name for that lens
};

enum class SensorSource { None, Database, Film35, FocalPlane };
enum class DistanceKind { None, Finite, Infinite };

struct PhotoCamera {
    std::string camera;  // "Nikon D70"; empty when the photo names none
    std::string lens;    // the database's name of the photo's lens; empty when unknown
    SensorSource sensorSource = SensorSource::None;
    double xsize = 0, ysize = 0;  // mm
    double crop = 0;              // from the database or the 35 mm focal length
    bool hasPixels = false;
    long xresol = 0, yresol = 0;
    bool hasFocal = false;
    double focal = 0;  // mm
    bool hasAperture = false;
    double aperture = 0;
    DistanceKind distance = DistanceKind::None;
    double sensorDistance = 0;         // m from the sensor, as the photo says
    std::string distanceSource;        // "EXIF", "Canon maker note", "Nikon lens data"
    std::vector<std::string> missing;  // one plain sentence per value not taken, and why
};

PhotoCamera CameraFromFacts(const PhotoFacts& facts);

// Sensor width and height (mm) whose diagonal is 43.27 mm / crop, in the
// proportions of `aspect` (width over height). False for a crop or aspect
// that is not a positive finite number.
bool SensorFromCrop(double crop, double aspect, double* width, double* height);

// The distance from the lens (m) of a subject D metres from the sensor, for a
// thin lens of focal length f metres: s + s·f/(s − f) = D, so
// s = (D + √(D² − 4Df)) / 2. False when D < 4f, nearer than any focus.
bool LensDistanceFromSensor(double sensorDistance, double focal, double* lensDistance);

// "Canon", "  Canon EOS 20D\0\0" → "Canon EOS 20D": both trimmed, the model
// alone when it starts with the make's first word; printable ASCII only.
std::string CameraName(const std::string& make, const std::string& model);

// Whether camera name a comes before b as people read a list: letters
// whatever their case, and numbers by their value ("EOS 5D" before "EOS 10D").
bool CameraNameBefore(const std::string& a, const std::string& b);

// The shape (width over height) of a body known only by its crop factor:
// 4:3 for Four Thirds (crop 1.9 to 2.1), for compacts' small sensors (above
// 3) and for medium format (below 1); 3:2 for the rest, 1-inch to full frame.
double BodyAspect(double crop);

// Printable ASCII, outer blanks and NULs removed, inner control bytes as spaces.
std::string TrimmedAscii(const std::string& text);
