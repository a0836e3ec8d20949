// SPDX-License-Identifier: MIT
#include "core/planning/focus_plan.h"

#include <cmath>

FocusPlan MakeFocusPlan(const Settings& settings, const CocChoice& coc,
                        const PlanRequest& request) {
    FocusPlan plan;
    const double focal = settings.focal / 1000.0;
    const double c = CocMillimetres(coc, settings) / 1000;
    plan.zone = {focal,           settings.aperture, c,           request.nearEnd, request.farEnd,
                 request.overlap, settings.pupil,    request.wave};
    plan.stack = PlanFocusStack(plan.zone);
    if (std::isinf(request.farEnd)) {
        plan.bracket = PlanHyperfocalBracket(plan.zone);
    }
    plan.oneShot =
        PlanOneShot(focal, c, request.nearEnd, request.farEnd, settings.pupil, request.lens);
    plan.blur = ComputeBlurDisc(focal, settings.aperture, request.focus, request.blurAt,
                                settings.xsize / 1000.0, settings.xresol);
    return plan;
}
