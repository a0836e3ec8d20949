// Common sensors, so that a camera can be entered without its data sheet:
// the size in millimetres and the pixel counts, one row each.
#pragma once

#include <cstddef>

struct SensorPreset {
    const char* name;
    float xsize;  // mm
    float ysize;  // mm
    int xresol;   // pixels
    int yresol;
};

// The table, factory camera first; *count receives its length.
const SensorPreset* SensorPresets(std::size_t* count);
