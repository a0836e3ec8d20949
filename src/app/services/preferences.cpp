// SPDX-License-Identifier: MIT
// preferences.ini, read at start-up and saved when the dialog's OK is pressed.
#include "services/preferences.h"

#include "services/key_files.h"

Preferences preferences;
char prefsFullPath[MAX_PATHNAME_LEN];

namespace {

// As for kadrel.ini: choices never seen are never overwritten.
FileBeside file{"preferences.ini",
                "kadrel could not read its preferences and uses one pixel and metres. "
                "It will not overwrite this file:",
                "kadrel keeps these preferences until it ends but will not overwrite",
                "kadrel could not save its preferences in",
                prefsFullPath,
                {}};

}  // namespace

void LocatePreferencesFile() {
    LocateFileBeside(&file);
}

std::string ReadPreferencesFile() {
    preferences = Preferences{};
    return ReadFileBeside(&file,
                          [](const char* line) { ApplyPreferencesLine(line, &preferences); });
}

void TellIfPreferencesUnreadable() {
    TellIfUnreadable(file);
}

bool WritePreferencesFile() {
    return WriteFileBeside(file, PreferencesFileText(preferences));
}
