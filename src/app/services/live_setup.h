// SPDX-License-Identifier: MIT
// The live setup: what the user has set, as one value. The panel's recompute
// builds it after every change (a typed field, the cursor, a preference, a
// pin, a photo, a preset) and publishes it; every view that follows it is
// handed the value, and none reads the graph cursor or the globals itself.
// The command line builds the same value from the saved files (program/saved_setup.h).
#pragma once

#include <functional>
#include <string>

#include "core/optics/optics.h"
#include "core/optics/thin_lens.h"
#include "core/settings/preferences_text.h"

struct LiveSetup {
    Settings camera;          // sensor, pixels, focal length, aperture, d max, pupil
    Preferences preferences;  // the circle chosen and the units
    double cocMm;             // the circle in use for this camera, mm (NaN: none)
    Lens lens;                // its focal length, aperture and that circle, in metres
    double cursor;            // the subject distance at the graph's cursor, m
    double nearest;           // the graph's near end, m (NaN without a graph)
};

// The value for a camera, preferences and cursor, its circle worked out.
LiveSetup MakeLiveSetup(const Settings& camera, const Preferences& preferences, double cursor);

// Keeps setup as the one in use and hands it to every follower, oldest first.
void PublishSetup(const LiveSetup& setup);
// The last setup published (the factory's before the first).
const LiveSetup& CurrentSetup();
// follower is handed every setup published from now on.
void Follow(std::function<void(const LiveSetup&)> follower);
