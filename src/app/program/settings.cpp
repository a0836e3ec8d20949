// SPDX-License-Identifier: MIT
// kadrel.ini, beside the program or the user's own (services/locations.h): read
// once at start-up, replaced whole at quit.
#include <cstdio>
#include <string>

#include "core/settings/settings_text.h"
#include "program/kadrel.h"
#include "services/key_files.h"
#include "services/locations.h"

namespace {

// Why an existing kadrel.ini could not be read at start-up. The values the
// user kept there were never seen, so that file is never overwritten.
std::string unreadableBecause;

}  // namespace

std::string ReadSettingsFileInto(Settings* into) {
    if (iniFullPath[0] == '\0') {
        return {};  // no place for it: nothing was kept
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
        SaveKeyFile(iniFullPath, SettingsFileText(settings), SettingsArePerUser(), &target);
    if (!problem.empty()) {
        TellAboutFile("kadrel could not save its settings in", target, problem);
    }
}
