// SPDX-License-Identifier: MIT
// The lens's pupil magnification, typed in the details or the plan window:
// one value of the lens, kept in the settings; the recompute hands it to
// every window, so each field shows what the other set.
#include "program/kadrel.h"
#include "windows/frame/side_window.h"

namespace {

int PupilTyped(int window, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    double pupil = 1;
    GetCtrlVal(window, control, &pupil);
    SetPupil(pupil);
    return 0;
}

}  // namespace

int NewPupilField(int window, int top, int left) {
    const int control = NewCtrl(window, CTRL_NUMERIC, "Pupil magnification", top, left);
    SetCtrlAttribute(window, control, ATTR_CONSTANT_NAME, "PUPIL");
    SetCtrlAttribute(window, control, ATTR_DATA_TYPE, VAL_DOUBLE);
    SetCtrlAttribute(window, control, ATTR_MIN_VALUE, 0.1);
    SetCtrlAttribute(window, control, ATTR_MAX_VALUE, 10.0);
    SetCtrlAttribute(window, control, ATTR_INCR_VALUE, 0.05);
    SetCtrlAttribute(window, control, ATTR_PRECISION, 2);
    SetCtrlAttribute(window, control, ATTR_WIDTH, kPupilFieldWidth);
    SetCtrlAttribute(window, control, ATTR_TOOLTIP_TEXT,
                     "The lens's exit pupil over its entrance pupil: 1 for a symmetric lens, "
                     "about 0.5 for a long macro lens, 2 for a retrofocus wide angle");
    SetCtrlAttribute(window, control, ATTR_CALLBACK_FUNCTION_POINTER, PupilTyped);
    return control;
}
