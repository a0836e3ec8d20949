// SPDX-License-Identifier: MIT
#include "core/macro/macro_text.h"

#include <cmath>

#include "core/optics/details_text.h"
#include "core/optics/sharp_zone.h"
#include "core/text/text_format.h"

namespace {

// Within a micrometre below, a point on the axis that rounding moved.
std::string Height(double metres, Units units) {
    return FormatDistance(std::fabs(metres), units) + (metres < -1e-6 ? " below" : " above");
}

std::string Crossing(double onAxis, Units units) {
    return std::isinf(onAxis) ? "never crossing the axis"
                              : "crossing the axis at " + FormatDistance(onAxis, units);
}

std::string Plane(const char* label, double angle, double onAxis, Units units) {
    return TextFormat("%-16s%.2f\u00b0 from the sensor plane, ", label, angle) +
           Crossing(onAxis, units) + "\n";
}

}  // namespace

std::string RailText(const RailRequest& r, const RailPlan& plan, Units units) {
    if (!plan.error.empty()) {
        return "Rail stack: " + plan.error + ".\n";
    }
    std::string text = "Rail stack      magnification " + MagnificationText(r.magnification) +
                       ", the subject " + FormatDistance(plan.workingDistance, units) +
                       " from the entrance pupil\n";
    text += TextFormat("Effective       f/%.2f", plan.effectiveAperture);
    if (r.pupil != 1) {
        text += TextFormat(" (pupil magnification %.2f)", r.pupil);
    }
    text += "\nDepth           " + FormatDepth(plan.geometricDepth, units) + " geometric, " +
            FormatDepth(plan.waveDepth, units) + " by wave optics; planned by " +
            (r.wave ? "wave optics" : "geometry") + "\n";
    text += "Rail step       " + FormatDepth(plan.step, units) +
            TextFormat(" (%.0f %% overlap)\n", r.overlap * 100);
    text += TextFormat("Shots           %d for a subject ", plan.shots) +
            FormatDepth(r.subjectDepth, units) + TextFormat(" deep (%d steps)\n", plan.shots - 1);
    return text;
}

std::string ZoneRailText(const Settings& s, const CocChoice& coc, Units units,
                         const PlanRequest& zone) {
    const Lens lens = LensInUse(coc, s);
    const double f = lens.focal;
    const double m = f / (zone.nearEnd - f);
    if (!(m >= kCloseUpMagnification) || !std::isfinite(zone.farEnd)) {
        return "";
    }
    const RailRequest request{lens,         s.pupil,  m, zone.farEnd - zone.nearEnd,
                              zone.overlap, zone.wave};
    return "\n" + RailText(request, PlanRail(request), units);  // a paragraph of its own
}

std::string TiltText(const TiltSetup& t, const std::string& cocLabel, double x, Units units) {
    const Wedge w = ComputeWedge(t);
    std::string text = TextFormat("Tilt %.2f\u00b0, focal length %.2f mm, f/%.2f, ", t.tilt,
                                  t.lens.focal * kMillimetresPerMetre, t.lens.aperture) +
                       cocLabel + "\n";
    text += "Hinge line      " + Height(-w.hinge, units) + " the lens\n";
    text += Plane("Plane of focus", w.focusAngle, t.focus, units);
    text += Plane("Near plane", w.nearAngle, w.nearOnAxis, units);
    text += Plane("Far plane", w.farAngle, w.farOnAxis, units);
    const WedgeSlice slice = SliceWedge(t, x);
    text += "Out at          " + FormatDistance(x, units) + "\n";
    text += "Sharp zone      " + Height(slice.lower, units) + " to " + Height(slice.upper, units) +
            " the axis (" + FormatDepth(slice.upper - slice.lower, units) + ")\n";
    text += "Focus there     " + Height(slice.focus, units) + " the axis\n";
    return text;
}
