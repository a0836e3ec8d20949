// SPDX-License-Identifier: MIT
#include "core/tables/side_view.h"

#include <cmath>

#include "core/optics/details_text.h"
#include "core/optics/diffraction.h"
#include "core/text/text_format.h"

namespace {

// A pin keeps no pupil: like the compared setups, it takes a symmetric lens.
constexpr double kSymmetricPupil = 1;

// From a millimetre to beyond the Moon's distance: the farthest focus the
// panel takes.
constexpr double kFirstTickMetres = 1e-3;
constexpr double kLastTickMetres = 1e9;

ZoneBand PinBand(const NamedSetup& pin) {
    const ShotSetup& s = pin.setup;
    const SetupFigures figures = ComputeSetupFigures(s);
    const double focalMm = Millimetres(s.lens.focal);  // in the order it always was
    const double magnification = focalMm / (s.distance * 1000 - focalMm);
    const bool outOfReach = DiffractionExceeds(
        AiryDiscDiameter(s.lens.aperture, magnification, kSymmetricPupil), s.lens.circle);
    return {pin.name, s.distance, figures.nearLimit, figures.farLimit, outOfReach};
}

std::string Whole(double value) {
    return TextFormat(value >= 1 ? "%.0f" : "%g", value);
}

// A tick stands at 1, 2 or 5 × 10ⁿ metres or feet: its label is that round
// figure, in millimetres or kilometres where metres would take many digits.
std::string TickLabel(double value, Units units) {
    if (units == Units::Imperial) {
        return Whole(value) + "\u2032";
    }
    if (value < 1) {
        return Whole(value * 1000) + " mm";
    }
    return value >= 1000 ? Whole(value / 1000) + " km" : Whole(value) + " m";
}

}  // namespace

double ScalePosition(double d, double hyperfocal) {
    if (std::isinf(d) && d > 0) {
        return 1;
    }
    return d / (d + hyperfocal);
}

std::vector<ScaleTick> ScaleTicks(double hyperfocal, Units units, double minGap) {
    const double unit = units == Units::Metric ? 1 : kFootMetres;
    std::vector<ScaleTick> ticks;
    double last = 0;  // the lens
    for (double decade = kFirstTickMetres; decade <= kLastTickMetres; decade *= 10) {
        for (double step : {1.0, 2.0, 5.0}) {
            const double x = ScalePosition(step * decade * unit, hyperfocal);
            if (x - last >= minGap && 1 - x >= minGap) {
                ticks.push_back({x, TickLabel(step * decade, units)});
                last = x;
            }
        }
    }
    ticks.push_back({1, FormatDistance(INFINITY, units)});
    return ticks;
}

SideView ComposeSideView(const Settings& settings, const CocChoice& coc, double d,
                         const std::vector<NamedSetup>& pins) {
    const SharpZone live = SharpZoneAt(settings, coc, d);
    SideView view{live.hyperfocal, live.hyperfocalNear, {}};
    view.zones.push_back({"Live", d, live.nearLimit, live.farLimit, live.diffractionLimited});
    for (const NamedSetup& pin : pins) {
        view.zones.push_back(PinBand(pin));
    }
    return view;
}

std::string DescribeZone(const ZoneBand& band, Units units) {
    std::string line = band.name + ": focused at " + FormatDistance(band.focus, units) +
                       ", Near limit " + FormatDistance(band.nearLimit, units) + ", Far limit " +
                       FormatDistance(band.farLimit, units);
    if (band.outOfReach) {
        line += std::string("; this sharp zone ") + kOutOfReach;
    }
    return line;
}

std::string DescribeSideView(const SideView& view, Units units) {
    std::string text = "Side view, from the lens on the left to \u221e on the right\n";
    text += "Hyperfocal distance " + FormatDistance(view.hyperfocal, units) + ", half of it " +
            FormatDistance(view.hyperfocalNear, units) + "\n";
    for (const ZoneBand& band : view.zones) {
        text += DescribeZone(band, units) + "\n";
    }
    return text;
}
