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
#include "ui/userint_extras.h"

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

// The context menu's "Use body", "Use lens" and "Camera bag" submenus, their
// ids from kFirstBagItem on; *labels keeps their text while the menu shows.
constexpr int kFirstBagItem = 1000;
void AddBagItems(std::vector<MenuItem>* items, std::vector<std::string>* labels);
// Does what the bag's item id says: a body's sensor into the fields, a lens
// chosen (its focal range and widest aperture taken where the panel is
// beyond them), the panel's camera or a lens from lensfun added, or an entry
// removed; the bag is saved at once.
void ChooseFromBag(int id);
// The lens in use (the bag's chosen lens, kept in bag.ini), or nullptr.
const BagLens* ChosenLens();
// At start-up, after ReadBagFile: the pupil magnification of the lens kept in use.
void TakeLensFromBag();
// What the lens in use opens to at focalMm; nothing known without one.
LensStops ChosenLensStops(double focalMm);
// The name of the first body in the bag with the panel's sensor, or "".
std::string BodyOnPanel();

// The command line's --body NAME and --lens NAME over the bag, a unique
// start of a name enough: the body's sensor, or the lens's focal range and
// widest aperture as Use lens takes them. "", or why not, listing the names
// that could be meant; a bag that cannot be read is said on err.
std::string ApplyBagOption(const char* option, const std::string& name, Settings* settings,
                           std::FILE* err);

// kadrel bag: the bodies, lenses and pinned setups, one a line.
int RunBag(int argc, char* argv[], std::FILE* out, std::FILE* err);

// The bag as kadrel bag and the bag window show it: bodies, lenses and pins,
// one a line under a heading each, a lens's minimum focus in units.
std::string BagListing(Units units);

// The camera bag window (Ctrl+B, or "Camera bag…"): the bag as text, with
// buttons that add the panel's camera or a lens from lensfun; made on first
// use, beside the panel, it follows every change to the bag.
void OpenBagWindow();
void RefreshBagWindow();
// What the window's buttons and the menu's items do; the bag is saved at once.
// Removing the body or lens in use leaves none in use.
void AddPanelBodyToBag();
// Adds a body unless one of its name is in the bag already (false then);
// *said tells which, as the user reads it.
bool AddBodyToBag(const BagBody& body, std::string* said);
// The same for a lens of lensfun's, by its name there.
bool AddLensfunLensToBag(const std::string& name, std::string* said);
void AddLensToBag();
void RemoveBody(std::size_t index);
// Asks for a lens's minimum focus distance and pupil magnification; the lens
// in use passes its pupil on to every pupil field.
void EditLensDetails();
void RemoveLens(std::size_t index);
