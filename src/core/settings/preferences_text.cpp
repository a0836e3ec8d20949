// SPDX-License-Identifier: MIT
#include "core/settings/preferences_text.h"

#include "core/settings/key_line.h"
#include "core/text/text_format.h"

bool ApplyPreferencesLine(const char* line, Preferences* preferences) {
    std::string key;
    std::string value;
    if (!SplitKeyLine(line, &key, &value)) {
        return false;
    }
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
