// SPDX-License-Identifier: MIT
// The keys of kadrel's windows, one row a key (or a key and its alternatives):
// --help lists them, and the manual page's KEYS section is written from them
// at build time, so the two cannot differ. A new key is one more row; a test
// checks that every shortcut the windows install has its row.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

struct KeyRow {
    const char* keys;  // as a user reads them, alternatives after ", ": "Menu, Shift+F10"
    const char* what;  // what they do, one or two sentences
};

extern const KeyRow kKeyRows[];
extern const std::size_t kKeyRowCount;

// The rows as --help prints them: the keys in a column, what they do beside
// them, wrapped to 79 columns.
void PrintKeys(std::FILE* out);

// The rows as a manual page's tagged paragraphs, for its KEYS section.
std::string ManualKeys();
