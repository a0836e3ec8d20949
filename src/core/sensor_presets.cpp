#include "core/sensor_presets.h"

#include <iterator>

namespace {

// Published sizes, rounded to 0.1 mm by their makers (0.01 mm for the small
// ones). The 1/2.3-inch type is often quoted as 6.17 x 4.55 mm, which with a
// 4:3 pixel grid would give pixels 1.7 % taller than wide; its 4:3 height
// 4.63 mm is used instead.
const SensorPreset kPresets[] = {
    {"Factory camera", 22.5f, 15.0f, 3504, 2336},
    {"Full frame", 36.0f, 24.0f, 6000, 4000},
    {"APS-C", 23.5f, 15.6f, 6000, 4000},
    {"APS-C (1.6\u00d7)", 22.3f, 14.9f, 6000, 4000},
    {"Micro Four Thirds", 17.3f, 13.0f, 5184, 3888},
    {"1-inch", 13.2f, 8.8f, 5472, 3648},
    {"1/2.3-inch", 6.17f, 4.63f, 4608, 3456},
    {"Medium format", 44.0f, 33.0f, 8256, 6192},
};

}  // namespace

const SensorPreset* SensorPresets(std::size_t* count) {
    *count = std::size(kPresets);
    return kPresets;
}
