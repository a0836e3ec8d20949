// SPDX-License-Identifier: MIT
#include "core/text/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace {

// A UTF-8 sequence's first byte, or a byte that stands alone.
bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

std::string Excerpt(const std::string& text) {
    constexpr int kLongest = 40;
    std::string quoted;
    int characters = 0;
    for (char c : text) {
        if (StartsCharacter(c) && characters++ == kLongest) {
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

std::string FitColumn(const std::string& text, std::size_t width, Overflow overflow) {
    std::string fitted;
    std::size_t characters = 0;
    for (char c : text) {
        if (StartsCharacter(c)) {
            if (characters + 1 >= width && overflow == Overflow::Cut) {
                break;  // one blank stays between columns
            }
            ++characters;
        }
        fitted += c;
    }
    return fitted + std::string(characters < width ? width - characters : 1, ' ');
}
