// SPDX-License-Identifier: MIT
// Tooltips on the panel's inputs and results, and the panel events that open
// the context menu, the details window and a photo.
#include "app/extras.h"
#include "app/bag.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/tables.h"

namespace {

constexpr int kDetailsShortcut = 1;
constexpr int kTableShortcut = 2;
constexpr int kPreferencesShortcut = 3;
constexpr int kPhotoShortcut = 4;
constexpr int kPlanShortcut = 5;
constexpr int kTiltShortcut = 6;
constexpr int kBagShortcut = 7;

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

}  // namespace

void InstallExtras(int panel) {
    for (const Tooltip& tip : kTooltips) {
        SetCtrlAttribute(panel, tip.control, ATTR_TOOLTIP_TEXT, tip.text);
    }
    InstallPanelCallback(panel, PanelEvents, nullptr);
    FollowLiveSetup();
    AddPanelShortcut(panel, "Ctrl+D", kDetailsShortcut);
    AddPanelShortcut(panel, "Ctrl+L", kPlanShortcut);
    AddPanelShortcut(panel, "Ctrl+G", kTiltShortcut);
    AddPanelShortcut(panel, "Ctrl+T", kTableShortcut);
    AddPanelShortcut(panel, "Ctrl+,", kPreferencesShortcut);
    AddPanelShortcut(panel, "Ctrl+O", kPhotoShortcut);
    AddPanelShortcut(panel, "Ctrl+B", kBagShortcut);
    EnableDragAndDrop(panel);
}

int PanelEvents(int, int control, int event, void*, int eventData1, int eventData2) {
    if (event == EVENT_CONTEXT_MENU) {
        RunContextMenu(eventData1, eventData2);
    } else if ((event == EVENT_LEFT_DOUBLE_CLICK && control == PANEL_TEXTPARAM) ||
               (event == EVENT_SHORTCUT && eventData1 == kDetailsShortcut)) {
        OpenDetails();
    } else if (event == EVENT_SHORTCUT && eventData1 == kPlanShortcut) {
        OpenPlan();
    } else if (event == EVENT_SHORTCUT && eventData1 == kTiltShortcut) {
        OpenTilt();
    } else if (event == EVENT_SHORTCUT && eventData1 == kTableShortcut) {
        OpenTableWindow();
    } else if (event == EVENT_SHORTCUT && eventData1 == kPreferencesShortcut) {
        OpenPreferences();
    } else if (event == EVENT_SHORTCUT && eventData1 == kBagShortcut) {
        OpenBagWindow();
    } else if (event == EVENT_SHORTCUT && eventData1 == kPhotoShortcut) {
        OpenPhotoFromDialog();
    } else if (event == EVENT_FILES_DROPPED) {
        char path[MAX_PATHNAME_LEN];
        if (GetDroppedFile(path) == 0) {
            LoadPhoto(path);
        }
    }
    return 0;
}
