// SPDX-License-Identifier: MIT
// Setups pinned, kept in the bag across runs, and compared with the live one.
#include "app/bag.h"
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

// The pins as the bag keeps them, saved at once.
void KeepPins() {
    bag.pins.clear();
    for (const Pin& pin : pins) {
        const ShotSetup& s = pin.setup;
        bag.pins.push_back({pin.name, pin.body, pin.lens, s.focalMm, s.aperture, s.distance,
                            s.sensorWidthMm, s.cocMm});
    }
    WriteBagFile();
    RefreshBagWindow();
}

}  // namespace

void TakePinsFromBag() {
    pins.clear();
    for (const BagPin& p : bag.pins) {
        if (pins.size() < static_cast<std::size_t>(kMaxPins)) {
            pins.push_back({p.name,
                            {p.sensorWidthMm, p.focalMm, p.aperture, p.cocMm, p.distanceM},
                            p.body,
                            p.lens});
        }
    }
}

ShotSetup LiveSetup(double d) {
    return {settings.xsize, settings.focal, settings.aperture, CocMm(), d};
}

void PinLiveSetup() {
    if (pins.size() >= static_cast<std::size_t>(kMaxPins)) {
        return;
    }
    const ShotSetup setup = LiveSetup(CursorDistance());
    const BagLens* lens = ChosenLens();
    pins.push_back({TextFormat("%g f/%g", setup.focalMm, setup.aperture), setup, BodyOnPanel(),
                    lens != nullptr ? lens->name : ""});
    KeepPins();
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
        KeepPins();
        OpenDetails();  // the comparison follows at once
    }
}

void RemovePin(std::size_t index) {
    if (index < pins.size()) {
        pins.erase(pins.begin() + static_cast<std::ptrdiff_t>(index));
        KeepPins();
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
