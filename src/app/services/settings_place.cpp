// SPDX-License-Identifier: MIT
// Where kadrel.ini is, found once at start-up: beside the program or the
// user's own, or nowhere when an installed copy has no place for it.
#include <string>

#include "services/key_files.h"
#include "services/locations.h"

char projectPath[MAX_PATHNAME_LEN];
char iniFullPath[MAX_PATHNAME_LEN];

namespace {

// The user's own kadrel.ini, whose folder the first save makes.
bool perUserSettings = false;

// Why an installed copy has no kadrel.ini of the user's own (no home, a path
// too long). It then saves nowhere, never into its own folder.
std::string noPlaceBecause;
const char kUserSettingsPlace[] = "$XDG_CONFIG_HOME/kadrel or ~/.config/kadrel";

}  // namespace

void LocateSettingsFile() {
    GetProjectDir(projectPath);
    MakePathname(projectPath, "kadrel.ini", iniFullPath);
    perUserSettings = !SettingsArePortable(projectPath);
    noPlaceBecause = perUserSettings ? UserSettingsPath(iniFullPath) : "";
    if (!noPlaceBecause.empty()) {
        iniFullPath[0] = '\0';
    }
}

bool TellIfNoPlaceFor(const char* what) {
    if (noPlaceBecause.empty()) {
        return false;
    }
    TellAboutFile(what, kUserSettingsPlace, noPlaceBecause);
    return true;
}

std::string SettingsFileShown() {
    return noPlaceBecause.empty() ? iniFullPath : "none: " + noPlaceBecause;
}

bool SettingsArePerUser() {
    return perUserSettings;
}
