// SPDX-License-Identifier: MIT
// Lengths as a photographer reads and types them, in metres or in feet and
// inches. Every stored length is in metres; units only change what is shown
// and how a bare typed number is taken. Sensor sizes and focal lengths stay
// in millimetres whatever the choice.
#pragma once

#include <string>
#include <vector>

enum class Units { Metric, Imperial };

constexpr double kFootMetres = 0.3048;  // exactly
constexpr double kMillimetresPerMetre = 1000;

// Millimetres, as the user types and reads lens and sensor sizes, in the
// metres every formula takes: divided, as the figures always have been.
constexpr double Metres(double millimetres) {
    return millimetres / kMillimetresPerMetre;
}

// Metres back in millimetres, for text. Not always the very figure typed
// (63.7 comes back 63.70000000000001), so files keep the typed millimetres.
constexpr double Millimetres(double metres) {
    return metres * kMillimetresPerMetre;
}

// The unit of a distance: millimetres or inches (Small), metres or feet and
// inches (Large), or whichever suits the one figure (Either).
enum class Magnitude { Either, Small, Large };

// "∞" for infinity, "–" for not a number. Metric: "399.7 mm" below 1 m, then
// "2.34 m", "668.9 m" from 100 m and "4774 m" from 1000 m: never more than
// four significant figures there. Imperial: from one foot, feet and inches to
// the eighth below 10 ft ("3′ 11⅝″"), whole inches below 100 ft ("32′ 10″"),
// then feet to three significant figures ("1000′"), each rounded before it
// is split ("6′ 0″", never "5′ 12″"); below, inches to the eighth ("11⅝″"),
// under an inch with two decimals ("0.20″"). A figure held to Large below
// its unit reads "0.625 m" or "0′ 11⅝″".
std::string FormatDistance(double metres, Units units, Magnitude magnitude = Magnitude::Either);

// The one unit for figures shown together (a table column, a row of the
// plan): Large once any finite one rounds to a metre or a foot.
Magnitude SharedMagnitude(const std::vector<double>& metres, Units units);

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
