// SPDX-License-Identifier: MIT
// The text of kadrel.ini: trimming a line read from it, taking a key line
// into the settings, and the whole file as the program writes it.
//
// A line is "KEY = value", keys in any letter case; "#" at the start of a
// line or after a blank starts a comment. The aperture is never stored.
#pragma once

#include <string>

#include "core/optics/optics.h"

// Longest key or value text taken; a longer one makes the line ignored.
constexpr int kMaxSettingsToken = 79;

// Cuts the comment and the outer blanks off a line, in place, and returns
// where the remaining text starts (an empty string when nothing remains).
char* TrimSettingsLine(char* line);

// Stores the value of a known key into *settings; true when it did. Lines
// without "=" and a value, with an unknown key, or with a key or value longer
// than kMaxSettingsToken change nothing.
bool ApplySettingsLine(const char* line, Settings* settings);

// atoi for ordinary text ("640.9" gives 640, "abc" gives 0), but a number
// beyond the 32-bit range gives the nearer bound instead of undefined results.
int SaturatingAtoi(const char* text);

// A float as its key line writes it: with one decimal, as the file always
// had it, when that reads back (atof, then float) as the same value; else
// with the fewest decimals that do, so a save never rounds a value away.
// Infinity and NaN as "%.1f" writes them.
std::string SettingsNumber(float value);

// The settings file as written at quit, header and comments included.
std::string SettingsFileText(const Settings& settings);
