// SPDX-License-Identifier: MIT
#include "core/settings/preferences_text.h"

#include <cstring>

#include "core/text/text_format.h"

namespace {

std::string Trimmed(const char* start, const char* end) {
    while (start < end && (*start == ' ' || *start == '\t')) {
        ++start;
    }
    while (end > start && (end[-1] == ' ' || end[-1] == '\t')) {
        --end;
    }
    return std::string(start, end);
}

bool SameWord(const std::string& text, const char* word) {
    if (text.size() != std::strlen(word)) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (AsciiLower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ApplyPreferencesLine(const char* line, Preferences* preferences) {
    const char* equals = std::strchr(line, '=');
    if (equals == nullptr) {
        return false;
    }
    const std::string key = Trimmed(line, equals);
    const std::string value = Trimmed(equals + 1, equals + std::strlen(equals));
    if (SameWord(key, "units")) {
        return ParseUnits(value, &preferences->units);
    }
    if (SameWord(key, "coc")) {
        return ParseCoc(value, &preferences->coc);
    }
    return false;
}

std::string PreferencesFileText(const Preferences& p) {
    return TextFormat(
        "# preferences.ini: the choices behind kadrel's figures beside the panel's report\n"
        "#\n"
        "# distances in metres or in feet and inches: metric or imperial\n"
        "units = %s\n"
        "# circle of confusion: \"1 px\" to \"10 px\", \"d/1500\" (the sensor diagonal over\n"
        "# 1500), \"0.030 mm\", or \"print 297 mm at 500 mm\" (a print's long side and how\n"
        "# far it is viewed from)\n"
        "coc = %s\n",
        UnitsText(p.units), CocText(p.coc).c_str());
}
