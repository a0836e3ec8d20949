// SPDX-License-Identifier: MIT
// Common sensors, so that a camera can be entered without its data sheet:
// the size in millimetres and the pixel counts, one row each.
#pragma once

#include <cstddef>

struct SensorPreset {
    const char* name;
    const char* published;  // the makers' size in mm, as the menu shows it ("23.5 × 15.6")
    float xsize;            // mm, with square pixels on the grid below
    float ysize;            // mm
    int xresol;             // pixels
    int yresol;
};

// The table, factory camera first; *count receives its length.
const SensorPreset* SensorPresets(std::size_t* count);
