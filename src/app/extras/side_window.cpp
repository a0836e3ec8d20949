// SPDX-License-Identifier: MIT
// The windows beside the panel (details, plan, table) behave alike: a Close button
// that the close box and Escape press, closing only hides the window, and
// Ctrl+Q ends kadrel as it does from the panel, saving the settings; a
// right click on a picture offers its Copy and Save.
#include <cmath>

#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/preferences.h"
#include "core/text/text_format.h"

namespace {

constexpr int kGap = 16;  // between the panel's window and this one
// Beyond this a finite distance only makes the figures too long to read.
constexpr double kFarthest = 1e6;  // m

enum { kCloseKey = 1, kQuitKey };

int HideSideWindow(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        HidePanel(panel);
    }
    return 0;
}

}  // namespace

int SideWindowKeys(int panel, int control, int event, void*, int eventData1, int eventData2) {
    if (event == EVENT_CONTEXT_MENU) {
        RunPictureMenu(panel, control, eventData1, eventData2);
    } else if (event == EVENT_SHORTCUT && eventData1 == kCloseKey) {
        HidePanel(panel);
    } else if (event == EVENT_SHORTCUT && eventData1 == kQuitKey) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    }
    return 0;
}

int SideWindowButton(int window, const char* label, int left, int width, CtrlCallbackPtr callback) {
    int height = 0;
    GetPanelAttribute(window, ATTR_HEIGHT, &height);
    const int button = NewCtrl(window, CTRL_COMMAND_BUTTON, label, height - 35, left);
    SetCtrlAttribute(window, button, ATTR_WIDTH, width);
    SetCtrlAttribute(window, button, ATTR_HEIGHT, 23);
    SetCtrlAttribute(window, button, ATTR_CALLBACK_FUNCTION_POINTER, callback);
    return button;
}

// The figures are blue on a light ground; on a dark desktop's ground that
// blue would hardly read, and they keep its text colour.
int SideWindowFigures(int window, int top, int pointSize) {
    const int text = NewCtrl(window, CTRL_TEXT_MSG, "", top, 12);
    SetCtrlAttribute(window, text, ATTR_TEXT_FONT, VAL_MONO_META_FONT);
    SetCtrlAttribute(window, text, ATTR_TEXT_POINT_SIZE, pointSize);
    int ground = 0;
    GetPanelAttribute(window, ATTR_BACKCOLOR, &ground);
    const int luma = (299 * (ground >> 16) + 587 * ((ground >> 8) & 0xFF) + 114 * (ground & 0xFF));
    if (luma > 128 * 1000) {
        SetCtrlAttribute(window, text, ATTR_TEXT_COLOR, 0x006699);
    }
    SetCtrlAttribute(window, text, ATTR_TEXT_SELECTABLE, 1);
    return text;
}

int NewSideWindow(const char* title, int height, int width, void (*fill)(int window)) {
    const int window = NewPanel(0, title, 0, 0, height, width);
    if (window < 0) {
        return 0;
    }
    fill(window);
    const int close = SideWindowButton(window, "__Close", width - 72, 60, HideSideWindow);
    SetPanelAttribute(window, ATTR_CLOSE_CTRL, close);
    InstallPanelCallback(window, SideWindowKeys, nullptr);
    AddPanelShortcut(window, "Escape", kCloseKey);
    AddPanelShortcut(window, "Ctrl+Q", kQuitKey);
    return window;
}

bool ReadWindowDistance(int window, int control, const char* what, bool allowInfinity,
                        double* metres, std::string* error) {
    std::string text;
    GetCtrlVal(window, control, &text);
    const bool read = ParseDistance(text, preferences.units, allowInfinity, metres);
    if (read && !(*metres > kFarthest && std::isfinite(*metres))) {
        return true;
    }
    *error = std::string(what) + ": \"" + Excerpt(text) + "\" is " +
             (read ? "farther than 1000 km" : "not a distance") +
             (allowInfinity ? " (\u221e allowed)." : ".");
    return false;
}

// Found anywhere but where it was put last, the user has moved the window,
// and it stays where they put it for the rest of the run.
void ShowBesidePanel(int window, bool justMade, SidePlace* placed) {
    int top = 0, left = 0;
    GetPanelAttribute(window, ATTR_TOP, &top);
    GetPanelAttribute(window, ATTR_LEFT, &left);
    if (justMade || (top == placed->top && left == placed->left)) {
        PlacePanelBeside(window, panelHandle, kGap);  // the panel may have moved since
        GetPanelAttribute(window, ATTR_TOP, &placed->top);
        GetPanelAttribute(window, ATTR_LEFT, &placed->left);
    }
    DisplayPanel(window);
}
