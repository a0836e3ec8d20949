// SPDX-License-Identifier: MIT
#include "core/settings/key_line.h"

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

}  // namespace

bool SplitKeyLine(const char* line, std::string* key, std::string* value) {
    const char* equals = std::strchr(line, '=');
    if (equals == nullptr) {
        return false;
    }
    *key = Trimmed(line, equals);
    *value = Trimmed(equals + 1, equals + std::strlen(equals));
    return true;
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
