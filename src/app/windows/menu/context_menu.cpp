// SPDX-License-Identifier: MIT
// The context menu of the panel and the graph, and what its items do.
#include <cfloat>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "core/settings/sensor_presets.h"
#include "core/text/units.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "program/panel_definition.h"
#include "services/camera/tables.h"
#include "services/keys.h"
#include "services/live_setup.h"
#include "windows/bag/bag_window.h"
#include "windows/menu/menu.h"

namespace {

// Past the actions' ids, which are their items' too.
enum : int {
    kPresetsMenu = 50,
    kPinsMenu,
    kFirstPreset = 100,
    kFirstRename = 200,
    kFirstRemove = 300,
};

// The menu's items, and the texts they show, kept while it shows.
struct Menu {
    std::deque<std::string> texts;
    std::vector<MenuItem> items;

    void Add(int id, std::string label, int parent = 0, int dimmed = 0) {
        texts.push_back(std::move(label));
        items.push_back({id, texts.back().c_str(), parent, dimmed});
    }
    void Add(Action id, int dimmed = 0) { Add(static_cast<int>(id), MenuLabel(id), 0, dimmed); }
    void Separator() { items.push_back({-1, nullptr, 0, 0}); }
};

void AddPresets(Menu* menu) {
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    menu->Add(kPresetsMenu, "Sensor presets");
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        menu->Add(kFirstPreset + static_cast<int>(i),
                  std::string(p.name) + ": " + SensorText(p.xsize, p.ysize, p.xresol, p.yresol),
                  kPresetsMenu);
    }
}

void AddPins(Menu* menu) {
    menu->Add(Action::Pin, pins.size() < kMaxPins ? 0 : 1);
    if (!pins.empty()) {
        menu->Add(kPinsMenu, "Pinned setups");
    }
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const int n = static_cast<int>(i);
        menu->Add(kFirstRename + n, "Rename \u201c" + pins[i].name + "\u201d\u2026", kPinsMenu);
        menu->Add(kFirstRemove + n, "Remove \u201c" + pins[i].name + "\u201d", kPinsMenu);
    }
}

// From the line's start to the farthest d max; d max follows a distance
// beyond its own.
struct DistanceRange {
    double lo, hi;
};

// A typed bound may be a little outside the range once rounded for showing
// ("32′ 10″" for 10 m); whatever shows as a bound counts as it.
bool Within(double d, const DistanceRange& range, Units units) {
    return (d >= range.lo && d <= range.hi) ||
           FormatDistance(d, units) == FormatDistance(range.lo, units) ||
           FormatDistance(d, units) == FormatDistance(range.hi, units);
}

std::string CheckDistance(const FormField* fields, std::size_t, void* data) {
    const auto& range = *static_cast<const DistanceRange*>(data);
    const Units units = CurrentSetup().preferences.units;
    double d = 0;
    if (!ParseDistance(fields[0].value, units, false, &d)) {
        return "\"" + fields[0].value + "\" is not a distance.";
    }
    if (!Within(d, range, units)) {
        return "A subject distance runs from " + FormatDistance(range.lo, units) + " to " +
               FormatDistance(range.hi, units) + "; beyond d max, d max follows it.";
    }
    return std::string();
}

}  // namespace

void RunContextMenu(int top, int left) {
    Menu menu;
    menu.Add(Action::Photo);
    menu.Add(Action::CameraModel);
    AddPresets(&menu);
    menu.Add(Action::SubjectDistance);
    menu.Add(Action::Hyperfocal);
    menu.Separator();
    for (Action id : {Action::Tilt, Action::Details, Action::Plan, Action::CopyText}) {
        menu.Add(id);
    }
    menu.Separator();
    menu.Add(Action::Table);
    AddPins(&menu);
    std::vector<std::string> bagLabels;
    AddBagItems(&menu.items, &bagLabels);
    menu.Separator();
    menu.Add(Action::Preferences);

    const int chosen = RunPopupMenu(panelHandle, top, left, menu.items.data(), menu.items.size());
    if (chosen >= kFirstBagItem) {
        ChooseFromBag(chosen);
    } else if (chosen >= kFirstRemove) {
        ShowPinsIf(RemovePin(static_cast<std::size_t>(chosen - kFirstRemove)));
    } else if (chosen >= kFirstRename) {
        ShowPinsIf(RenamePin(static_cast<std::size_t>(chosen - kFirstRename)));
    } else if (chosen >= kFirstPreset) {
        ApplySensorPreset(static_cast<std::size_t>(chosen - kFirstPreset));
    } else {
        RunAction(static_cast<Action>(chosen));
    }
}

void ApplySensorPreset(std::size_t index) {
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    if (index >= count) {
        return;
    }
    const SensorPreset& p = presets[index];
    PutSensor(p.xsize, p.ysize, p.xresol, p.yresol);
}

void AskSubjectDistance() {
    const LiveSetup& setup = CurrentSetup();
    DistanceRange range{setup.nearest, definition::FieldNumber(PANEL_DMAX).max};
    const double d = setup.cursor;
    const Units units = setup.preferences.units;
    const std::string message =
        "Subject distance from the lens, from " + FormatDistance(range.lo, units) + " to " +
        FormatDistance(range.hi, units) + "; beyond d max, d max follows it. A bare number is in " +
        (units == Units::Metric ? "metres" : "feet") +
        "; 3 m, 300 cm, 400 mm, 10 ft, 10\u2032 6\u2033 and 126 in are understood too.";
    FormField field{"DISTANCE", "&Distance", nullptr, 0, 0, FormatDistance(d, units)};
    const int answer = PromptPopupForm("kadrel", message.c_str(), &field, 1, CheckDistance, &range,
                                       KeysOf(Action::Quit));
    if (answer == 2) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    } else if (double typed = 0; answer == 1 && ParseDistance(field.value, units, false, &typed)) {
        // A distance typed as the panel shows one is that one: "32′ 10″"
        // is d max's 10 m, not 10.0076 m beyond it.
        for (double shown : {d, static_cast<double>(setup.camera.dmax), range.lo, range.hi}) {
            typed = FormatDistance(typed, units) == FormatDistance(shown, units) ? shown : typed;
        }
        PlaceCursor(typed);
    }
}
