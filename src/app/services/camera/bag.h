// SPDX-License-Identifier: MIT
// bag.ini: the user's bodies, lenses and pinned setups. It lives wherever
// kadrel.ini does and is saved with the same guarantees; the panel's report
// and kadrel.ini never depend on it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/optics/f_stops.h"
#include "core/optics/optics.h"
#include "core/settings/bag_text.h"
#include "core/text/units.h"
#include "ui/userint.h"

// The bag in use: read at start-up, changed by the pins.
extern Bag bag;
extern char bagFullPath[MAX_PATHNAME_LEN];

// After LocateSettingsFile: bag.ini beside kadrel.ini.
void LocateBagFile();

// Reads it into an empty bag. The reason it could not be read, empty when it
// was or is missing; an unreadable file is then never overwritten.
std::string ReadBagFile();

// The start-up notice for an unreadable file, once the panel shows.
void TellIfBagUnreadable();

// Saves the bag in use; the user is told of a failure, and false comes back.
bool WriteBagFile();

// The lens in use (the bag's chosen lens, kept in bag.ini), or nullptr.
const BagLens* ChosenLens();
// What the lens in use opens to at focalMm; nothing known without one.
LensStops ChosenLensStops(double focalMm);
// The name of the first body in the bag with camera's sensor, or "".
std::string BodyFor(const Settings& camera);

// The bag as kadrel bag and the bag window show it: bodies, lenses and pins,
// one a line under a heading each, a lens's minimum focus in units.
std::string BagListing(Units units);
