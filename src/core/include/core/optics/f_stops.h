// SPDX-License-Identifier: MIT
// The f-numbers engraved on lenses and shown by cameras. The extras suggest
// and round to these; the panel's aperture field keeps its own step.
#pragma once

#include <vector>

// Full stops, f/1.4 to f/22: the columns of a printed depth-of-field table.
const std::vector<double>& FullStops();

// Third stops, f/1 to f/64, as marked (…, 2.8, 3.2, 3.5, 4, 4.5, 5, 5.6, …).
const std::vector<double>& ThirdStops();

// The smallest marked third stop at or above n (0 when n is past f/64, or
// not a number): the aperture that is at least as deep as n.
double ThirdStopAtOrAbove(double n);

// The largest marked third stop at or below n (0 when n is under f/1, or not
// a number): the smallest aperture that still keeps within n.
double ThirdStopAtOrBelow(double n);

// What a lens opens to at one focal length: its widest and smallest aperture,
// each 0 when not known.
struct LensStops {
    double widest = 0;
    double smallest = 0;
};

// The stops a lens has: those not wider than its widest nor narrower than its
// smallest, in their order.
std::vector<double> StopsWithin(const std::vector<double>& stops, LensStops lens);
