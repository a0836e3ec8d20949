// SPDX-License-Identifier: MIT
// A setup to compare or pin, as the user types it: lengths in millimetres,
// focused at s metres.
#pragma once

#include "core/tables/setup_compare.h"

inline ShotSetup Shot(double widthMm, double focalMm, double n, double cocMm, double s) {
    return {Metres(widthMm), {Metres(focalMm), n, Metres(cocMm)}, s};
}
