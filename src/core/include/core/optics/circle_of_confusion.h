// SPDX-License-Identifier: MIT
// The circle of confusion: the largest blur spot still taken as sharp. Every
// figure, the panel's report included, uses the choice made in the
// preferences, which is kept as chosen (2 px, d/1500, …) and worked out in
// millimetres for the camera at hand; out of the box it is one pixel.
#pragma once

#include <string>

#include "core/optics/optics.h"
#include "core/optics/thin_lens.h"

enum class CocKind { Pixels, DiagonalOver, Millimetres, Print };

struct CocChoice {
    CocKind kind = CocKind::Pixels;
    double value = 1;      // N pixels | the N of d/N | mm | the print's long side, mm
    double viewingMm = 0;  // print only: how far it is viewed from
};

// Reads "1 px" (0.5 to 10 pixels), "d/1500" (the sensor diagonal over 100 to
// 10000), "0.030 mm" (0.001 to 1 mm) or "print 297 mm at 500 mm" (each 10 mm
// to 100 m; lengths take the distance units, a bare number is millimetres).
// False, leaving *choice alone, for anything else.
bool ParseCoc(const std::string& text, CocChoice* choice);

// The choice as preferences.ini spells it; ParseCoc reads it back unchanged.
std::string CocText(const CocChoice& choice);

// The circle in millimetres for this camera; NaN when the camera gives none
// (no pixels, no sensor).
double CocMillimetres(const CocChoice& choice, const Settings& settings);

// The circle as the report takes it, in mm rounded to a float: one pixel is
// then the pixel pitch itself, as the report has always had it; a camera
// without a circle falls back to it.
float ReportCircle(const CocChoice& choice, const Settings& settings);

// The panel's lens at its aperture with the circle chosen, in metres.
Lens LensInUse(const CocChoice& choice, const Settings& settings);

// The choice out of the box, one pixel, with which the panel looks as it always has.
bool IsOnePixel(const CocChoice& choice);

// What is shown beside a figure that depends on the circle:
// "CoC 0.0180 mm = d/1500", or "CoC 0.0300 mm" for a length chosen as such.
std::string CocLabel(const CocChoice& choice, const Settings& settings);
