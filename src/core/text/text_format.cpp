// SPDX-License-Identifier: MIT
#include "core/text/text_format.h"

#include <cstdarg>
#include <cstdio>

std::string Excerpt(const std::string& text) {
    constexpr int kLongest = 40;
    std::string quoted;
    int characters = 0;
    for (char c : text) {
        const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts && characters++ == kLongest) {
            return quoted + "\u2026";
        }
        quoted += c == '\n' || c == '\r' ? ' ' : c;
    }
    return quoted;
}

std::string TextFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}
