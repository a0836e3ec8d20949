// SPDX-License-Identifier: MIT
// Common sensors, so that a camera can be entered without its data sheet:
// the size in millimetres and the pixel counts, one row each.
#pragma once

#include <cstddef>
#include <string>

struct SensorPreset {
    const char* name;
    float xsize;  // mm, with square pixels on the grid below
    float ysize;  // mm
    int xresol;   // pixels
    int yresol;
};

// The table, factory camera first; *count receives its length.
const SensorPreset* SensorPresets(std::size_t* count);

// "23.5 × 15.67 mm, 6000 × 4000 pixels": a preset's label after its name, and
// any camera's in the same words.
std::string SensorText(double xsize, double ysize, int xresol, int yresol);
