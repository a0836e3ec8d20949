// SPDX-License-Identifier: MIT
// Lengths as a photographer reads and types them, in metres or in feet and
// inches. Every stored length is in metres; units only change what is shown
// and how a bare typed number is taken. Sensor sizes and focal lengths stay
// in millimetres whatever the choice.
#pragma once

#include <string>

enum class Units { Metric, Imperial };

// "∞" for infinity, "–" for not a number. Metric: "2.34 m" from 1 m, "399.7 mm"
// below. Imperial: feet and inches from one foot, the total rounded to the
// inch first ("6′ 0″", never "5′ 12″"), inches with two decimals below
// ("11.25″").
std::string FormatDistance(double metres, Units units);

// As FormatDistance, but imperial depths under an inch are given in
// thousandths of an inch ("0.125″").
std::string FormatDepth(double metres, Units units);

// Reads a typed distance: "3 m", "300 cm", "400 mm", "10 ft", "10'", "10' 6\"",
// "126 in", "126\"", with ′ and ″ as well; a bare number is in metres (metric)
// or feet (imperial). "∞", "inf" and "infinity" give +inf only when
// allowInfinity. False, leaving *metres alone, for anything else: signs,
// zero, unknown units, a unit alone, inches of 12 or more after feet.
bool ParseDistance(const std::string& text, Units units, bool allowInfinity, double* metres);

// A length in a sub-text where a bare number is in millimetres (a print's
// size, its viewing distance); the same spellings as ParseDistance.
bool ParseLengthMm(const std::string& text, double* millimetres);

// Digits with at most one decimal point, blanks around allowed; no sign, no
// exponent, and the same whatever the process locale.
bool ParsePlainNumber(const std::string& text, double* value);

// "metric" or "imperial", in any letter case, blanks around allowed.
bool ParseUnits(const std::string& text, Units* units);
const char* UnitsText(Units units);

// The shortest text that reads back as exactly value ("0.03", "1500"),
// whatever the process locale.
std::string ShortestNumber(double value);
