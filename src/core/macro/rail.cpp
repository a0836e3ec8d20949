// SPDX-License-Identifier: MIT
#include "core/macro/rail.h"

#include <cmath>

#include "core/optics/diffraction.h"
#include "core/planning/focus_stack.h"
#include "core/text/text_format.h"
#include "core/text/units.h"

namespace {

bool Positive(double x) {
    return x > 0 && std::isfinite(x);
}

std::string CheckRail(const RailRequest& r) {
    if (!Positive(r.lens.focal) || !Positive(r.lens.aperture) || !Positive(r.lens.circle)) {
        return "the focal length, f-number and circle of confusion must be positive numbers";
    }
    if (!Positive(r.pupil)) {
        return "the pupil magnification must be a positive number";
    }
    if (!Positive(r.magnification)) {
        return "the magnification must be a positive number";
    }
    if (!Positive(r.subjectDepth)) {
        return "the subject's depth must be a positive length";
    }
    if (!(r.overlap >= 0 && r.overlap <= kMaxOverlap)) {
        return "the overlap must be between 0 and 50 %";
    }
    return "";
}

}  // namespace

// Depth at fixed magnification (Conrad, "Depth of Field in Depth"): the
// geometric 2 N c (1 + m/P) / m², the wave-optics 4 λ N_eff² / m². The
// subject sits f (1/m + 1/P) in front of the entrance pupil.
RailPlan PlanRail(const RailRequest& r) {
    RailPlan plan{};
    plan.error = CheckRail(r);
    if (!plan.error.empty()) {
        return plan;
    }
    const double m = r.magnification;
    plan.effectiveAperture = EffectiveAperture(r.lens.aperture, m, r.pupil);
    plan.geometricDepth = 2 * r.lens.aperture * r.lens.circle * (1 + m / r.pupil) / (m * m);
    plan.waveDepth = WaveDepth(plan.effectiveAperture, m);
    plan.depth = r.wave ? plan.waveDepth : plan.geometricDepth;
    plan.step = plan.depth * (1 - r.overlap);
    plan.workingDistance = r.lens.focal * (1 / m + 1 / r.pupil);
    const double beyond = (r.subjectDepth - plan.depth) / plan.step;
    if (beyond > kMaxShots) {
        plan.error = TextFormat("the subject needs more than %d shots", kMaxShots);
        return plan;
    }
    plan.shots = beyond > 0 ? 1 + static_cast<int>(std::ceil(beyond)) : 1;
    return plan;
}

bool ParseMagnification(const std::string& text, double* magnification) {
    const std::size_t colon = text.find(':');
    double value = 0;
    if (colon == std::string::npos) {
        if (!ParsePlainNumber(text, &value)) {
            return false;
        }
    } else {
        double image = 0, subject = 0;
        if (!ParsePlainNumber(text.substr(0, colon), &image) ||
            !ParsePlainNumber(text.substr(colon + 1), &subject) || !(subject > 0)) {
            return false;
        }
        value = image / subject;
    }
    if (!Positive(value)) {
        return false;
    }
    *magnification = value;
    return true;
}
