// SPDX-License-Identifier: MIT
// Setups pinned for the run and compared with the live one.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/tables.h"
#include "core/tables/comparison_text.h"
#include "core/text/text_format.h"

std::vector<Pin> pins;

namespace {

// The cursor's distance, as the report has it.
double CursorDistance() {
    double d = 0;
    double ignored = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &ignored);
    return d;
}

}  // namespace

ShotSetup LiveSetup(double d) {
    return {settings.xsize, settings.focal, settings.aperture, CocMm(), d};
}

void PinLiveSetup() {
    if (pins.size() >= static_cast<std::size_t>(kMaxPins)) {
        return;
    }
    const ShotSetup setup = LiveSetup(CursorDistance());
    pins.push_back({TextFormat("%g f/%g", setup.focalMm, setup.aperture), setup});
    OpenDetails();  // the comparison follows at once
}

void RenamePin(std::size_t index) {
    if (index >= pins.size()) {
        return;
    }
    std::string name = pins[index].name;
    const std::string message = TextFormat(
        "A short name for the pinned setup (up to %zu characters shown):", kColumnWidth - 1);
    if (PromptPopupText("kadrel", message.c_str(), &name) == 1 &&
        name.find_first_not_of(" \t") != std::string::npos) {
        pins[index].name = name;
        OpenDetails();  // the comparison follows at once
    }
}

void RemovePin(std::size_t index) {
    if (index < pins.size()) {
        pins.erase(pins.begin() + static_cast<std::ptrdiff_t>(index));
        OpenDetails();  // the comparison follows at once
    }
}

std::string ComparisonText(double d) {
    if (pins.empty()) {
        return {};
    }
    std::vector<std::string> names{"Live"};
    std::vector<ShotSetup> setups{LiveSetup(d)};
    for (const Pin& pin : pins) {
        names.push_back(pin.name);
        setups.push_back(pin.setup);
    }
    return ComposeComparison(names, setups, TableUnits());
}
