// SPDX-License-Identifier: MIT
// Setups pinned, kept in the bag across runs, and compared with the live one.
#include <algorithm>

#include "core/tables/comparison_text.h"
#include "core/text/text_format.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/live_setup.h"

std::vector<Pin> pins;

namespace {

// The bag keeps each pin's figures in millimetres as they came, which the
// metres in its setup would not always give back to the last digit
// (63.7 mm comes back 63.70000000000001); so bag.pins[i] follows pins[i],
// and only a pin the bag never held is written from its metres.
void FollowPinsInBag() {
    bag.pins.resize(std::min(bag.pins.size(), pins.size()));
    for (std::size_t i = 0; i < pins.size(); ++i) {
        if (i == bag.pins.size()) {
            const Pin& p = pins[i];
            const ShotSetup& s = p.setup;
            bag.pins.push_back({p.name, p.body, p.lens, Millimetres(s.lens.focal), s.lens.aperture,
                                s.distance, Millimetres(s.sensorWidth),
                                Millimetres(s.lens.circle)});
        }
        bag.pins[i].name = pins[i].name;
    }
}

// The pins as the bag keeps them, saved at once.
void KeepPins() {
    FollowPinsInBag();
    WriteBagFile();
}

}  // namespace

void TakePinsFromBag() {
    pins.clear();
    for (const BagPin& p : bag.pins) {
        if (pins.size() < static_cast<std::size_t>(kMaxPins)) {
            pins.push_back({p.name,
                            {Metres(p.sensorWidthMm),
                             {Metres(p.focalMm), p.aperture, Metres(p.cocMm)},
                             p.distanceM},
                            p.body,
                            p.lens});
        }
    }
}

ShotSetup LiveShot(const LiveSetup& live) {
    return {Metres(live.camera.xsize), live.lens, live.cursor};
}

bool PinLiveSetup() {
    if (pins.size() >= static_cast<std::size_t>(kMaxPins)) {
        return false;
    }
    const LiveSetup& live = CurrentSetup();
    const Settings& camera = live.camera;
    const BagLens* lens = ChosenLens();
    const std::string name = TextFormat("%g f/%g", camera.focal, camera.aperture);
    const std::string body = BodyFor(camera);
    const std::string lensName = lens != nullptr ? lens->name : "";
    FollowPinsInBag();  // the bag holds the pins there are; the new one in its millimetres
    pins.push_back({name, LiveShot(live), body, lensName});
    bag.pins.push_back({name, body, lensName, camera.focal, camera.aperture, live.cursor,
                        camera.xsize, live.cocMm});
    WriteBagFile();
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
    if (index < bag.pins.size()) {
        bag.pins.erase(bag.pins.begin() + static_cast<std::ptrdiff_t>(index));
    }
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
