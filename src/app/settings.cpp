// kadrel.ini, beside the program or the user's own (app/locations.h): read
// once at start-up, replaced whole at quit.
#include <cstdio>
#include <string>

#include "app/kadrel.h"
#include "app/key_files.h"
#include "app/locations.h"
#include "core/settings_text.h"

char projectPath[MAX_PATHNAME_LEN];
char iniFullPath[MAX_PATHNAME_LEN];

namespace {

// fgets reads at most 511 characters; a longer line comes in pieces.
char lineBuffer[512];

// The user's own kadrel.ini, whose folder the first save makes.
bool perUserSettings = false;

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
    perUserSettings = !SettingsArePortable(projectPath) && UserSettingsPath(iniFullPath) == 0;
}

void ReadSettingsFile() {
    unreadableBecause =
        ReadKeyFile(iniFullPath, [](const char* line) { ApplySettingsLine(line, &settings); });
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
    std::string target;
    const std::string problem =
        SaveKeyFile(iniFullPath, SettingsFileText(settings), perUserSettings, &target);
    if (!problem.empty()) {
        TellAboutFile("kadrel could not save its settings in", target, problem);
    }
}
