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
// controls, call it, and write controls. In this room: calc.cpp holds Redraw
// and Cursor, settings.cpp kadrel.ini, commands.cpp the start-up values and
// the four buttons; the panel is one row per control in panel_definition.cpp,
// built by BuildPANEL (kadrel_uir.h). The rooms above it (windows/, cli/,
// start/) are known here by nothing: they follow the live setup, fill the
// panel's events and start the program.
#pragma once

#include <cstdio>
#include <string>

#include "core/optics/optics.h"
#include "services/locations.h"
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
// The cursor at d from outside the graph (a typed distance, the hyperfocal
// distance, a photo's subject): beyond d max, d max rises to hold d first;
// then Cursor runs as after the user's own move.
void PlaceCursor(double d);
// The cursor at the hyperfocal distance.
void FocusAtHyperfocal();
// The lens's pupil magnification (typed in a side window, or of the lens in
// use) into the settings, and every figure worked out again.
void SetPupil(double pupil);
// The camera line, the report as shown and the near and far limits; COPY's
// text, and on the clipboard.
std::string PlainReportText();
void CopyReportAsText();

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

// kadrel.ini, beside the program or the user's own (services/locations.h,
// which finds it). A file that exists but cannot be read is reported once, at
// start-up, and then left alone at quit; a save that fails is reported before
// the program ends.
void ReadSettingsFile();
// The same over *into, leaving `settings` and the notice alone; why it could
// not be read, or "".
std::string ReadSettingsFileInto(Settings* into);
void WriteSettingsFile();
// The start-up notice, once the panel shows its values.
void TellIfSettingsUnreadable();
// Why kadrel.ini could not be read; empty when it was, or is missing.
std::string SettingsUnreadableBecause();
