// SPDX-License-Identifier: MIT
// The camera options every sub-command shares: --sensor WxH --pixels WxH
// --focal MM --aperture N --distance D --coc C --units U --body --lens. What
// is not given comes from the saved kadrel.ini and preferences.ini, found by
// the same rules as the window's, so that an answer is for the user's own camera.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/options/option_table.h"
#include "core/optics/optics.h"
#include "core/settings/preferences_text.h"

struct CameraOptions {
    Settings settings;                        // as the window would start, then the options
    Preferences preferences;                  // the saved choices, then --coc and --units
    double distance;                          // m from the lens; NaN when --distance is not given
    std::optional<std::string> distanceText;  // read once the units are known
};

// The shared rows over *camera, in the order --help lists them, under
// heading; the rows named in without are left out. A bag that cannot be read
// is said on err.
OptionGroup CameraGroup(CameraOptions* camera, std::FILE* err, const char* heading,
                        const std::vector<std::string>& without = {});

// A --distance not beyond the focal length, said: status 2.
int RefuseInsideFocal(const CommandLine& line);

// --units U into *units.
OptionRow UnitsRow(Units* units, const char* help);

// Reads line, whose groups set *camera, over the saved camera: true to go on;
// false to end with *status, 0 after --help (printed on out), 2 after a
// message (an argument that is no option among them).
bool ReadCameraLine(const CommandLine& line, int argc, char* argv[], CameraOptions* camera,
                    std::FILE* out, int* status);
