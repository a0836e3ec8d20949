// SPDX-License-Identifier: MIT
// Small text helpers shared by the core's formatters and parsers.
#pragma once

#include <string>

// printf into a std::string of whatever length the text needs.
std::string TextFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Letter case folded in ASCII only, so no locale changes what a word is.
inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
