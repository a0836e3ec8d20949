// SPDX-License-Identifier: MIT
#include "core/settings/sensor_presets.h"

#include <iterator>

#include "core/text/text_format.h"

namespace {

// Each sets the size its label shows, with square pixels on its grid: makers
// round their sizes to 0.1 mm, which would light the "rectangular pixels"
// remark, so a height is the width times the grid's height over its width, to
// 0.01 mm (APS-C's 23.5 × 15.6 is 23.5 × 15.67 here).
const SensorPreset kPresets[] = {
    {"Factory camera", 22.5f, 15.0f, 3504, 2336},
    {"Full frame", 36.0f, 24.0f, 6000, 4000},
    {"APS-C", 23.5f, 15.67f, 6000, 4000},
    {"APS-C (1.6\u00d7)", 22.3f, 14.87f, 6000, 4000},
    {"Micro Four Thirds", 17.3f, 12.98f, 5184, 3888},
    {"1-inch", 13.2f, 8.8f, 5472, 3648},
    {"1/2.3-inch", 6.17f, 4.63f, 4608, 3456},
    {"Medium format", 44.0f, 33.0f, 8256, 6192},
};

}  // namespace

const SensorPreset* SensorPresets(std::size_t* count) {
    *count = std::size(kPresets);
    return kPresets;
}

std::string SensorText(double xsize, double ysize, int xresol, int yresol) {
    return TextFormat("%g \u00d7 %g mm, %d \u00d7 %d pixels", xsize, ysize, xresol, yresol);
}
