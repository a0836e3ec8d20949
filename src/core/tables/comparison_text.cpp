// SPDX-License-Identifier: MIT
#include "core/tables/comparison_text.h"

#include <cmath>

#include "core/tables/table_text.h"
#include "core/text/text_format.h"

namespace {

// One row: its label, then one column per setup.
template <typename Cell>
std::string Row(const char* label, std::size_t count, Cell cell) {
    std::string row = FitColumn(label, kLabelWidth);
    for (std::size_t i = 0; i < count; ++i) {
        row += FitColumn(cell(i), kColumnWidth);
    }
    while (!row.empty() && row.back() == ' ') {
        row.pop_back();
    }
    return row + "\n";
}

}  // namespace

std::string ComposeComparison(const std::vector<std::string>& names,
                              const std::vector<ShotSetup>& setups, Units units) {
    std::vector<SetupFigures> figures;
    for (const ShotSetup& setup : setups) {
        figures.push_back(ComputeSetupFigures(setup));
    }
    const std::size_t n = setups.size();
    const auto distance = [units](double metres) { return FormatDistance(metres, units); };
    std::string text = "Setups compared, exact thin-lens figures:\n";
    text += Row("", n, [&](std::size_t i) { return names[i]; });
    text += Row("Setup", n, [&](std::size_t i) {
        const Lens& lens = setups[i].lens;
        return TextFormat("%g mm f/%g", Millimetres(lens.focal), lens.aperture);
    });
    text += Row("Focused at", n, [&](std::size_t i) { return distance(setups[i].distance); });
    text += Row("Near limit", n, [&](std::size_t i) { return distance(figures[i].nearLimit); });
    text += Row("Far limit", n, [&](std::size_t i) { return distance(figures[i].farLimit); });
    text += Row("Depth of field", n,
                [&](std::size_t i) { return FormatDepth(figures[i].depth, units); });
    text += Row("Hyperfocal", n, [&](std::size_t i) { return distance(figures[i].hyperfocal); });
    text += Row("Field width", n, [&](std::size_t i) { return distance(figures[i].fieldWidth); });
    text += Row("Background blur", n, [&](std::size_t i) {
        const double blur = figures[i].backgroundBlurMm;
        return std::isnan(blur) ? std::string("\u2013") : TextFormat("%.2f mm", blur);
    });
    std::vector<DepthMatch> matches{{}};
    for (std::size_t i = 1; i < n; ++i) {
        matches.push_back(MatchDepth(setups[i], setups[0]));
    }
    text += Row("Match depth", n, [&](std::size_t i) -> std::string {
        const DepthMatch& m = matches[i];
        if (i == 0) {
            return "";
        }
        if (m.matched) {
            return ApertureText(setups[i].lens.aperture) + ", matched";
        }
        return std::isnan(m.exact) ? "none" : TextFormat("f/%.3g needed", m.exact);
    });
    text += Row("  framed at", n, [&](std::size_t i) {
        return i == 0 ? std::string() : distance(matches[i].distance);
    });
    const auto stop = [&](std::size_t i, MarkedStop DepthMatch::*side) {
        const MarkedStop& s = matches[i].*side;
        if (i == 0 || s.aperture == 0) {
            return std::string(i == 0 ? "" : "\u2013");
        }
        return ApertureText(s.aperture) + ": " + FormatDepth(s.depth, units);
    };
    text += Row("  stop below", n, [&](std::size_t i) { return stop(i, &DepthMatch::below); });
    text += Row("  stop above", n, [&](std::size_t i) { return stop(i, &DepthMatch::above); });
    return text;
}
