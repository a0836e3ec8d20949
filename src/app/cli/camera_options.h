// SPDX-License-Identifier: MIT
// The camera options every sub-command shares: --sensor WxH --pixels WxH
// --focal MM --aperture N --distance D --coc C --units U. What is not given
// comes from the saved kadrel.ini and preferences.ini, found by the same rules
// as the window's, so that an answer is for the user's own camera.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/optics/optics.h"
#include "core/settings/preferences_text.h"

struct CameraOptions {
    Settings settings;        // as the window would start, then the options
    Preferences preferences;  // the saved choices, then --coc and --units
    double distance;          // m from the lens; NaN when --distance is not given
    bool help;                // --help was asked for
};

// Fills *options from the saved files and argv[1..]. Arguments it does not
// know go to *rest, in order, for the sub-command's own options. 0, or 2
// after a one-line message on err naming the option and its value.
int ReadCameraOptions(int argc, char* argv[], CameraOptions* options,
                      std::vector<std::string>* rest, std::FILE* err);

// The options' lines for each sub-command's --help.
extern const char kCameraOptionsHelp[];
