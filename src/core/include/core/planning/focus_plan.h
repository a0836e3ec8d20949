// SPDX-License-Identifier: MIT
// Everything the Plan window, its copy and `kadrel stack` say about one zone:
// the focus stack, the hyperfocal bracketing when the zone reaches infinity,
// the one frame that could do instead, and the blur of a point off the focus.
// One function gathers it and one writes it, so the three cannot differ.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/optics/blur_disc.h"
#include "core/optics/circle_of_confusion.h"
#include "core/optics/optics.h"
#include "core/planning/focus_stack.h"
#include "core/planning/one_shot.h"
#include "core/text/units.h"

struct PlanRequest {
    double nearEnd;     // m from the lens
    double farEnd;      // m; +inf for a zone out to infinity
    double overlap;     // 0 … kMaxOverlap
    double focus;       // m: where the lens is focused, for the blur; NaN for no blur
    double blurAt;      // m: the point whose blur disc is asked for; +inf allowed
    bool wave = false;  // each shot's depth by wave optics instead of geometry
    LensStops lens{};   // the one shot's stop among those the lens has
};

struct FocusPlan {
    StackZone zone;
    StackPlan stack;
    StackPlan bracket;  // planned only when the far end is infinite
    OneShot oneShot;
    BlurDisc blur;
};

// The camera and lens from settings (the focal length and aperture as the
// panel has them), the circle of confusion as chosen.
FocusPlan MakeFocusPlan(const Settings& settings, const CocChoice& coc, const PlanRequest& request);

// A shot's row in the plan's text: the stack's (bracket false) or the
// bracketing's shot, on the text's line (from 0).
struct ListedShot {
    bool bracket;
    std::size_t shot;
    std::size_t line;
};

// The plan as text for a monospaced font, lengths in the chosen units. A table
// longer than maxRows shows its first and last shots around a line saying how
// many are left out (0: every shot). Where listed is given, it gets the shots
// the text lists, in its order.
std::string FocusPlanText(const Settings& settings, const CocChoice& coc, Units units,
                          const PlanRequest& request, const FocusPlan& plan, std::size_t maxRows,
                          std::vector<ListedShot>* listed = nullptr);
