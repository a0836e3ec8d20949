// SPDX-License-Identifier: MIT
// Beside the panel, never changing it, its report or kadrel.ini: tooltips, a
// context menu (sensor presets, a typed subject distance, focus at the
// hyperfocal distance), the details window with the sharp zone, diffraction
// and the exact close-up figures, and the figures as text on the clipboard.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/optics/optics.h"
#include "core/text/units.h"
#include "ui/userint.h"

// Tooltips, and the panel events that open the menu and the details window.
void InstallExtras(int panel);

// The panel callback: context menu, double click on the report, the keys of
// the actions.
int PanelEvents(int panel, int control, int event, void* callbackData, int eventData1,
                int eventData2);

// The live setup's figures in the report's tooltip and every side window:
// InstallExtras asks, once a run, for each setup the recompute publishes.
void FollowLiveSetup();

// The camera line, the report as shown and the near and far limits.
std::string PlainReportText();

// What an action of the menu or the panel's keys does (none for an action
// that is no handler's).
enum class Action : int;
void RunAction(Action id);

// Context-menu choices.
void RunContextMenu(int top, int left);
void ApplySensorPreset(std::size_t index);  // fills the four sensor fields, recalculates once
void AskSubjectDistance();
// Beyond d max, d max rises to hold d first; then Cursor runs as after the
// user's own move.
void PlaceCursor(double d);
void FocusAtHyperfocal();
void CopyReportAsText();
// After the pins changed: the comparison and the bag window show it at once.
void ShowPinsIf(bool changed);

struct LiveSetup;
// What a side window shows for a setup; justMade on its first opening.
using SideShow = void (*)(int window, bool justMade, const LiveSetup& setup);
// A window beside the panel: fill adds its own controls, then a Close button
// (bottom right, constant name CLOSE) that the close box and Escape press,
// which only hides the window; Ctrl+Q ends kadrel there as on the panel.
struct SideFrame {
    const char* title;
    int height;
    int width;
    void (*fill)(int window);
    SideShow follow;   // each setup published while the window is made; or null
    SideShow opening;  // each time it is opened; null: as follow
};
// Makes the frame's window if it is missing, shows it for the live setup and
// puts it beside the panel, wholly on the panel's screen, unless the user has
// moved it since it was put there. Its handle, or 0 when it cannot be made.
int OpenSideWindow(const SideFrame& frame);
// The frame's window, or 0 while there is none.
int SideWindowOf(const SideFrame& frame);
// Hands setup to every side window made.
void FollowSideWindows(const LiveSetup& setup);
// Discards every side window, as the panel goes.
void CloseSideWindows();
// A side window's panel callback: Escape hides it, Ctrl+Q quits; a window
// with events of its own passes the others on to it.
int SideWindowKeys(int panel, int control, int event, void* callbackData, int eventData1,
                   int eventData2);
// A button in a side window's bottom row, beside its Close button; tests and
// assistive technology find it by its constant name.
int SideWindowButton(int window, const char* label, const char* constantName, int left, int width,
                     CtrlCallbackPtr callback);
// A side window's figures: selectable text in the report's face and colour.
int SideWindowFigures(int window, int top, int pointSize);
// A distance typed in a side window's field, in the chosen units, up to
// 1000 km; or false and why it is none, naming the field as what.
bool ReadWindowDistance(int window, int control, const char* what, bool allowInfinity,
                        double* metres, std::string* error);
// The lens's pupil magnification as a field of a side window (the details
// and the plan window): a change recalculates every figure, and each window
// shows the pupil of the live setup it is handed.
int NewPupilField(int window, int top, int left);
// A pupil magnification from elsewhere (the lens in use), as if typed there.
void SetPupil(double pupil);
constexpr int kPupilFieldWidth = 80;
// The Preferences dialog (context menu, Ctrl+,): units and circle of
// confusion, saved at once; Ctrl+Q in it quits as from the panel.
void OpenPreferences();
// A camera from a photo (the file dialog, a drop, the command line): its
// values go into the fields as if typed and confirmed, Redraw runs once, the
// cursor goes to the subject's distance, and a summary says what came from
// where and what was left as it was. A photo that cannot be read changes
// nothing and says why.
void OpenPhotoFromDialog();
void LoadPhoto(const char* path);
// The sensor size of a body chosen from the camera database.
void ChooseCameraModel();

// The details window: made on first use, beside the panel; it follows every
// report until the panel goes. Its handle, or 0.
int OpenDetails();
// A picture in a side window (a band chart named name for assistive
// technology), with "Copy picture" and "Save picture" at buttonsLeft in the
// bottom row; its control.
int AddPicture(int window, const char* name, const char* constantName, const char* fileName,
               int buttonsLeft);
// The context menu of a window's picture, when control is its picture: its
// Copy and Save at a point of the window; false for any other control.
bool RunPictureMenu(int window, int control, int top, int left);
// Shows chart in it, height high, across the window above the bottom row,
// with its text equivalent as description (and beside its copy).
void ShowPicture(int window, int height, const BandChart& chart, const std::string& description);
// The distance scale's ticks, spaced for the window's width.
void AddScaleTicks(BandChart* chart, double hyperfocal, Units units, int window);

// The side view under the details' figures, with its Copy and Save buttons,
// laid out above the bottom row and following the figures for d: the live
// zone alone, and a row more for each pin.
constexpr int kSideViewHeight = 104;
constexpr int kPinRowHeight = 18;
// Its copy and save buttons at buttonsLeft in the bottom row.
void AddSideView(int window, int buttonsLeft);
void ShowSideView(int window, const LiveSetup& setup);

// The Plan window (focus stack, hyperfocal bracketing, one shot instead, the
// blur of a point): made on first use, beside the panel, its zone the sharp
// zone at the cursor each time it opens; it follows every report until it is
// closed, and goes with the panel.
int OpenPlan();  // its handle, or 0
// The plan's picture under its listing, with its buttons at buttonsLeft in
// the bottom row; shown for each plan made. A shot's row chosen in the
// listing (a text control that selects lines) highlights its band, and a
// shot reached in the picture selects its row.
constexpr int kPlanPictureHeight = 160;
struct FocusPlan;
struct ListedShot;
int AddPlanPicture(int window, int buttonsLeft, int listing);
// listed: the shots the listing shows, and their lines.
void ShowPlanPicture(int window, const FocusPlan& plan, const std::vector<ListedShot>& listed);

// The Tilt window (a tilted lens's wedge of sharpness, the tilt for a camera
// height): made on first use, beside the panel; it follows every report until
// it is closed, and goes with the panel.
void OpenTilt();
