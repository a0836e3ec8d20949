// SPDX-License-Identifier: MIT
// The figures beyond the report as text: the details window, the report's
// tooltip, the command line, and the plain text that goes to the clipboard
// beside the panel's picture. All of them come from here, so they cannot
// drift apart. Labels are 16 characters wide, as in the report, so the
// figures form a column in a monospaced font.
#pragma once

#include <string>

#include "core/optics/circle_of_confusion.h"
#include "core/optics/optics.h"
#include "core/optics/sharp_zone.h"
#include "core/text/units.h"

// The subject at d metres from the lens: the circle in use, the exact sharp
// zone, the hyperfocal distance, magnification and diffraction, and up close
// the report's approximation against the exact depth.
std::string ComposeDetails(const Settings& settings, const CocChoice& coc, Units units, double d);

// The panel's report r for the subject at d in the chosen units, and under it,
// for any circle but one pixel, the circle it takes (r must be worked out
// with ReportCircle).
std::string ComposePanelReport(const DepthOfField& r, double d, const Settings& settings,
                               const CocChoice& coc, Units units);

// The exact sharp zone those figures give, for the pictures drawn from them.
SharpZone SharpZoneAt(const Settings& settings, const CocChoice& coc, double d);

// Sensor in mm and pixels, focal length and f-number, as the fields show them.
std::string ComposeCameraLine(const Settings& settings);

// The camera line, the report as shown, then the circle in use (unless the
// report names it, as it does any circle but one pixel) and the near and far
// limits.
std::string ComposePlainText(const Settings& settings, const CocChoice& coc, Units units,
                             const std::string& report, double d);

// Reproduction as photographers write it: "1:415.7" below life size,
// "20.0:1" above.
std::string MagnificationText(double magnification);
