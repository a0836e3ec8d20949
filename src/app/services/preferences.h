// SPDX-License-Identifier: MIT
// preferences.ini: the circle of confusion and the units of every figure
// beside the panel's report. It lives wherever kadrel.ini does, found by the
// same rules (services/locations.h), and is saved with the same guarantees; the
// report and kadrel.ini never depend on it.
#pragma once

#include <string>

#include "core/settings/preferences_text.h"
#include "ui/userint.h"

// The choices in use: read at start-up, changed by the Preferences dialog.
extern Preferences preferences;
extern char prefsFullPath[MAX_PATHNAME_LEN];

// After LocateSettingsFile: preferences.ini beside kadrel.ini.
void LocatePreferencesFile();

// Reads it over the defaults. The reason it could not be read, empty when it
// was or is missing; an unreadable file is then never overwritten.
std::string ReadPreferencesFile();

// The start-up notice for an unreadable file, once the panel shows.
void TellIfPreferencesUnreadable();

// Saves the choices in use; the user is told of a failure, and false comes
// back.
bool WritePreferencesFile();
