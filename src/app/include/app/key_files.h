// SPDX-License-Identifier: MIT
// The program's own small text files, kadrel.ini and preferences.ini, read
// whole at start-up and replaced whole when saved, with the same guarantees
// for both (core/settings/whole_file.h): no odd file can freeze the start, a link is
// followed, the mode is kept, and a failed save leaves the old file intact.
#pragma once

#include <functional>
#include <string>

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
