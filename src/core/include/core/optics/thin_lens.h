// SPDX-License-Identifier: MIT
// The exact thin-lens limits of sharpness, for every figure beside the report
// that must hold up close: the details, the focus stack, the tables and the
// command line. Distances are in metres, measured from the lens.
#pragma once

#include "core/text/units.h"

struct SharpLimits {
    double nearLimit;  // m
    double farLimit;   // m; +inf once the focus reaches the hyperfocal distance
};

// A lens at an aperture, judged by a circle of confusion: every length in
// metres. Millimetres, as the user types and reads them, are converted at
// the edges (fields, files, text) and nowhere else.
struct Lens {
    double focal;     // m
    double aperture;  // f-number
    double circle;    // m, the circle of confusion
};

// f²/(N c): the hyperfocal distance without the focal length added, H′.
double HyperfocalPrime(const Lens& lens);

// H′ + f, from the lens: focused there, the far limit is at infinity.
double Hyperfocal(const Lens& lens);

// Focused at s: near = H′s/(H′ + s − f), far = H′s/(H′ − (s − f)). A far
// denominator at or below 1e-9·H′ counts as infinity, so the hyperfocal
// distance itself and a rounding step short of it give ∞, not a huge number.
SharpLimits ExactLimits(const Lens& lens, double s);

// The f-number that gives the thin-lens limits the close-up depth of a lens of
// pupil magnification P focused at s: total depth 2 N c (1 + m/P) / m²
// (Conrad, "Depth of Field in Depth") in place of the symmetric 2 N c (1 + m)
// / m², so N(1 + m/P)/(1 + m). A symmetric lens (P = 1) keeps N exactly.
double PupilAperture(double focal, double aperture, double pupil, double s);
