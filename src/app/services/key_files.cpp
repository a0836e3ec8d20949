// SPDX-License-Identifier: MIT
// Reading and replacing kadrel.ini, preferences.ini and bag.ini alike.
#include "services/key_files.h"

#include <cstdio>

#include "core/settings/settings_text.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"
#include "services/locations.h"

namespace {

// A few short lines; anything much larger is no file of ours.
constexpr std::size_t kMaxKeyFileBytes = 1024 * 1024;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// fgets reads at most 511 characters; a longer line comes in pieces.
char lineBuffer[512];

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

// The text is taken whole first, so a FIFO, a device or a huge file can
// neither block nor stall the start; the lines then come from memory.
std::string ReadKeyFile(const char* path, const std::function<void(const char* line)>& apply) {
    std::string text;
    SetBreakOnLibraryErrors(0);
    const FileFault fault = ReadRegularFile(path, kMaxKeyFileBytes, &text);
    SetBreakOnLibraryErrors(1);
    if (!fault.ok()) {
        return fault.missing() ? std::string() : fault.Reason();
    }
    // Some editors put a byte-order mark first; it is no part of the first key.
    const size_t start = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    if (text.size() == start) {
        return std::string();
    }
    FILE* file = fmemopen(text.data() + start, text.size() - start, "r");
    if (file == nullptr) {
        return std::string();
    }
    while (const char* line = GetLine(file)) {
        apply(line);
    }
    std::fclose(file);
    return std::string();
}

// A link is followed, so the file it leads to gets the new text and the link
// stays.
std::string SaveKeyFile(const char* path, const std::string& text, bool makeFolders,
                        std::string* target) {
    if (makeFolders) {
        MakeParentFolders(path);  // a failure shows when the file cannot be made
    }
    *target = FollowLinks(path);
    SetBreakOnLibraryErrors(0);
    const std::string problem = ReplaceWholeFile(*target, text);
    SetBreakOnLibraryErrors(1);
    return problem;
}

void TellAboutFile(const std::string& what, const std::string& path, const std::string& why) {
    MessagePopup("kadrel", (what + "\n\n" + path + "\n" + why).c_str());
}

void LocateFileBeside(FileBeside* file) {
    file->unreadableBecause.clear();
    // No place for kadrel.ini is no place for its neighbours either.
    if (iniFullPath[0] == '\0' || PathBeside(iniFullPath, file->name, file->path) != 0) {
        file->path[0] = '\0';
    }
}

std::string ReadFileBeside(FileBeside* file, const std::function<void(const char* line)>& apply) {
    file->unreadableBecause = ReadKeyFile(file->path, apply);
    return file->unreadableBecause;
}

void TellIfUnreadable(const FileBeside& file) {
    if (!file.unreadableBecause.empty()) {
        TellAboutFile(file.unreadable, file.path, file.unreadableBecause);
    }
}

bool WriteFileBeside(const FileBeside& file, const std::string& text) {
    if (TellIfNoPlaceFor(file.notSaved)) {
        return false;
    }
    if (!file.unreadableBecause.empty()) {
        TellAboutFile(file.kept, file.path, file.unreadableBecause);
        return false;
    }
    std::string target;
    const std::string problem =
        SaveKeyFile(file.path, text, !SettingsArePortable(projectPath), &target);
    if (!problem.empty()) {
        TellAboutFile(file.notSaved, target, problem);
        return false;
    }
    return true;
}
