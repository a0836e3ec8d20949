// SPDX-License-Identifier: MIT
// Small text helpers shared by the core's formatters and parsers.
#pragma once

#include <cstddef>
#include <string>

// printf into a std::string of whatever length the text needs.
std::string TextFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// What a message quotes of a typed text: the text itself up to 40
// characters, else its first 40 and an ellipsis, so that a pasted page does
// not make the message a page wide. Cut between UTF-8 characters, and on one
// line: a line break is quoted as a space.
std::string Excerpt(const std::string& text);

// What a column does with a text as wide as it or wider: cuts it to the
// column's width less one, or keeps it whole.
enum class Overflow { Cut, Keep };

// text in a column width characters wide in a monospaced font (a UTF-8
// sequence counts as one), padded with blanks so that at least one follows.
std::string FitColumn(const std::string& text, std::size_t width,
                      Overflow overflow = Overflow::Cut);

// Letter case folded in ASCII only, so no locale changes what a word is.
inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
