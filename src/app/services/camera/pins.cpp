// SPDX-License-Identifier: MIT
// Setups pinned, kept in the bag across runs, and compared with the live one.
#include "core/tables/comparison_text.h"
#include "core/text/text_format.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/live_setup.h"

std::vector<Pin> pins;

namespace {

// The pins as the bag keeps them, saved at once.
void KeepPins() {
    bag.pins.clear();
    for (const Pin& pin : pins) {
        const ShotSetup& s = pin.setup;
        bag.pins.push_back({pin.name, pin.body, pin.lens, s.focalMm, s.aperture, s.distance,
                            s.sensorWidthMm, s.cocMm});
    }
    WriteBagFile();
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

ShotSetup LiveShot(const LiveSetup& live) {
    const Settings& camera = live.camera;
    return {camera.xsize, camera.focal, camera.aperture, live.cocMm, live.cursor};
}

bool PinLiveSetup() {
    if (pins.size() >= static_cast<std::size_t>(kMaxPins)) {
        return false;
    }
    const ShotSetup setup = LiveShot(CurrentSetup());
    const BagLens* lens = ChosenLens();
    pins.push_back({TextFormat("%g f/%g", setup.focalMm, setup.aperture), setup,
                    BodyFor(CurrentSetup().camera), lens != nullptr ? lens->name : ""});
    KeepPins();
    return true;
}

bool RenamePin(std::size_t index) {
    if (index >= pins.size()) {
        return false;
    }
    std::string name = pins[index].name;
    const std::string message = TextFormat(
        "A short name for the pinned setup (up to %zu characters shown):", kColumnWidth - 1);
    if (PromptPopupText("kadrel", message.c_str(), &name) != 1 ||
        name.find_first_not_of(" \t") == std::string::npos) {
        return false;
    }
    pins[index].name = name;
    KeepPins();
    return true;
}

bool RemovePin(std::size_t index) {
    if (index >= pins.size()) {
        return false;
    }
    pins.erase(pins.begin() + static_cast<std::ptrdiff_t>(index));
    KeepPins();
    return true;
}

std::string ComparisonText(const LiveSetup& live) {
    if (pins.empty()) {
        return {};
    }
    std::vector<std::string> names{"Live"};
    std::vector<ShotSetup> setups{LiveShot(live)};
    for (const Pin& pin : pins) {
        names.push_back(pin.name);
        setups.push_back(pin.setup);
    }
    return ComposeComparison(names, setups, live.preferences.units);
}
