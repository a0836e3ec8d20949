// SPDX-License-Identifier: MIT
// Finding a lens by name as it is typed, and what it allows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/optics/f_stops.h"
#include "core/settings/bag_text.h"

// The places in lenses of those whose name or mount holds every word typed,
// in any letter case. Lenses calibrated on a sensor as large as the body's
// or larger (a crop factor up to the body's) come first, as they surely
// cover it; the others follow, for a full-frame lens calibrated on a crop
// body covers a full-frame body all the same. Each group keeps its order.
std::vector<std::size_t> FindLenses(const std::vector<BagLens>& lenses, const std::string& typed,
                                    double bodyCrop);

// The details' line on the lens chosen: its name and widest aperture at
// focalMm, or what the setup asks beyond it ("300 mm is outside its
// 18-55 mm", "f/1.2 is wider than its f/3.67 at 20 mm"). The fields keep
// their own ranges; this only says so.
std::string LensLimitsText(const BagLens& lens, double focalMm, double aperture);

// The focal length brought into the lens's range, then the aperture up to
// its widest there: what choosing the lens does to a setup.
void FitToLens(const BagLens& lens, double* focalMm, double* aperture);

// What the lens opens to at focalMm: its widest there, its smallest.
LensStops StopsAt(const BagLens& lens, double focalMm);

// The places of the names that start with typed, letter case aside; the
// exact name alone when there is one.
std::vector<std::size_t> MatchingNames(const std::vector<std::string>& names,
                                       const std::string& typed);
