// SPDX-License-Identifier: MIT
// The program's own small text files, kadrel.ini, preferences.ini and bag.ini, read
// whole at start-up and replaced whole when saved, with the same guarantees
// for all (platform/regular_file.h, platform/replace_file.h): no odd file can
// freeze the start, a link is followed, the mode is kept, and a failed save
// leaves the old file intact.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "ui/userint.h"

// Gives each line of the file at path that holds something, trimmed, to
// apply. The reason the file could not be read, in the system's words; empty
// when it was read or when nothing is there.
std::string ReadKeyFile(const char* path, const std::function<void(const char* line)>& apply);

// Replaces the file at path with text, through the links at its end, first
// making its missing folders when makeFolders. *target receives the file
// actually written. The reason for a failure; empty on success.
std::string SaveKeyFile(const char* path, const std::string& text, bool makeFolders,
                        std::string* target);

// A message box: what happened, the file, and why.
void TellAboutFile(const std::string& what, const std::string& path, const std::string& why);

// A file of ours beside kadrel.ini, and why it could not be read: one that
// could not be read is never overwritten.
struct FileBeside {
    const char* name;                // "bag.ini"
    const char* unreadable;          // the start-up notice, before the path
    const char* kept;                // why a save is refused after that
    const char* notSaved;            // "kadrel could not save its camera bag in"
    char (&path)[MAX_PATHNAME_LEN];  // "" when there is no place for it
    std::string unreadableBecause;
};

// After LocateSettingsFile: the file's path beside kadrel.ini.
void LocateFileBeside(FileBeside* file);
// Gives its lines to apply, as ReadKeyFile; returns and keeps the reason.
std::string ReadFileBeside(FileBeside* file, const std::function<void(const char* line)>& apply);
// The start-up notice for an unreadable file, once the panel shows.
void TellIfUnreadable(const FileBeside& file);
// Replaces it with text; the user is told of a failure, and false comes back.
bool WriteFileBeside(const FileBeside& file, const std::string& text);

// The next line of the file that holds something, comment and outer blanks
// removed; null at the end. Valid until the next call.
char* GetLine(FILE* file);
