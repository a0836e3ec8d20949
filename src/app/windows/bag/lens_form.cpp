// SPDX-License-Identifier: MIT
// What lensfun does not know of a lens, typed by the user: its minimum focus
// distance and its pupil magnification.
#include <string>
#include <vector>

#include "core/text/text_format.h"
#include "core/text/units.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/bag.h"
#include "services/live_setup.h"
#include "windows/bag/bag_window.h"
#include "windows/frame/side_window.h"

namespace {

constexpr double kLeastPupil = 0.1;  // as the pupil fields take it
constexpr double kMostPupil = 10;

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Both fields read, or what is wrong with the first that does not.
std::string CheckLensFields(const FormField* fields, std::size_t, void*) {
    double value = 0;
    if (!Blank(fields[0].value) &&
        !ParseDistance(fields[0].value, CurrentSetup().preferences.units, false, &value)) {
        return "Minimum focus: \u201c" + Excerpt(fields[0].value) +
               "\u201d is not a distance; leave it empty when unknown.";
    }
    if (!ParsePlainNumber(fields[1].value, &value) || value < kLeastPupil || value > kMostPupil) {
        return "Pupil magnification: \u201c" + Excerpt(fields[1].value) +
               "\u201d is not a number from 0.1 to 10; 1 when unknown.";
    }
    return "";
}

// The lens to edit: the only one, else the user's choice; -1 for none.
int LensToEdit() {
    if (bag.lenses.size() == 1) {
        return 0;
    }
    std::vector<std::string> names;
    for (const BagLens& l : bag.lenses) {
        names.push_back(l.name);
    }
    int chosen = -1;
    return !names.empty() && PromptPopupChoice("Lens details", "The lens:", names, &chosen) == 1
               ? chosen
               : -1;
}

}  // namespace

void EditLensDetails() {
    const int index = LensToEdit();
    if (index < 0) {
        return;
    }
    BagLens& lens = bag.lenses[static_cast<std::size_t>(index)];
    const Units units = CurrentSetup().preferences.units;
    FormField fields[] = {
        {"MINFOCUS", "&Minimum focus", nullptr, 0, 0,
         lens.minFocusM > 0 ? FormatDistance(lens.minFocusM, units) : ""},
        {"PUPILMAG", "&Pupil magnification", nullptr, 0, 0,
         ShortestNumber(lens.pupilMagnification)},
    };
    const std::string message = lens.name +
                                "\n\nThe nearest it focuses, from the sensor (empty when unknown), "
                                "and its exit pupil over its entrance pupil (1 when unknown).";
    const int answer = PromptPopupForm("Lens details", message.c_str(), fields, std::size(fields),
                                       CheckLensFields, nullptr, "Ctrl+Q");
    if (answer == 2) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
        return;
    }
    if (answer != 1) {
        return;
    }
    double minFocus = 0;
    lens.minFocusM = ParseDistance(fields[0].value, units, false, &minFocus) ? minFocus : 0;
    ParsePlainNumber(fields[1].value, &lens.pupilMagnification);  // checked above
    WriteBagFile();
    RefreshBagWindow();
    if (&lens == ChosenLens()) {
        SetPupil(lens.pupilMagnification);
    }
}
