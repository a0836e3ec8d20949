// SPDX-License-Identifier: MIT
// kadrel.ini, beside the program or the user's own (app/locations.h): read
// once at start-up, replaced whole at quit.
#include <cstdio>
#include <string>

#include "app/kadrel.h"
#include "app/key_files.h"
#include "app/locations.h"
#include "core/settings/settings_text.h"

char projectPath[MAX_PATHNAME_LEN];
char iniFullPath[MAX_PATHNAME_LEN];

namespace {

// fgets reads at most 511 characters; a longer line comes in pieces.
char lineBuffer[512];

// The user's own kadrel.ini, whose folder the first save makes.
bool perUserSettings = false;

// Why an installed copy has no kadrel.ini of the user's own (no home, a path
// too long). It then saves nowhere, never into its own folder.
std::string noPlaceBecause;
const char kUserSettingsPlace[] = "$XDG_CONFIG_HOME/kadrel or ~/.config/kadrel";

// Why an existing kadrel.ini could not be read at start-up. The values the
// user kept there were never seen, so that file is never overwritten.
std::string unreadableBecause;

}  // namespace

char* GetLine(FILE* file) {
    const int previous = SetBreakOnProtectionErrors(0);
    char* line = nullptr;
    while (std::fgets(lineBuffer, sizeof lineBuffer, file) != nullptr) {
        line = TrimSettingsLine(lineBuffer);
        if (*line != '\0') {
            break;
        }
        line = nullptr;
    }
    SetBreakOnProtectionErrors(previous);
    return line;
}

void LocateSettingsFile() {
    unreadableBecause.clear();
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

std::string ReadSettingsFileInto(Settings* into) {
    if (!noPlaceBecause.empty()) {
        return {};
    }
    return ReadKeyFile(iniFullPath, [into](const char* line) { ApplySettingsLine(line, into); });
}

void ReadSettingsFile() {
    unreadableBecause = ReadSettingsFileInto(&settings);
}

std::string SettingsUnreadableBecause() {
    return unreadableBecause;
}

void TellIfSettingsUnreadable() {
    if (!unreadableBecause.empty()) {
        TellAboutFile(
            "kadrel could not read its settings and starts with the factory values. "
            "It will not overwrite this file:",
            iniFullPath, unreadableBecause);
    }
}

// Whatever fails, the user hears of it before the program ends.
void WriteSettingsFile() {
    if (!unreadableBecause.empty()) {
        return;
    }
    if (TellIfNoPlaceFor("kadrel could not save its settings in")) {
        return;
    }
    std::string target;
    const std::string problem =
        SaveKeyFile(iniFullPath, SettingsFileText(settings), perUserSettings, &target);
    if (!problem.empty()) {
        TellAboutFile("kadrel could not save its settings in", target, problem);
    }
}
