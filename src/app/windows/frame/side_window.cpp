// SPDX-License-Identifier: MIT
// The parts the windows beside the panel share: buttons in the bottom row,
// figures as text, and a distance typed in a field.
#include <cmath>

#include "core/text/text_format.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"

namespace {

// Beyond this a finite distance only makes the figures too long to read.
constexpr double kFarthest = 1e6;  // m

}  // namespace

int SideWindowButton(int window, const char* label, const char* constantName, int left, int width,
                     CtrlCallbackPtr callback) {
    int height = 0;
    GetPanelAttribute(window, ATTR_HEIGHT, &height);
    const int button = NewCtrl(window, CTRL_COMMAND_BUTTON, label, height - 35, left);
    SetCtrlAttribute(window, button, ATTR_WIDTH, width);
    SetCtrlAttribute(window, button, ATTR_HEIGHT, 23);
    SetCtrlAttribute(window, button, ATTR_CALLBACK_FUNCTION_POINTER, callback);
    SetCtrlAttribute(window, button, ATTR_CONSTANT_NAME, constantName);
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

bool ReadWindowDistance(int window, int control, const char* what, bool allowInfinity,
                        double* metres, std::string* error) {
    std::string text;
    GetCtrlVal(window, control, &text);
    const bool read = ParseDistance(text, CurrentSetup().preferences.units, allowInfinity, metres);
    if (read && !(*metres > kFarthest && std::isfinite(*metres))) {
        return true;
    }
    *error = std::string(what) + ": \"" + Excerpt(text) + "\" is " +
             (read ? "farther than 1000 km" : "not a distance") +
             (allowInfinity ? " (\u221e allowed)." : ".");
    return false;
}
