// SPDX-License-Identifier: MIT
// What the panel takes from a photo's camera and what it keeps of its own;
// the window applies it and `kadrel photo` prints it, so the two agree.
// A pair (sensor width and height, pixels across and down) is taken whole or
// not at all. A focal length the panel cannot show means nothing is taken: the
// photo's sensor behind another lens would be a camera nobody has. The cursor
// moves only from values taken, and never past the farthest d max.
#pragma once

#include <string>
#include <vector>

#include "core/photo/photo_camera.h"
#include "core/text/units.h"

struct FieldRange {
    double min, max;
};

// The ranges of the panel's fields a photo fills.
struct PanelRanges {
    FieldRange size;        // mm, either side of the sensor
    FieldRange resolution;  // pixels, either way
    FieldRange focal;       // mm
    FieldRange aperture;
    FieldRange dmax;  // m; a subject beyond its max is not placed
};

struct PhotoFields {
    bool refused = false;  // the panel cannot show this camera: nothing is taken
    PhotoCamera taken;     // the photo's camera less what is not taken, as the fields show it
    bool subject = false;
    double distance = 0;            // m from the lens, where the cursor goes
    std::vector<std::string> kept;  // one sentence per value not taken, and why; a refusal first
};

// Distances in the sentences are in units.
PhotoFields FieldsFromPhoto(const PhotoCamera& camera, const PanelRanges& ranges, Units units);
