// Depth-of-field cards for the panel's camera, to look at, save and print;
// and setups pinned for the run, compared beside the live one in the details
// window. Nothing here reaches the panel, its report or kadrel.ini.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/dof_table.h"
#include "core/setup_compare.h"

// What the cards show. An empty list means the default: the panel's focal
// length, full stops f/1.4 to f/22, the standard distances of the units.
struct TableChoice {
    std::vector<double> focals;     // mm
    std::vector<double> apertures;  // f-numbers
    std::vector<double> distances;  // m
};
extern TableChoice tableChoice;

// The lists as they stand, defaults filled in.
std::vector<double> TableFocals();
std::vector<double> TableApertures();
std::vector<double> TableDistances();

// The panel's camera for headers: the preset's name when it is one.
std::string CameraText();
// The circle of confusion in mm, and as a header states it.
double CocMm();
std::string CocText();
// The units of the cards, and a distance as they write it.
Units TableUnits();
std::string DistanceText(double metres);

// One card per focal length, for the panel's camera as it stands.
std::vector<DofTable> BuildTables();

// Writes the cards; "" on success, else why not.
std::string ExportTablePdf(const std::string& path);
std::string ExportTableCsv(const std::string& path);
// The system's print dialog for the cards.
void PrintTables(int panel);

// The table window (Ctrl+T): made on first use; it follows the panel's camera.
void OpenTableWindow();
void RefreshTableWindow();
void FollowCamera();  // after each recalculation: remade when the camera changed
void CloseTableWindow();
extern int tableHandle;  // 0 while there is none

// Setups pinned for the run, oldest first, at most kMaxPins.
constexpr int kMaxPins = 3;
struct Pin {
    std::string name;  // short, the user may change it
    ShotSetup setup;
};
extern std::vector<Pin> pins;

// The live setup: the panel's camera, lens, aperture and the distance d.
ShotSetup LiveSetup(double d);
// Keeps the live setup at the cursor as a pin named after its lens and
// aperture, and shows the comparison; nothing when there are kMaxPins.
void PinLiveSetup();
// Asks for a pin's new name; an empty one keeps the old.
void RenamePin(std::size_t index);
void RemovePin(std::size_t index);
// The live setup at d and the pins as columns, for the details window; ""
// without pins.
std::string ComparisonText(double d);
