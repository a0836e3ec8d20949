// SPDX-License-Identifier: MIT
#include "core/settings/sensor_presets.h"

#include <iterator>

namespace {

// Makers round their sizes to 0.1 mm (0.01 mm for the small ones), which can
// put the width over height 0.006 away from the pixel grid's and light the
// "rectangular pixels" remark. So the height entered is the width times the
// grid's height over its width, to 0.01 mm, the makers' size staying in the
// menu. The 1/2.3-inch type is often quoted as 6.17 x 4.55 mm, 1.7 % short of
// its 4:3 grid; its 4:3 height 4.63 mm is given instead.
const SensorPreset kPresets[] = {
    {"Factory camera", "22.5 \u00d7 15", 22.5f, 15.0f, 3504, 2336},
    {"Full frame", "36 \u00d7 24", 36.0f, 24.0f, 6000, 4000},
    {"APS-C", "23.5 \u00d7 15.6", 23.5f, 15.67f, 6000, 4000},
    {"APS-C (1.6\u00d7)", "22.3 \u00d7 14.9", 22.3f, 14.87f, 6000, 4000},
    {"Micro Four Thirds", "17.3 \u00d7 13", 17.3f, 12.98f, 5184, 3888},
    {"1-inch", "13.2 \u00d7 8.8", 13.2f, 8.8f, 5472, 3648},
    {"1/2.3-inch", "6.17 \u00d7 4.63", 6.17f, 4.63f, 4608, 3456},
    {"Medium format", "44 \u00d7 33", 44.0f, 33.0f, 8256, 6192},
};

}  // namespace

const SensorPreset* SensorPresets(std::size_t* count) {
    *count = std::size(kPresets);
    return kPresets;
}
