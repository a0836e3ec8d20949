// The figures beyond the report as text: the details window and the report's
// tooltip, and the plain text that goes to the clipboard beside the panel's
// picture. Labels are 16 characters wide, as in the report, so the figures
// form a column in a monospaced font.
#pragma once

#include <string>

#include "core/optics.h"
#include "core/sharp_zone.h"

// Sharp zone, magnification, diffraction and, up close, the exact figures.
std::string ComposeDetails(const SharpZone& zone, double d, float aperture);

// Sensor in mm and pixels, focal length and f-number, as the fields show them.
std::string ComposeCameraLine(const Settings& settings);

// The camera line, the report as shown, then the near and far limits.
std::string ComposePlainText(const Settings& settings, const std::string& report,
                             const SharpZone& zone);
