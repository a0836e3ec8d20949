// SPDX-License-Identifier: MIT
// The depth-of-field card: for one focal length, focus distances down the
// side, apertures across, the near and far limits in each cell, and the
// hyperfocal distance per aperture. Exact thin-lens figures, distances in
// metres from the lens; the window, the PDF, the CSV and the command line all
// read the same table.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/optics/thin_lens.h"
#include "core/text/units.h"

// One card. cells[i][j] holds the limits focused at distances[i] with
// apertures[j] (both NaN where the focus is not beyond the focal length, so
// that there is no image); hyperfocal[j] is H = f²/(N c) + f, where the far
// limit reaches infinity and the near one is H/2.
struct DofTable {
    double focal;   // m
    double circle;  // m, the circle of confusion
    std::vector<double> apertures;
    std::vector<double> distances;  // m
    std::vector<std::vector<SharpLimits>> cells;
    std::vector<double> hyperfocal;  // m
};

DofTable BuildDofTable(double focal, double circle, const std::vector<double>& apertures,
                       const std::vector<double>& distances);

// The focus distances of a printed card, in metres: 0.5 … 30 m, or in
// imperial units 2 … 100 ft.
const std::vector<double>& StandardDistances(Units units);

// Longest list a card takes in either direction; more would not fit a page.
constexpr std::size_t kMaxTableEntries = 32;

// A typed list: items separated by commas, blanks around them ignored, each
// read by item (false when it cannot). The values come back sorted, repeats
// dropped. False, leaving *values alone, for an empty list or item, an item
// item refuses, or more than kMaxTableEntries values.
using ItemReader = std::function<bool(const std::string& text, double* value)>;
bool ParseList(const std::string& text, const ItemReader& item, std::vector<double>* values);

// The readers for ParseList, numbers the same whatever the user's language:
// a focus distance as typed anywhere else (a bare number in the units' own
// length), without infinity;
bool ReadFocusDistance(const std::string& text, Units units, double* metres);
// millimetres, 10 to 2000 as the panel takes them, "mm" allowed after the
// number;
bool ReadFocalLength(const std::string& text, double* mm);
// an f-number from 0.5 to 128, "f/" allowed before it ("f/5.6", "5.6").
bool ReadAperture(const std::string& text, double* n);
