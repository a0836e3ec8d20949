// SPDX-License-Identifier: MIT
// The live setup in use, its followers, and the one the saved files describe.
#include "services/live_setup.h"

#include <cmath>
#include <utility>
#include <vector>

#include "app/kadrel.h"
#include "app/key_files.h"
#include "app/preferences.h"
#include "core/optics/circle_of_confusion.h"
#include "panel_definition.h"

namespace {

LiveSetup current = MakeLiveSetup(kFactorySettings, Preferences{}, std::nan(""));

std::vector<std::function<void(const LiveSetup&)>>& Followers() {
    static std::vector<std::function<void(const LiveSetup&)>> followers;
    return followers;
}

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

LiveSetup MakeLiveSetup(const Settings& camera, const Preferences& preferences, double cursor) {
    return {camera, preferences, CocMillimetres(preferences.coc, camera),
            LensInUse(preferences.coc, camera), cursor};
}

void PublishSetup(const LiveSetup& setup) {
    current = setup;
    for (const auto& follower : Followers()) {
        follower(current);
    }
}

const LiveSetup& CurrentSetup() {
    return current;
}

void Follow(std::function<void(const LiveSetup&)> follower) {
    Followers().push_back(std::move(follower));
}

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
