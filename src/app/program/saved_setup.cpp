// SPDX-License-Identifier: MIT
// The saved files' setup, within the fields' ranges.
#include "program/saved_setup.h"

#include <cmath>

#include "core/settings/preferences_text.h"
#include "program/kadrel.h"
#include "program/panel_definition.h"
#include "services/key_files.h"
#include "services/locations.h"
#include "services/preferences.h"

namespace {

// As a field coerces what kadrel.ini gives it.
template <typename T>
void Coerce(int control, T* value) {
    const definition::Number& range = definition::FieldNumber(control);
    *value =
        static_cast<T>(std::fmin(std::fmax(static_cast<double>(*value), range.min), range.max));
}

// The fields hold the saved camera within their ranges; the aperture starts
// at the factory's, as kadrel.ini does not keep it.
Settings AsTheWindowStarts(Settings s) {
    Coerce(PANEL_XMM, &s.xsize);
    Coerce(PANEL_YMM, &s.ysize);
    Coerce(PANEL_XPIX, &s.xresol);
    Coerce(PANEL_YPIX, &s.yresol);
    Coerce(PANEL_FOCAL, &s.focal);
    Coerce(PANEL_DMAX, &s.dmax);
    s.aperture = kFactorySettings.aperture;
    return s;
}

}  // namespace

SavedSetup SetupFromFiles() {
    LocateSettingsFile();
    LocatePreferencesFile();
    SavedSetup saved;
    Settings camera = kFactorySettings;
    saved.settingsWhy = ReadSettingsFileInto(&camera);
    Preferences chosen;
    saved.preferencesWhy = ReadKeyFile(
        prefsFullPath, [&chosen](const char* line) { ApplyPreferencesLine(line, &chosen); });
    // Without a cursor: a sub-command takes its distance from --distance.
    saved.setup = MakeLiveSetup(AsTheWindowStarts(camera), chosen, std::nan(""));
    return saved;
}
