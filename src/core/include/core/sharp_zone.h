// What a photographer asks after the report: where the sharp zone starts and
// ends, how large the subject is on the sensor, when diffraction blurs more
// than the one-pixel circle of confusion, and how far the report's usual
// approximation strays up close, where the exact thin-lens figures differ.
#pragma once

#include "core/optics.h"

// Green light, the usual reference for diffraction.
constexpr double kWavelength = 550e-9;  // m
// The Airy disc may grow to this many pixels before it blurs more than the
// one-pixel circle of confusion allows.
constexpr double kAiryPixels = 2.0;
// From this magnification on, the approximation overstates the depth by more
// than about 5 %, so the exact figures are given beside it.
constexpr double kCloseUpMagnification = 1.0 / 20;

struct SharpZone {
    double nearLimit;         // m: d − front depth, the report's own figures
    double farLimit;          // m: d + rear depth; +inf from dh on
    double hyperfocalNear;    // m: focused at dh, sharp from dh/2 to infinity
    bool imaged;              // d beyond the focal length: there is an image
    double reproduction;      // (d − f)/f, the n of 1:n (meaningful when imaged)
    double airyMicrons;       // Airy disc diameter 2.44 λ N
    double airyPixels;        // the same in pixel widths
    double diffractionLimit;  // f-number at which the disc is kAiryPixels wide
    bool diffractionLimited;  // the aperture is past that f-number
    bool closeUp;             // magnification kCloseUpMagnification or more
    double exactNear;         // m, thin lens with H = f²/(N c) + f (close-up only)
    double exactFar;          // m; +inf from H on
    double exactDepth;        // m; +inf with the far limit
    double reportDepth;       // m: the report's total depth of field
};

// d is the subject distance in metres, measured from the lens; depth holds the
// report's figures for that distance.
SharpZone ComputeSharpZone(float pixelsize, float focal, float aperture, double d,
                           const DepthOfField& depth);

// A length for people: "∞", metres with two decimals from 1 m on, millimetres
// below (two decimals under 10 mm, one above), never "0.00 m".
std::string FormatLength(double metres);
