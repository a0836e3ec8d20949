// SPDX-License-Identifier: MIT
// The exact thin-lens limits of sharpness, for every figure beside the report
// that must hold up close: the details, the focus stack, the tables and the
// command line. Distances are in metres, measured from the lens.
#pragma once

struct SharpLimits {
    double nearLimit;  // m
    double farLimit;   // m; +inf once the focus reaches the hyperfocal distance
};

// f²/(N c): the hyperfocal distance without the focal length added, H′.
double HyperfocalPrime(double focal, double aperture, double coc);

// Focused at s: near = H′s/(H′ + s − f), far = H′s/(H′ − (s − f)). A far
// denominator at or below 1e-9·H′ counts as infinity, so the hyperfocal
// distance itself and a rounding step short of it give ∞, not a huge number.
SharpLimits ExactLimits(double focal, double aperture, double coc, double s);

// The f-number that gives the thin-lens limits the close-up depth of a lens of
// pupil magnification P focused at s: total depth 2 N c (1 + m/P) / m²
// (Conrad, "Depth of Field in Depth") in place of the symmetric 2 N c (1 + m)
// / m², so N(1 + m/P)/(1 + m). A symmetric lens (P = 1) keeps N exactly.
double PupilAperture(double focal, double aperture, double pupil, double s);
