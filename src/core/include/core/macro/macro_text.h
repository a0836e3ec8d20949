// SPDX-License-Identifier: MIT
// The rail stack and the tilted lens's wedge as text for a monospaced font,
// the same in their windows, on the clipboard and on the command line.
#pragma once

#include <string>

#include "core/macro/rail.h"
#include "core/macro/tilt.h"
#include "core/optics/circle_of_confusion.h"
#include "core/planning/focus_plan.h"
#include "core/text/units.h"

// The magnification and working distance the plan assumes, both depths and
// which one it goes by, the step and how many shots; or why there is none.
std::string RailText(const RailRequest& request, const RailPlan& plan, Units units);

// For the Plan window's zone: the rail stack that covers it with the lens
// focused on its near end, when that is a close-up (1:20 or more) and the
// far end is finite, after a blank line; empty otherwise.
std::string ZoneRailText(const Settings& settings, const CocChoice& coc, Units units,
                         const PlanRequest& zone);

// The hinge, the plane of focus and the planes bounding the wedge, and the
// zone at distanceOut from the lens. cocLabel says which circle is in use.
std::string TiltText(const TiltSetup& setup, const std::string& cocLabel, double distanceOut,
                     Units units);
