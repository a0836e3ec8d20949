// SPDX-License-Identifier: MIT
// Depth-of-field cards for the panel's camera, to look at, save and print;
// and setups pinned for the run, compared beside the live one in the details
// window. Nothing here reaches the panel, its report or kadrel.ini.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/optics/optics.h"
#include "core/settings/preferences_text.h"
#include "core/tables/dof_table.h"
#include "core/tables/setup_compare.h"
#include "core/tables/side_view.h"

// What the cards show. An empty list means the default: the panel's focal
// length, full stops f/1.4 to f/22 (those the lens in use has at each focal
// length), the standard distances of the units.
struct TableChoice {
    std::vector<double> focals;     // mm
    std::vector<double> apertures;  // f-numbers
    std::vector<double> distances;  // m
};
extern TableChoice tableChoice;

// For a camera and its preferences: the lists with the defaults filled in,
// one card per focal length, the camera as headers name it, and the cards as
// HTML (for the PDF and the printer) and as CSV.
std::vector<double> ChosenFocals(const TableChoice& choice, const Settings& camera);
std::vector<double> ChosenApertures(const TableChoice& choice, double focal);
std::vector<double> ChosenDistances(const TableChoice& choice, Units units);
std::vector<DofTable> BuildTables(const Settings& camera, const Preferences& prefs,
                                  const TableChoice& choice);
std::string CameraText(const Settings& camera);  // the preset's name when it is one
std::string TablesHtml(const Settings& camera, const Preferences& prefs, const TableChoice& choice);
std::string TablesCsv(const Settings& camera, const Preferences& prefs, const TableChoice& choice);
// Writes the HTML as a PDF, whole or not at all: a target that is no regular
// file is refused before the document is made. "" on success, else why not.
std::string WriteTablesPdf(const std::string& html, const std::string& path);

// The same for the live setup's camera and preferences, and tableChoice.
std::vector<double> TableFocals();
std::vector<double> TableApertures();
std::vector<double> TableDistances();
std::vector<DofTable> BuildTables();
std::string CameraText();
std::string CocText();  // the circle of confusion as headers state it
Units TableUnits();     // the units of the cards, and a distance as they write it
std::string DistanceText(double metres);

// Writes the cards; "" on success, else why not.
std::string ExportTablePdf(const std::string& path);
std::string ExportTableCsv(const std::string& path);
// The system's print dialog for the cards; "" unless it failed, else why.
// A print to a file is written as the PDF export writes it, and *file names it.
std::string PrintTables(int panel, std::string* file);

// Setups pinned, oldest first, at most kMaxPins; kept in bag.ini.
constexpr int kMaxPins = 3;
using Pin = NamedSetup;  // its name short, the user may change it
extern std::vector<Pin> pins;

// At start-up, after ReadBagFile: the pins the bag kept.
void TakePinsFromBag();
struct LiveSetup;
// The live setup as a shot: its camera, lens, aperture, circle and cursor.
ShotSetup LiveShot(const LiveSetup& live);
// Keeps the live setup as a pin named after its lens and aperture; nothing
// when there are kMaxPins. Each of these is true when the pins changed.
bool PinLiveSetup();
// Asks for a pin's new name; an empty one keeps the old.
bool RenamePin(std::size_t index);
bool RemovePin(std::size_t index);
// The live setup and the pins as columns, for the details window; "" without
// pins.
std::string ComparisonText(const LiveSetup& live);
