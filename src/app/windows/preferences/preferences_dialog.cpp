// SPDX-License-Identifier: MIT
// The Preferences dialog: units and circle of confusion, saved at once in
// preferences.ini; the panel's report, its graph and d max follow, and every
// window beside it.
#include "windows/preferences/preferences_dialog.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/tables.h"
#include "services/keys.h"
#include "services/preferences.h"

namespace {

const char* const kUnits[] = {"metric", "imperial"};

// Suggestions; any other spelling ParseCoc takes is welcome too.
const char* const kCircles[] = {"1 px",   "2 px",     "d/1500",   "d/1730",
                                "d/1000", "0.030 mm", "0.019 mm", "print 297 mm at 500 mm"};

const char kMessage[] =
    "These choices shape the panel's report, its graph's distances and d max, and "
    "every figure beside them: the details, plan and table windows, the copied text "
    "and the command line. kadrel.ini keeps metres whatever is shown.\n\n"
    "The circle of confusion is the largest blur still seen as a point. Give it in "
    "pixels (0.5 to 10 px), as the sensor diagonal over a number (d/1500 gives the "
    "0.03 mm of full-frame tables; d/1730 and d/1000 are common too), in "
    "millimetres, or from a print: its long side and how far it is viewed from.";

const char kNotACircle[] =
    "\"%s\" is not a circle of confusion. Write, for example, 1 px, d/1500, 0.030 mm or "
    "print 297 mm at 500 mm.";

enum { kUnitsField, kCocField };

std::string Check(const FormField* fields, std::size_t, void*) {
    CocChoice coc;
    if (ParseCoc(fields[kCocField].value, &coc)) {
        return std::string();
    }
    std::string why = kNotACircle;
    why.replace(why.find("%s"), 2, Excerpt(fields[kCocField].value));
    return why;
}

}  // namespace

void OpenPreferences() {
    FormField fields[] = {
        {"UNITS", "&Units", kUnits, std::size(kUnits), 0, UnitsText(preferences.units)},
        {"COC", "&Circle of confusion", kCircles, std::size(kCircles), 1, CocText(preferences.coc)},
    };
    const int answer = PromptPopupForm("kadrel preferences", kMessage, fields, std::size(fields),
                                       Check, nullptr, KeysOf(Action::Quit));
    if (answer == 2) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
        return;
    }
    if (answer != 1) {
        return;
    }
    ParseUnits(fields[kUnitsField].value, &preferences.units);
    ParseCoc(fields[kCocField].value, &preferences.coc);
    WritePreferencesFile();
    ShowDmax(settings.dmax);                              // in the units now chosen
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // the panel and the windows follow
}
