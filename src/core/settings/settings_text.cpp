// SPDX-License-Identifier: MIT
#include "core/settings/settings_text.h"

#include <strings.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/text/text_format.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The next run of characters other than white space, as sscanf's %s takes it.
const char* Token(const char* text, size_t* length) {
    while (IsSpace(*text)) {
        ++text;
    }
    *length = 0;
    while (text[*length] != '\0' && !IsSpace(text[*length])) {
        ++*length;
    }
    return text;
}

// Every float is exact in fixed notation with this many decimals (its
// smallest step is 2^-149), so the search below always ends.
constexpr int kExactDecimals = 149;

}  // namespace

std::string SettingsNumber(float value) {
    const double wide = value;
    if (std::isfinite(wide)) {
        for (int decimals = 1; decimals <= kExactDecimals; ++decimals) {
            std::string text = TextFormat("%.*f", decimals, wide);
            // Read back exactly as the reader reads it.
            if (static_cast<float>(std::atof(text.c_str())) == value) {
                return text;
            }
        }
    }
    return TextFormat("%.1f", wide);
}

char* TrimSettingsLine(char* line) {
    char* hash = std::strchr(line, '#');
    if (hash != nullptr && (hash == line || IsBlank(hash[-1]))) {
        *hash = '\0';
    }
    while (IsBlank(*line)) {
        ++line;
    }
    size_t length = std::strlen(line);
    while (length > 0 &&
           (IsBlank(line[length - 1]) || line[length - 1] == '\n' || line[length - 1] == '\r')) {
        line[--length] = '\0';
    }
    return line;
}

int SaturatingAtoi(const char* text) {
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool ApplySettingsLine(const char* line, Settings* s) {
    // "%s = %s": a key, any white space, "=", any white space, a value.
    size_t keyLength;
    const char* key = Token(line, &keyLength);
    const char* rest = key + keyLength;
    while (IsSpace(*rest)) {
        ++rest;
    }
    if (keyLength == 0 || *rest != '=') {
        return false;
    }
    size_t valueLength;
    const char* valueStart = Token(rest + 1, &valueLength);
    if (valueLength == 0 || keyLength > kMaxSettingsToken || valueLength > kMaxSettingsToken) {
        return false;
    }
    char keyText[kMaxSettingsToken + 1];
    char value[kMaxSettingsToken + 1];
    std::memcpy(keyText, key, keyLength);
    keyText[keyLength] = '\0';
    std::memcpy(value, valueStart, valueLength);
    value[valueLength] = '\0';

    float* const floats[] = {&s->xsize, &s->ysize, nullptr, nullptr, &s->focal, &s->dmax};
    int* const ints[] = {nullptr, nullptr, &s->xresol, &s->yresol, nullptr, nullptr};
    const char* const keys[] = {"XSIZE", "YSIZE", "XRESOL", "YRESOL", "FOCAL", "DMAX"};
    for (int i = 0; i < 6; ++i) {
        if (strcasecmp(keyText, keys[i]) == 0) {
            if (floats[i] != nullptr) {
                *floats[i] = static_cast<float>(std::atof(value));
            } else {
                *ints[i] = SaturatingAtoi(value);
            }
            return true;
        }
    }
    return false;
}

std::string SettingsFileText(const Settings& s) {
    return TextFormat(
               "# -------------------------------------------------------\n"
               "# kadrel.ini\n"
               "# config file for the program kadrel\n"
               "# kadrel contributors - kadrel project - 2005\n"
               "# -------------------------------------------------------\n"
               "#\n") +
           TextFormat("# taille du capteur CMOS en mm\nXSIZE = %s\t# x\nYSIZE = %s\t# y\n",
                      SettingsNumber(s.xsize).c_str(), SettingsNumber(s.ysize).c_str()) +
           TextFormat("# resolution du capteur CMOS en pixel\nXRESOL = %d\t# x\nYRESOL = %d\t# y\n",
                      s.xresol, s.yresol) +
           TextFormat("# kadrel objectif (mm)\nFOCAL = %s\n", SettingsNumber(s.focal).c_str()) +
           TextFormat("# distance maxi (m)\nDMAX = %s\n", SettingsNumber(s.dmax).c_str());
}
