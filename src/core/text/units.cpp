// SPDX-License-Identifier: MIT
#include "core/text/units.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/text/text_format.h"

namespace {

constexpr double kInchMm = 25.4;  // exactly
constexpr double kFootMm = 12 * kInchMm;
constexpr char kFeetSign[] = "\u2032";
constexpr char kInchSign[] = "\u2033";

std::string NotFinite(double metres) {
    if (std::isnan(metres)) {
        return "\u2013";
    }
    return metres > 0 ? "\u221e" : "-\u221e";
}

// A size of at least 100 rounded to a number of significant figures: 2190.
double Significant(double size, int figures) {
    const double unit = std::pow(10, std::floor(std::log10(size)) + 1 - figures);
    return std::round(size / unit) * unit;
}

// One decimal of a millimetre below the metre; from 100 m on, four significant
// figures at most, which is all the focal length and the circle carry.
std::string Metric(double metres, Magnitude magnitude) {
    const double mm = metres * 1000;
    const double size = std::fabs(metres);
    const bool small = magnitude == Magnitude::Either ? std::fabs(std::round(mm * 10) / 10) < 1000
                                                      : magnitude == Magnitude::Small;
    if (small) {
        return TextFormat("%.1f mm", mm);
    }
    if (size < 1 && magnitude == Magnitude::Large) {
        return TextFormat("%.3f m", metres);
    }
    if (std::round(size * 100) < 10000) {
        return TextFormat("%.2f m", metres);
    }
    if (std::round(size * 10) < 10000) {
        return TextFormat("%.1f m", metres);
    }
    return TextFormat("%.0f m", std::copysign(Significant(size, 4), metres));
}

const char* const kEighths[] = {"",       "\u215b", "\u00bc", "\u215c",
                                "\u00bd", "\u215d", "\u00be", "\u215e"};

// Below ten feet, inches to the nearest eighth; to a hundred feet, whole
// inches; beyond, feet to three significant figures. Each is rounded before it
// is split, so 71.99″ is 6′ 0″, never 5′ 12″.
std::string FeetAndInches(double inches) {
    const char* sign = inches < 0 ? "-" : "";
    const double size = std::fabs(inches);
    const long eighths = std::lround(size * 8);
    if (eighths < 10 * 12 * 8) {
        return TextFormat("%s%ld%s %ld%s%s", sign, eighths / 96, kFeetSign, eighths % 96 / 8,
                          kEighths[eighths % 8], kInchSign);
    }
    const long whole = std::lround(size);
    if (whole < 100 * 12) {
        return TextFormat("%s%ld%s %ld%s", sign, whole / 12, kFeetSign, whole % 12, kInchSign);
    }
    return TextFormat("%s%.0f%s", sign, Significant(size / 12, 3), kFeetSign);
}

// Inches alone below the foot: to the eighth, under an inch with decimals.
std::string Inches(double inches, bool thousandths) {
    const double size = std::fabs(inches);
    if (thousandths && std::round(size * 1000) < 1000) {
        return TextFormat("%.3f%s", inches, kInchSign);
    }
    if (std::round(size * 100) < 100) {
        return TextFormat("%.2f%s", inches, kInchSign);
    }
    const long eighths = std::lround(size * 8);
    return TextFormat("%s%ld%s%s", inches < 0 ? "-" : "", eighths / 8, kEighths[eighths % 8],
                      kInchSign);
}

std::string Imperial(double metres, bool thousandths, Magnitude magnitude) {
    const double inches = metres * 1000 / kInchMm;
    const bool small = magnitude == Magnitude::Either ? std::lround(std::fabs(inches) * 8) < 96
                                                      : magnitude == Magnitude::Small;
    return small ? Inches(inches, thousandths) : FeetAndInches(inches);
}

std::string Format(double metres, Units units, bool thousandths, Magnitude magnitude) {
    if (!std::isfinite(metres)) {
        return NotFinite(metres);
    }
    return units == Units::Metric ? Metric(metres, magnitude)
                                  : Imperial(metres, thousandths, magnitude);
}

bool AsciiLetter(char c) {
    return AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z';
}

bool StartsWithWord(const char* at, const char* end, const char* word) {
    for (; *word; ++word, ++at) {
        if (at == end || AsciiLower(*at) != *word) {
            return false;
        }
    }
    return true;
}

// The text still to be read, with blanks skipped as it goes.
struct Cursor {
    const char* at;
    const char* end;
    void SkipBlanks() {
        while (at < end && (*at == ' ' || *at == '\t')) {
            ++at;
        }
    }
    bool Take(const char* word) {
        const std::size_t n = std::strlen(word);
        if (!StartsWithWord(at, end, word)) {
            return false;
        }
        // A word must not run on into more letters ("mi" is not "m").
        if (AsciiLetter(word[0]) && at + n < end && AsciiLetter(at[n])) {
            return false;
        }
        at += n;
        return true;
    }
};

// Digits with at most one decimal point; no sign, no exponent.
bool Number(Cursor* c, double* value) {
    const char* start = c->at;
    const char* p = start;
    bool digits = false;
    bool point = false;
    for (; p < c->end; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits = true;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return false;
    }
    const auto result = std::from_chars(start, p, *value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != p || !std::isfinite(*value)) {
        return false;
    }
    c->at = p;
    return true;
}

// One row per unit word: the millimetres it stands for, so that a length
// typed in millimetres is kept exactly.
struct UnitWord {
    const char* word;
    double mm;
};
constexpr UnitWord kUnitWords[] = {
    {"mm", 1},       {"cm", 10},      {"m", 1000},
    {"ft", kFootMm}, {"'", kFootMm},  {kFeetSign, kFootMm},
    {"in", kInchMm}, {"\"", kInchMm}, {kInchSign, kInchMm},
};

// The unit after a number, or bare (0) when none follows.
double Unit(Cursor* c) {
    c->SkipBlanks();
    for (const UnitWord& unit : kUnitWords) {
        if (c->Take(unit.word)) {
            return unit.mm;
        }
    }
    return 0;
}

bool Infinity(Cursor c) {
    c.SkipBlanks();
    if (!(c.Take("\u221e") || c.Take("infinity") || c.Take("inf"))) {
        return false;
    }
    c.SkipBlanks();
    return c.at == c.end;
}

// Number and unit, then, after feet only, inches under 12; in millimetres.
bool Length(const std::string& text, double bareMm, double* mm) {
    Cursor c{text.data(), text.data() + text.size()};
    double amount = 0;
    c.SkipBlanks();
    if (!Number(&c, &amount)) {
        return false;
    }
    const double unit = Unit(&c);
    double total = amount * (unit > 0 ? unit : bareMm);
    c.SkipBlanks();
    if (unit == kFootMm && c.at < c.end) {
        double inches = 0;
        if (!Number(&c, &inches) || inches >= 12) {
            return false;
        }
        const double second = Unit(&c);
        if (second != 0 && second != kInchMm) {
            return false;
        }
        total += inches * kInchMm;
        c.SkipBlanks();
    }
    if (c.at != c.end || !(total > 0) || !std::isfinite(total)) {
        return false;
    }
    *mm = total;
    return true;
}

}  // namespace

