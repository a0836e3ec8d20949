// SPDX-License-Identifier: MIT
#include "core/planning/focus_plan.h"

#include <cmath>

FocusPlan MakeFocusPlan(const Settings& settings, const CocChoice& coc,
                        const PlanRequest& request) {
    FocusPlan plan;
    const Lens lens = LensInUse(coc, settings);
    const double focal = lens.focal;
    const double c = lens.circle;
    plan.zone = {lens,           request.nearEnd, request.farEnd, request.overlap,
                 settings.pupil, request.wave};
    plan.stack = PlanFocusStack(plan.zone);
    if (std::isinf(request.farEnd)) {
        plan.bracket = PlanHyperfocalBracket(plan.zone);
    }
    plan.oneShot =
        PlanOneShot(focal, c, request.nearEnd, request.farEnd, settings.pupil, request.lens);
    plan.blur = ComputeBlurDisc(focal, settings.aperture, request.focus, request.blurAt,
                                Metres(settings.xsize), settings.xresol);
    return plan;
}
