// SPDX-License-Identifier: MIT
// Camera and lens arithmetic, free of any user interface: the sensor's
// geometry, the scale line, and depth of field at a subject distance, with
// one pixel as the circle of confusion unless another is given (thin-lens
// model).
//
// Arithmetic runs in double precision from the single-precision settings; a
// result is rounded to float where the program keeps it, and later steps use
// the rounded value, so the figures match those the program has always shown.
#pragma once

#include <string>

#include "core/text/units.h"

struct Settings {
    float xsize = 22.5f;    // sensor width, mm
    float ysize = 15.0f;    // sensor height, mm
    int xresol = 3504;      // pixels across the width
    int yresol = 2336;      // pixels across the height
    float focal = 24.0f;    // focal length, mm
    float aperture = 3.5f;  // f-number
    float dmax = 10.0f;     // far end of the scale line, m
    // The lens's exit pupil over its entrance pupil: 1 for a symmetric lens,
    // about 0.5 for a long macro lens, 2 for a retrofocus wide angle. Typed in
    // the details or plan window; kadrel.ini does not hold it.
    float pupil = 1.0f;
};

// Factory values: what a new Settings holds.
inline const Settings kFactorySettings{};

struct Geometry {
    float ratio;            // width over height
    float pixelRatio;       // xresol over yresol
    float diagonal;         // mm
    float angle;            // diagonal angle of view, degrees
    float vertical;         // degrees
    float horizontal;       // degrees
    float dmin;             // near end of the scale line: four focal lengths, m
    float pixelsize;        // mm per pixel
    bool notThreeTwo;       // aspect ratio not 1.5 within 0.001 (NaN counts as not)
    bool rectangular;       // pixels not square within 0.001 (NaN counts as not)
    double x1, y1, x2, y2;  // the scale line, from dmin to dmax
};

Geometry ComputeGeometry(const Settings& s);

// Sensor width over pixels across it, in mm, rounded to a float as the
// program keeps it: the report's circle of confusion.
float PixelPitch(const Settings& s);

// Millimetres of subject that one pixel covers at distance d (m): one pixel
// divided by the magnification focal / (1000 d - focal).
double ScaleAt(float pixelsize, float focal, double d);

struct DepthOfField {
    double scale;  // mm per pixel at d
    float dh;      // hyperfocal distance f²/(N c), m
    float front;   // depth in front of the subject, m
    float rear;    // depth behind it, m; +inf once the far limit is at infinity
    float dof;     // rear + front
    double width;  // field of view at d, m
    double height;
    double area;  // m²
};

DepthOfField ComputeDepthOfField(float pixelsize, float focal, int xresol, int yresol,
                                 float aperture, double d);
// The same with another circle of confusion (mm) in the hyperfocal distance
// and the depths; the scale and the field stay those of one pixel.
DepthOfField ComputeDepthOfField(float pixelsize, float focal, int xresol, int yresol,
                                 float aperture, double d, float circle);

// The seven-line report for the subject distance d, whole however long; in
// imperial units its lengths are in feet and inches, the field in feet.
std::string ComposeReport(const DepthOfField& dof, double d, Units units = Units::Metric);
