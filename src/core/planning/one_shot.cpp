// SPDX-License-Identifier: MIT
#include "core/planning/one_shot.h"

#include <algorithm>

#include "core/optics/diffraction.h"
#include "core/optics/f_stops.h"
#include "core/optics/thin_lens.h"
#include "core/planning/focus_stack.h"

// Focused at s, the limits are 1/near = 1/s + (s − f)/(H′s) and 1/far =
// 1/s − (s − f)/(H′s). Both ends on the zone's ends give 1/s as the mean of
// 1/A and 1/B, and H′ = (2 − f(1/A + 1/B))/(1/A − 1/B); then N = f²/(c H′)
// for a symmetric lens, and N(1 + m)/(1 + m/P) for one of pupil magnification P.
OneShot PlanOneShot(double focal, double coc, double nearEnd, double farEnd, double pupil,
                    LensStops lens) {
    OneShot shot{};
    shot.error = CheckZone(focal, coc, nearEnd, farEnd);
    if (!shot.error.empty()) {
        return shot;
    }
    const double nearInverse = 1 / nearEnd;
    const double farInverse = 1 / farEnd;
    shot.focus = 2 / (nearInverse + farInverse);
    shot.fromSensor = FromSensorPlane(focal, shot.focus);
    const double hyperfocal = (2 - focal * (nearInverse + farInverse)) / (nearInverse - farInverse);
    shot.aperture = focal * focal / (coc * hyperfocal) / PupilAperture(focal, 1, pupil, shot.focus);
    const double marked = ThirdStopAtOrAbove(std::max(shot.aperture, lens.widest));
    shot.markedAperture = StopsWithin({marked}, lens).empty() ? 0 : marked;
    const double stop = shot.markedAperture > 0 ? shot.markedAperture : shot.aperture;
    shot.airyDisc = AiryDiscDiameter(stop, focal / (shot.focus - focal), pupil);
    shot.stackInstead = shot.markedAperture == 0 || DiffractionExceeds(shot.airyDisc, coc);
    return shot;
}
