// SPDX-License-Identifier: MIT
// The text of preferences.ini: the choices that shape every figure beside
// the panel's report, never the report itself. Lines as in kadrel.ini
// ("key = value", "#" comments); keys in any letter case.
#pragma once

#include <string>

#include "core/optics/circle_of_confusion.h"
#include "core/text/units.h"

struct Preferences {
    Units units = Units::Metric;
    CocChoice coc;  // one pixel, so that out of the box the extras agree with the report
};

// Takes a trimmed "units = …" or "coc = …" line into *preferences; true when
// it did. Unknown keys and values that do not read change nothing.
bool ApplyPreferencesLine(const char* line, Preferences* preferences);

// The whole file as written, with a comment on each key's choices.
std::string PreferencesFileText(const Preferences& preferences);
