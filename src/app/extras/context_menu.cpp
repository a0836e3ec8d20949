// SPDX-License-Identifier: MIT
// The context menu of the panel and the graph, and what its items do.
#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "app/bag.h"
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/tables.h"
#include "core/settings/sensor_presets.h"
#include "core/text/units.h"
#include "panel_definition.h"
#include "services/live_setup.h"

namespace {

enum : int {
    kPresetsMenu = 1,
    kSubjectDistance,
    kHyperfocal,
    kDetails,
    kPlan,
    kTilt,
    kCopyText,
    kTable,
    kPin,
    kPinsMenu,
    kPreferences,
    kPhoto,
    kCameraModel,
    kFirstPreset = 100,
    kFirstRename = 200,
    kFirstRemove = 300,
};

std::vector<std::string> PresetLabels() {
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < count; ++i) {
        const SensorPreset& p = presets[i];
        labels.push_back(std::string(p.name) + ": " +
                         SensorText(p.xsize, p.ysize, p.xresol, p.yresol));
    }
    return labels;
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

// A distance beyond d max raises d max to the next whole metre (or foot) at or
// above it, and the graph follows as after a typed d max.
void HoldOnGraph(double d) {
    const LiveSetup& setup = CurrentSetup();
    if (!(d > setup.camera.dmax)) {
        return;
    }
    const double unit = setup.preferences.units == Units::Imperial ? kFootMetres : 1;
    float raised = static_cast<float>(std::ceil(d / unit) * unit);
    if (raised < d) {
        raised = std::nextafter(raised, FLT_MAX);  // past 2^24 metres a float skips whole metres
    }
    ShowDmax(raised);
    Redraw(panelHandle, PANEL_DMAX, EVENT_COMMIT, nullptr, 0, 0);
}

// The comparison and the bag window follow a change of the pins at once.
void ShowPinsIf(bool changed) {
    if (changed) {
        RefreshBagWindow();
        OpenDetails();
    }
}

}  // namespace

void RunContextMenu(int top, int left) {
    const std::vector<std::string> labels = PresetLabels();
    std::vector<MenuItem> items{{kPhoto, "Camera from a photo\u2026\tCtrl+O", 0, 0},
                                {kCameraModel, "Camera model\u2026", 0, 0},
                                {kPresetsMenu, "Sensor presets", 0, 0}};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        items.push_back({kFirstPreset + static_cast<int>(i), labels[i].c_str(), kPresetsMenu, 0});
    }
    items.push_back({kSubjectDistance, "Subject distance\u2026", 0, 0});
    items.push_back({kHyperfocal, "Focus at hyperfocal distance", 0, 0});
    items.push_back({-1, nullptr, 0, 0});
    items.push_back({kTilt, "Tilted lens\u2026\tCtrl+G", 0, 0});
    items.push_back({kDetails, "Details\u2026\tCtrl+D", 0, 0});
    items.push_back({kPlan, "Plan a focus stack\u2026\tCtrl+L", 0, 0});
    items.push_back({kCopyText, "Copy report as text", 0, 0});
    items.push_back({-1, nullptr, 0, 0});
    items.push_back({kTable, "Depth-of-field table\u2026\tCtrl+T", 0, 0});
    items.push_back({kPin, "Pin this setup", 0, pins.size() < kMaxPins ? 0 : 1});
    std::vector<std::string> pinLabels;
    for (const Pin& pin : pins) {
        pinLabels.push_back("Rename \u201c" + pin.name + "\u201d\u2026");
        pinLabels.push_back("Remove \u201c" + pin.name + "\u201d");
    }
    if (!pins.empty()) {
        items.push_back({kPinsMenu, "Pinned setups", 0, 0});
    }
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const int n = static_cast<int>(i);
        items.push_back({kFirstRename + n, pinLabels[2 * i].c_str(), kPinsMenu, 0});
        items.push_back({kFirstRemove + n, pinLabels[2 * i + 1].c_str(), kPinsMenu, 0});
    }
    std::vector<std::string> bagLabels;
    AddBagItems(&items, &bagLabels);
    items.push_back({-1, nullptr, 0, 0});
    items.push_back({kPreferences, "Preferences\u2026\tCtrl+,", 0, 0});

    const int chosen = RunPopupMenu(panelHandle, top, left, items.data(), items.size());
    if (chosen >= kFirstBagItem) {
        ChooseFromBag(chosen);
    } else if (chosen >= kFirstRemove) {
        ShowPinsIf(RemovePin(static_cast<std::size_t>(chosen - kFirstRemove)));
    } else if (chosen >= kFirstRename) {
        ShowPinsIf(RenamePin(static_cast<std::size_t>(chosen - kFirstRename)));
    } else if (chosen >= kFirstPreset) {
        ApplySensorPreset(static_cast<std::size_t>(chosen - kFirstPreset));
    } else if (chosen == kSubjectDistance) {
        AskSubjectDistance();
    } else if (chosen == kHyperfocal) {
        FocusAtHyperfocal();
    } else if (chosen == kDetails) {
        OpenDetails();
    } else if (chosen == kPlan) {
        OpenPlan();
    } else if (chosen == kTilt) {
        OpenTilt();
    } else if (chosen == kCopyText) {
        CopyReportAsText();
    } else if (chosen == kTable) {
        OpenTableWindow();
    } else if (chosen == kPin) {
        ShowPinsIf(PinLiveSetup());
    } else if (chosen == kPreferences) {
        OpenPreferences();
    } else if (chosen == kPhoto) {
        OpenPhotoFromDialog();
    } else if (chosen == kCameraModel) {
        ChooseCameraModel();
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
    DistanceRange range{dmin, definition::FieldNumber(PANEL_DMAX).max};
    const LiveSetup& setup = CurrentSetup();
    const double d = setup.cursor;
    const Units units = setup.preferences.units;
    const std::string message =
        "Subject distance from the lens, from " + FormatDistance(range.lo, units) + " to " +
        FormatDistance(range.hi, units) + "; beyond d max, d max follows it. A bare number is in " +
        (units == Units::Metric ? "metres" : "feet") +
        "; 3 m, 300 cm, 400 mm, 10 ft, 10\u2032 6\u2033 and 126 in are understood too.";
    FormField field{"DISTANCE", "&Distance", nullptr, 0, 0, FormatDistance(d, units)};
    const int answer =
        PromptPopupForm("kadrel", message.c_str(), &field, 1, CheckDistance, &range, "Ctrl+Q");
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

void PlaceCursor(double d) {
    HoldOnGraph(d);
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, d, 0);  // Cursor puts it back onto the line
    Cursor(panelHandle, PANEL_GRAPH, EVENT_COMMIT, nullptr, 1, 0);  // as the graph raises it
}

void FocusAtHyperfocal() {
    PlaceCursor(dh);
}
