// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/optics/diffraction.h"
#include "core/planning/focus_plan.h"
#include "core/text/text_format.h"

namespace {

constexpr std::size_t kShotColumn = 6;  // characters: "shot" and a number up to 10000
constexpr std::size_t kColumn = 12;     // characters per length column

std::string Row(const std::vector<std::string>& cells) {
    std::string row;
    for (const std::string& cell : cells) {
        row += FitColumn(cell, row.empty() ? kShotColumn : kColumn, Overflow::Keep);
    }
    while (!row.empty() && row.back() == ' ') {
        row.pop_back();
    }
    return row + "\n";
}

std::string ShotRow(const StackPlan& plan, std::size_t i, Units units) {
    const StackShot& s = plan.shots[i];
    const std::string step =
        i > 0 ? FormatDepth(std::fabs(s.focus - plan.shots[i - 1].focus), units) : "";
    // The distances of a row in one unit; the depths are lengths of their own.
    const Magnitude unit = SharedMagnitude({s.focus, s.fromSensor, s.nearLimit, s.farLimit}, units);
    const auto distance = [&](double metres) { return FormatDistance(metres, units, unit); };
    return Row({TextFormat("%5zu", i + 1), distance(s.focus), distance(s.fromSensor),
                distance(s.nearLimit), distance(s.farLimit),
                FormatDepth(s.farLimit - s.nearLimit, units), step});
}

// The table after text, whose shots' lines go to listed when it is given.
std::string Table(const char* title, const StackPlan& plan, Units units, std::size_t maxRows,
                  const std::string& before, std::vector<ListedShot>* listed, bool bracket) {
    std::string text = std::string(title) + ": ";
    if (!plan.error.empty()) {
        return text + plan.error + ".\n";
    }
    double nearest = INFINITY;
    double farthest = 0;
    for (const StackShot& s : plan.shots) {
        nearest = std::min(nearest, s.nearLimit);
        farthest = std::max(farthest, s.farLimit);
    }
    const std::size_t count = plan.shots.size();
    text +=
        TextFormat("%zu shot%s, sharp from %s to %s\n", count, count == 1 ? "" : "s",
                   FormatDistance(nearest, units).c_str(), FormatDistance(farthest, units).c_str());
    text += Row({"shot", "focus", "from sensor", "near", "far", "depth", "step"});
    const std::size_t head = maxRows > 0 && count > maxRows ? maxRows / 2 : count;
    const std::size_t tail = head < count ? maxRows - head - 1 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i == head && tail > 0) {
            text +=
                TextFormat("    \u22ee %zu more, in the copy and the CSV\n", count - head - tail);
            i = count - tail;
        }
        if (listed != nullptr) {
            const auto line = std::count(before.begin(), before.end(), '\n') +
                              std::count(text.begin(), text.end(), '\n');
            listed->push_back({bracket, i, static_cast<std::size_t>(line)});
        }
        text += ShotRow(plan, i, units);
    }
    return text;
}

std::string OneShotText(const OneShot& o, double coc, Units units) {
    std::string text = TextFormat("One shot instead: focus at %s (%s from the sensor) at f/%.1f",
                                  FormatDistance(o.focus, units).c_str(),
                                  FormatDistance(o.fromSensor, units).c_str(), o.aperture);
    text += o.markedAperture > 0 ? TextFormat(", marked f/%g.\n", o.markedAperture)
                                 : ", past every marked stop.\n";
    text += TextFormat("Its Airy disc, %.1f \u00b5m, is %s the %.4f mm circle", o.airyDisc * 1e6,
                       DiffractionExceeds(o.airyDisc, coc) ? "wider than" : "within", coc * 1000);
    return text + (o.stackInstead ? ": take the stack instead.\n" : ".\n");
}

std::string BlurText(const PlanRequest& r, const BlurDisc& b, Units units) {
    std::string text = "Blur at " + FormatDistance(r.blurAt, units) + ", focused at " +
                       FormatDistance(r.focus, units) + ": ";
    if (!b.error.empty()) {
        return text + b.error + ".\n";
    }
    return text + TextFormat("%.3f mm on the sensor, %.0f px, %.1f %% of the frame width.\n",
                             b.diameter * 1000, b.pixels, b.frameShare * 100);
}

}  // namespace

std::string FocusPlanText(const Settings& settings, const CocChoice& coc, Units units,
                          const PlanRequest& request, const FocusPlan& plan, std::size_t maxRows,
                          std::vector<ListedShot>* listed) {
    std::string text =
        TextFormat("%g mm at f/%g, %s; zone %s to %s, overlap %.0f %%\n\n",
                   static_cast<double>(settings.focal), static_cast<double>(settings.aperture),
                   CocLabel(coc, settings).c_str(), FormatDistance(request.nearEnd, units).c_str(),
                   FormatDistance(request.farEnd, units).c_str(), request.overlap * 100);
    if (!plan.oneShot.error.empty()) {
        return text + "This zone cannot be planned: " + plan.oneShot.error + ".\n";
    }
    text += Table("Focus stack, near to far", plan.stack, units, maxRows, text, listed, false);
    if (std::isinf(request.farEnd)) {
        text += "\n";
        text += Table("Hyperfocal bracketing, from infinity", plan.bracket, units, maxRows, text,
                      listed, true);
    }
    text += "\n" + OneShotText(plan.oneShot, plan.zone.lens.circle, units);
    if (!std::isnan(request.focus)) {
        text += BlurText(request, plan.blur, units);
    }
    return text;
}
