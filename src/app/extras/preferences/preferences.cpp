// SPDX-License-Identifier: MIT
// preferences.ini, read at start-up and saved when the dialog's OK is pressed.
#include "app/preferences.h"

#include "app/kadrel.h"
#include "app/key_files.h"
#include "app/locations.h"

Preferences preferences;
char prefsFullPath[MAX_PATHNAME_LEN];

namespace {

// As for kadrel.ini: choices never seen are never overwritten.
std::string unreadableBecause;

}  // namespace

void LocatePreferencesFile() {
    unreadableBecause.clear();
    // No place for kadrel.ini is no place for this file either.
    if (iniFullPath[0] == '\0' || PathBeside(iniFullPath, "preferences.ini", prefsFullPath) != 0) {
        prefsFullPath[0] = '\0';
    }
}

std::string ReadPreferencesFile() {
    preferences = Preferences{};
    unreadableBecause = ReadKeyFile(
        prefsFullPath, [](const char* line) { ApplyPreferencesLine(line, &preferences); });
    return unreadableBecause;
}

void TellIfPreferencesUnreadable() {
    if (!unreadableBecause.empty()) {
        TellAboutFile(
            "kadrel could not read its preferences and uses one pixel and metres. "
            "It will not overwrite this file:",
            prefsFullPath, unreadableBecause);
    }
}

bool WritePreferencesFile() {
    if (TellIfNoPlaceFor("kadrel could not save its preferences in")) {
        return false;
    }
    if (!unreadableBecause.empty()) {
        TellAboutFile("kadrel keeps these preferences until it ends but will not overwrite",
                      prefsFullPath, unreadableBecause);
        return false;
    }
    std::string target;
    const std::string problem = SaveKeyFile(prefsFullPath, PreferencesFileText(preferences),
                                            !SettingsArePortable(projectPath), &target);
    if (!problem.empty()) {
        TellAboutFile("kadrel could not save its preferences in", target, problem);
        return false;
    }
    return true;
}
