// SPDX-License-Identifier: MIT
#include "core/tables/comparison_text.h"

#include <cmath>

#include "core/tables/table_text.h"
#include "core/text/text_format.h"

namespace {

bool ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

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

std::string FitColumn(const std::string& text, std::size_t width) {
    std::string fitted;
    std::size_t characters = 0;
    for (char c : text) {
        if (!ContinuationByte(c)) {
            if (characters + 1 >= width) {
                break;  // one blank stays between columns
            }
            ++characters;
        }
        fitted += c;
    }
    return fitted + std::string(width - characters, ' ');
}

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
        return TextFormat("%g mm f/%g", setups[i].focalMm, setups[i].aperture);
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
    text += Row("Match depth", n, [&](std::size_t i) -> std::string {
        if (i == 0) {
            return "";
        }
        const DepthMatch match = MatchDepth(setups[i], setups[0]);
        if (match.aperture == 0) {
            return "none";
        }
        return ApertureText(match.aperture) + " at " + distance(match.distance);
    });
    return text;
}
