// SPDX-License-Identifier: MIT
// A "key = value" line of preferences.ini and bag.ini, keys in any letter case.
#pragma once

#include <string>

// The text before and after the first "=", each without its outer blanks;
// false when there is no "=".
bool SplitKeyLine(const char* line, std::string* key, std::string* value);

// True when text is word (lower case) in any letter case.
bool SameWord(const std::string& text, const char* word);
