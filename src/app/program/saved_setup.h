// SPDX-License-Identifier: MIT
// The setup the saved files describe, for the command line: kadrel.ini and
// preferences.ini read as the window would start with them, without touching
// the program's own settings and preferences.
#pragma once

#include <string>

#include "services/live_setup.h"

// *settingsWhy and *preferencesWhy say why a file could not be read ("" when
// it was or is missing); the factory values stand in for it.
struct SavedSetup {
    LiveSetup setup;
    std::string settingsWhy;
    std::string preferencesWhy;
};
SavedSetup SetupFromFiles();