std::string FormatDistance(double metres, Units units, Magnitude magnitude) {
    return Format(metres, units, false, magnitude);
}

std::string FormatDepth(double metres, Units units) {
    return Format(metres, units, true, Magnitude::Either);
}

Magnitude SharedMagnitude(const std::vector<double>& metres, Units units) {
    for (double value : metres) {
        if (std::isfinite(value) &&
            std::fabs(value) * 1000 >= (units == Units::Metric ? 999.95 : kFootMm - kInchMm / 16)) {
            return Magnitude::Large;
        }
    }
    return Magnitude::Small;
}

bool ParseDistance(const std::string& text, Units units, bool allowInfinity, double* metres) {
    if (allowInfinity && Infinity(Cursor{text.data(), text.data() + text.size()})) {
        *metres = HUGE_VAL;
        return true;
    }
    double mm = 0;
    if (!Length(text, units == Units::Metric ? 1000 : kFootMm, &mm)) {
        return false;
    }
    *metres = mm / 1000;
    return true;
}

bool ParseLengthMm(const std::string& text, double* millimetres) {
    return Length(text, 1, millimetres);
}

bool ParsePlainNumber(const std::string& text, double* value) {
    Cursor c{text.data(), text.data() + text.size()};
    double number = 0;
    c.SkipBlanks();
    if (!Number(&c, &number)) {
        return false;
    }
    c.SkipBlanks();
    if (c.at != c.end) {
        return false;
    }
    *value = number;
    return true;
}

bool ParseUnits(const std::string& text, Units* units) {
    for (const Units choice : {Units::Metric, Units::Imperial}) {
        Cursor c{text.data(), text.data() + text.size()};
        c.SkipBlanks();
        if (c.Take(UnitsText(choice))) {
            c.SkipBlanks();
            if (c.at == c.end) {
                *units = choice;
                return true;
            }
        }
    }
    return false;
}

const char* UnitsText(Units units) {
    return units == Units::Metric ? "metric" : "imperial";
}

std::string ShortestNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
