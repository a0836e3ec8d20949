// kadrel.ini, beside the program or the user's own (app/locations.h): read
// once at start-up, replaced whole at quit.
#include <cstdio>
#include <string>

#include "app/kadrel.h"
#include "app/locations.h"
#include "core/settings_text.h"
#include "core/whole_file.h"

char projectPath[MAX_PATHNAME_LEN];
char iniFullPath[MAX_PATHNAME_LEN];

namespace {

// fgets reads at most 511 characters; a longer line comes in pieces.
char lineBuffer[512];

// The user's own kadrel.ini, whose folder the first save makes.
bool perUserSettings = false;

// Six short lines; anything much larger is no settings file of ours.
constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;

// Why an installed copy has no kadrel.ini of the user's own (no home, a path
// too long). It then saves nowhere, never into its own folder.
std::string noPlaceBecause;
const char kUserSettingsPlace[] = "$XDG_CONFIG_HOME/kadrel or ~/.config/kadrel";

// Why an existing kadrel.ini could not be read at start-up. The values the
// user kept there were never seen, so that file is never overwritten.
std::string unreadableBecause;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

void TellUser(const std::string& what, const std::string& path, const std::string& why) {
    MessagePopup("kadrel", (what + "\n\n" + path + "\n" + why).c_str());
}

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

std::string SettingsFileShown() {
    return noPlaceBecause.empty() ? iniFullPath : "none: " + noPlaceBecause;
}

// The text is taken whole first, so a FIFO, a device or a huge file can
// neither block nor stall the start; the lines then come from memory.
void ReadSettingsFile() {
    if (!noPlaceBecause.empty()) {
        return;
    }
    std::string text;
    bool missing = false;
    SetBreakOnLibraryErrors(0);
    unreadableBecause = ReadWholeFile(iniFullPath, kMaxSettingsBytes, &text, &missing);
    SetBreakOnLibraryErrors(1);
    if (missing) {
        unreadableBecause.clear();
    }
    if (!unreadableBecause.empty()) {
        return;
    }
    // Some editors put a byte-order mark first; it is no part of the first key.
    const size_t start = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    if (text.size() == start) {
        return;
    }
    FILE* file = fmemopen(text.data() + start, text.size() - start, "r");
    if (file == nullptr) {
        return;
    }
    while (const char* line = GetLine(file)) {
        ApplySettingsLine(line, &settings);
    }
    std::fclose(file);
}

void TellIfSettingsUnreadable() {
    if (!unreadableBecause.empty()) {
        TellUser(
            "kadrel could not read its settings and starts with the factory values. "
            "It will not overwrite this file:",
            iniFullPath, unreadableBecause);
    }
}

// A link is followed, so the file it leads to gets the new text and the link
// stays. Whatever fails, the user hears of it before the program ends.
void WriteSettingsFile() {
    if (!unreadableBecause.empty()) {
        return;
    }
    if (!noPlaceBecause.empty()) {
        TellUser("kadrel could not save its settings in", kUserSettingsPlace, noPlaceBecause);
        return;
    }
    if (perUserSettings) {
        MakeParentFolders(iniFullPath);  // a failure shows when the file cannot be made
    }
    const std::string target = FollowLinks(iniFullPath);
    SetBreakOnLibraryErrors(0);
    const std::string problem = ReplaceWholeFile(target, SettingsFileText(settings));
    SetBreakOnLibraryErrors(1);
    if (!problem.empty()) {
        TellUser("kadrel could not save its settings in", target, problem);
    }
}
