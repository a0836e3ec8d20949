// SPDX-License-Identifier: MIT
// kadrel: what a camera and lens frame and hold sharp.
//
// Data flows one way. A committed geometry input (sensor size, resolution,
// focal length, d max) runs Redraw: the controls are copied into `settings`,
// the derived values recomputed, the indicators, the scale line and the two
// remarks rewritten, and then Cursor runs. Cursor (also run by the aperture
// field and by moving the graph cursor) puts the cursor back on the line and
// writes the depth-of-field report for its distance, then publishes the live
// setup (services/live_setup.h) to every view that follows it. The input
// controls are the master copy of the settings; kadrel.ini keeps six of them
// between runs.
//
// The arithmetic lives in core/ (no user interface); the procedures here read
// controls, call it, and write controls. In src/app: kadrel.cpp starts and
// ends the program, calc.cpp holds Redraw and Cursor, settings.cpp kadrel.ini,
// commands.cpp the start-up values and the four buttons; the panel is one row
// per control in panel_definition.cpp, built by BuildPANEL (kadrel_uir.h).
// Beside the panel (app/extras.h, extras/) are the details window, the
// preferences (preferences.ini) and the other windows, each in a folder of its
// own, each a side-window frame that one registry makes, places, follows and
// closes (extras/side_frames.cpp); cli/ answers `kadrel dof` and its kin
// without a window; services/ holds what both use; tools/ holds the
// build-time generators.
#pragma once

#include <cstdio>
#include <string>

#include "core/optics/optics.h"
#include "ui/userint.h"

// The seven user settings; the input controls are their master copy.
extern Settings settings;

// Derived values, rewritten at every recalculation.
extern float ratio;      // sensor width over height
extern float diagonal;   // mm
extern float angle;      // diagonal angle of view, degrees
extern float dmin;       // near end of the scale line, m
extern float pixelsize;  // mm per pixel, the circle of confusion
extern float dh;         // hyperfocal distance, m
extern float dof;        // total depth of field, m

extern int panelHandle;
extern char projectPath[MAX_PATHNAME_LEN];
extern char iniFullPath[MAX_PATHNAME_LEN];

// Start-up to exit: 0 after a normal end, -1 when the window cannot be set up.
int KadrelMain(int argc, char* argv[]);

// Answers --version or --help, the first of them on the command line, on
// out; true when one was answered. Needs no display; other arguments are
// ignored.
bool AnswerCommandLine(int argc, char* argv[], std::FILE* out);

// The photo named as the one argument, if any.
char* PhotoOnCommandLine(int argc, char* argv[]);

// "kadrel v1.2 - <date>" and the maker's web address, as the panel shows it.
std::string VersionText();

// Settings file, start-up values, first recalculation.
int InitPanel();

// d max in the units of the preferences (metres or feet), and back in metres:
// kadrel.ini keeps metres whatever is shown.
void ShowDmax(float metres);
float ShownDmax();

// A sensor into the four fields as if typed, then Redraw once (a preset, a
// body from the bag).
void PutSensor(double xsize, double ysize, int xresol, int yresol);

// Control callbacks; each acts on the commit event only and returns 0.
int Redraw(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int Cursor(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ResetCallback(int panel, int control, int event, void* callbackData, int eventData1,
                  int eventData2);
int HelpCallback(int panel, int control, int event, void* callbackData, int eventData1,
                 int eventData2);
int SavePanelButtonCallback(int panel, int control, int event, void* callbackData, int eventData1,
                            int eventData2);
int QuitCallback(int panel, int control, int event, void* callbackData, int eventData1,
                 int eventData2);

// kadrel.ini, beside the program or the user's own (app/locations.h). A file
// that exists but cannot be read is reported once, at start-up, and then left
// alone at quit; a save that fails is reported before the program ends.
void LocateSettingsFile();
void ReadSettingsFile();
// The same over *into, leaving `settings` and the notice alone; why it could
// not be read, or "".
std::string ReadSettingsFileInto(Settings* into);
void WriteSettingsFile();
// kadrel.ini's path as --help names it, or "none: " and why an installed
// copy has no place for it (it then saves nowhere and says so at quit).
std::string SettingsFileShown();
// With no place for the user's files, tells so after what ("kadrel could not
// save its settings in") and returns true; false when there is one.
bool TellIfNoPlaceFor(const char* what);
// The start-up notice, once the panel shows its values.
void TellIfSettingsUnreadable();
// Why kadrel.ini could not be read; empty when it was, or is missing.
std::string SettingsUnreadableBecause();
// The next line of the file that holds something, comment and outer blanks
// removed; null at the end. Valid until the next call.
char* GetLine(FILE* file);
