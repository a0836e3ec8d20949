// SPDX-License-Identifier: MIT
// What the windows beside the panel share: one frame each (title, size, fill,
// follow) in a registry that makes, places, follows and closes them; their
// buttons, figures, distance and pupil fields, and pictures.
#pragma once

#include <string>

#include "core/text/units.h"
#include "ui/userint.h"
#include "ui/userint_extras.h"

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
// A button's callback that runs run when it is pressed.
template <void (*run)()>
int OnCommit(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        run();
    }
    return 0;
}
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
constexpr int kPupilFieldWidth = 80;

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
