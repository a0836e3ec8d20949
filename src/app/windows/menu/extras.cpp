// SPDX-License-Identifier: MIT
// Tooltips on the panel's inputs and results, and the panel events that open
// the context menu, the details window and a photo.
#include "core/optics/details_text.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/tables.h"
#include "services/keys.h"
#include "services/live_setup.h"
#include "windows/bag/bag_window.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"
#include "windows/menu/menu.h"
#include "windows/photo/photo_window.h"
#include "windows/plan/plan.h"
#include "windows/preferences/preferences_dialog.h"
#include "windows/table/table_window.h"
#include "windows/tilt/tilt.h"

namespace {

// What each action of the menu and the panel's keys does; the buttons' keys
// (F1, Ctrl+C, Ctrl+Q) press the buttons instead.
const struct {
    Action id;
    void (*run)();
} kHandlers[] = {
    {Action::Details, [] { OpenDetails(); }},
    {Action::Plan, [] { OpenPlan(); }},
    {Action::Tilt, OpenTilt},
    {Action::Photo, OpenPhotoFromDialog},
    {Action::Table, OpenTableWindow},
    {Action::Bag, OpenBagWindow},
    {Action::Preferences, OpenPreferences},
    {Action::CameraModel, ChooseCameraModel},
    {Action::SubjectDistance, AskSubjectDistance},
    {Action::Hyperfocal, FocusAtHyperfocal},
    {Action::CopyText, CopyReportAsText},
    {Action::Pin, [] { ShowPinsIf(PinLiveSetup()); }},
};

struct Tooltip {
    int control;
    const char* text;
};

const Tooltip kTooltips[] = {
    {PANEL_XMM, "Sensor width, in millimetres"},
    {PANEL_YMM, "Sensor height, in millimetres"},
    {PANEL_XPIX, "Pixels across the sensor's width"},
    {PANEL_YPIX, "Pixels across the sensor's height"},
    {PANEL_FOCAL, "Focal length of the lens, in millimetres (10 to 2000)"},
    {PANEL_APERTURE, "Aperture as an f-number (1 to 50); it changes only the report"},
    {PANEL_DMAX, "Largest subject distance on the graph, in metres (feet with imperial units)"},
    {PANEL_RATIO, "Sensor width over height"},
    {PANEL_DIAGONAL, "Sensor diagonal, in millimetres"},
    {PANEL_PIXSIZE,
     "Width of one pixel, in micrometres: the report's circle of confusion unless the "
     "preferences choose another"},
    {PANEL_ANGLE, "Diagonal angle of view, in degrees"},
    {PANEL_PSIV, "Vertical angle of view, in degrees"},
    {PANEL_PSIH, "Horizontal angle of view, in degrees"},
    {PANEL_GRAPH,
     "Millimetres of subject per pixel against the subject distance, in metres\n"
     "(feet with imperial units).\n"
     "Drag the cursor to choose the distance; right-click for more."},
    {PANEL_TEXTRATIO1, "Sensor width over height. Red: not 3:2 (farther than 0.001 from 1.5)."},
    {PANEL_TEXTRATIO2,
     "Shape of one pixel. Red: not square (the pixel counts' ratio differs\n"
     "from the sensor's by more than 0.001)."},
    {PANEL_RESETBUTTON, "Factory values in all seven fields"},
    {PANEL_HELPBUTTON, "How to use kadrel"},
    {PANEL_COPYBUTTON, "The panel's picture and its figures as text to the clipboard"},
    {PANEL_COMMANDBUTTON, "Save the settings and quit"},
};

// The report's tooltip and the side windows follow every setup published.
void ShowFigures(const LiveSetup& setup) {
    const std::string text =
        ComposeDetails(setup.camera, setup.preferences.coc, setup.preferences.units, setup.cursor);
    SetCtrlAttribute(panelHandle, PANEL_TEXTPARAM, ATTR_TOOLTIP_TEXT, text.c_str());
    FollowSideWindows(setup);
}

// Once a run, however often the panel is made (the tests make it again).
void FollowLiveSetup() {
    static bool following = false;
    if (!following) {
        Follow(ShowFigures);
        following = true;
    }
}

}  // namespace

void InstallExtras(int panel) {
    for (const Tooltip& tip : kTooltips) {
        SetCtrlAttribute(panel, tip.control, ATTR_TOOLTIP_TEXT, tip.text);
    }
    InstallPanelCallback(panel, PanelEvents, nullptr);
    FollowLiveSetup();
    for (const auto& handler : kHandlers) {
        if (*KeysOf(handler.id) != '\0') {
            AddPanelShortcut(panel, KeysOf(handler.id), static_cast<int>(handler.id));
        }
    }
    EnableDragAndDrop(panel);
}

void RunAction(Action id) {
    for (const auto& handler : kHandlers) {
        if (handler.id == id) {
            handler.run();
        }
    }
}

int PanelEvents(int, int control, int event, void*, int eventData1, int eventData2) {
    if (event == EVENT_CONTEXT_MENU) {
        RunContextMenu(eventData1, eventData2);
    } else if (event == EVENT_LEFT_DOUBLE_CLICK && control == PANEL_TEXTPARAM) {
        RunAction(Action::Details);
    } else if (event == EVENT_SHORTCUT) {
        RunAction(static_cast<Action>(eventData1));
    } else if (event == EVENT_FILES_DROPPED) {
        char path[MAX_PATHNAME_LEN];
        if (GetDroppedFile(path) == 0) {
            LoadPhoto(path);
        }
    }
    return 0;
}
