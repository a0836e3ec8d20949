// SPDX-License-Identifier: MIT
// The Tilt window: the tilt and where the plane of focus crosses the axis
// typed in, the hinge line, the plane of focus and the wedge around it, and
// the zone at a distance out, for the panel's focal length, aperture and
// circle of confusion; a button lays the plane of focus on the ground from a
// camera height. It follows the panel until it is closed; closing only hides it.
#include <cmath>
#include <string>

#include "core/macro/macro_text.h"
#include "core/optics/circle_of_confusion.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"
#include "windows/tilt/tilt.h"

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 250;
constexpr double kMaxTilt = 15;         // degrees: more than tilt-shift lenses give
constexpr double kDefaultTilt = 1;      // degrees
constexpr double kDefaultHeight = 1.6;  // m: a camera on a tripod at eye level

struct TiltControls {
    int tilt;
    int focus;
    int zoneAt;
    int height;
    int text;
};
TiltControls tilt;
int tiltHandle;  // the window, once made

struct Field {
    int TiltControls::*control;
    const char* name;
    const char* label;
    int left;
    const char* tooltip;
};

const Field kFields[] = {
    {&TiltControls::focus, "FOCUS", "Focus crosses the axis at", 120,
     "Where the plane of focus crosses the lens's axis, from the lens; \u221e or inf lays it "
     "parallel to the axis"},
    {&TiltControls::zoneAt, "ZONEAT", "Sharp zone at", 290,
     "A distance out from the lens at which to give the height of the sharp zone"},
    {&TiltControls::height, "HEIGHT", "Camera height", 460,
     "The lens's height above the ground, for the button that lays the plane of focus on it"},
};

std::string TiltFigures() {
    const LiveSetup& live = CurrentSetup();
    TiltSetup setup{live.lens, 0, 0};
    GetCtrlVal(tiltHandle, tilt.tilt, &setup.tilt);
    double at = 0;
    std::string error;
    if (!ReadWindowDistance(tiltHandle, tilt.focus, "Focus", true, &setup.focus, &error) ||
        !ReadWindowDistance(tiltHandle, tilt.zoneAt, "Sharp zone at", false, &at, &error)) {
        return error;
    }
    if (setup.tilt == 0) {
        return "Tilt the lens to see the wedge: with no tilt the plane of focus stays upright.";
    }
    if (!(setup.focus > setup.lens.focal)) {
        return "Focus: the plane of focus must cross the axis beyond the focal length.";
    }
    return TiltText(setup, CocLabel(live.preferences.coc, live.camera), at, live.preferences.units);
}

void ShowTilt() {
    SetCtrlVal(tiltHandle, tilt.text, TiltFigures().c_str());
}

int TiltInput(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        ShowTilt();
    }
    return 0;
}

// sin θ = f / h, focused at infinity; a height the tilt cannot reach says so.
int LayOnGround(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    double height = 0;
    std::string error;
    if (!ReadWindowDistance(tiltHandle, tilt.height, "Camera height", false, &height, &error)) {
        SetCtrlVal(tiltHandle, tilt.text, error.c_str());
        return 0;
    }
    const double degrees = TiltForHeight(CurrentSetup().lens.focal, height);
    if (!(degrees <= kMaxTilt)) {
        SetCtrlVal(tiltHandle, tilt.text,
                   "Camera height: too low for the tilt to lay the plane of focus on the ground.");
        return 0;
    }
    SetCtrlVal(tiltHandle, tilt.tilt, degrees);
    SetCtrlVal(tiltHandle, tilt.focus, "\u221e");
    ShowTilt();
    return 0;
}

void FillTilt(int window) {
    tiltHandle = window;
    tilt.tilt = NewCtrl(window, CTRL_NUMERIC, "Tilt (\u00b0)", 30, 12);
    SetCtrlAttribute(window, tilt.tilt, ATTR_CONSTANT_NAME, "TILT");
    SetCtrlAttribute(window, tilt.tilt, ATTR_DATA_TYPE, VAL_DOUBLE);
    SetCtrlAttribute(window, tilt.tilt, ATTR_MIN_VALUE, -kMaxTilt);
    SetCtrlAttribute(window, tilt.tilt, ATTR_MAX_VALUE, kMaxTilt);
    SetCtrlAttribute(window, tilt.tilt, ATTR_INCR_VALUE, 0.1);
    SetCtrlAttribute(window, tilt.tilt, ATTR_PRECISION, 2);
    SetCtrlAttribute(window, tilt.tilt, ATTR_WIDTH, 90);
    SetCtrlAttribute(window, tilt.tilt, ATTR_TOOLTIP_TEXT,
                     "The lens's tilt towards the ground in degrees; negative tilts it up");
    SetCtrlAttribute(window, tilt.tilt, ATTR_CALLBACK_FUNCTION_POINTER, TiltInput);
    SetCtrlVal(window, tilt.tilt, kDefaultTilt);
    for (const Field& field : kFields) {
        const int id = NewCtrl(window, CTRL_STRING, field.label, 30, field.left);
        SetCtrlAttribute(window, id, ATTR_CONSTANT_NAME, field.name);
        SetCtrlAttribute(window, id, ATTR_WIDTH, 150);
        SetCtrlAttribute(window, id, ATTR_TOOLTIP_TEXT, field.tooltip);
        SetCtrlAttribute(window, id, ATTR_CALLBACK_FUNCTION_POINTER, TiltInput);
        tilt.*field.control = id;
    }
    tilt.text = SideWindowFigures(window, 66, 12);
    SetCtrlAttribute(window, tilt.text, ATTR_CONSTANT_NAME, "TILTTEXT");
    SetCtrlAttribute(window, tilt.text, ATTR_ACCESSIBLE_NAME, "Tilt");
    SideWindowButton(window, "Lay focus on the __ground", "LAYONGROUND", 12, 200, LayOnGround);
}

// The plane of focus parallel to the axis, the zone given at the cursor.
void DefaultTilt(const LiveSetup& setup) {
    const Units units = setup.preferences.units;
    SetCtrlVal(tiltHandle, tilt.focus, "\u221e");
    SetCtrlVal(tiltHandle, tilt.zoneAt, FormatDistance(setup.cursor, units).c_str());
    SetCtrlVal(tiltHandle, tilt.height, FormatDistance(kDefaultHeight, units).c_str());
}

void FollowTilt(int, bool, const LiveSetup&) {
    ShowTilt();
}

void OpeningTilt(int window, bool justMade, const LiveSetup& setup) {
    if (justMade) {
        DefaultTilt(setup);
    }
    FollowTilt(window, justMade, setup);
}

const SideFrame kTilt{"kadrel tilt", kHeight, kWidth, FillTilt, FollowTilt, OpeningTilt};

}  // namespace

void OpenTilt() {
    OpenSideWindow(kTilt);
}
