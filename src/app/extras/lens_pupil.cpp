// SPDX-License-Identifier: MIT
// The lens's pupil magnification, typed in the details or the plan window:
// one value of the lens, so each window's field shows what the other set,
// and every figure beside the report follows it at once.
#include "app/extras.h"
#include "app/kadrel.h"

namespace {

struct PupilField {
    int window;
    int control;
};
PupilField fields[2];  // the details window's and the plan window's

// A window closed since its field was made may have passed its handle on.
bool Live(const PupilField& field) {
    return field.window > 0 && (field.window == detailsHandle || field.window == planHandle);
}

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

void SetPupil(double pupil) {
    settings.pupil = static_cast<float>(pupil);
    for (const PupilField& field : fields) {
        if (Live(field)) {
            SetCtrlVal(field.window, field.control, pupil);
        }
    }
    Cursor(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // every figure again
}

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
    SetCtrlVal(window, control, static_cast<double>(settings.pupil));
    for (PupilField& field : fields) {
        if (!Live(field)) {  // the window being made is not yet live
            field = {window, control};
            break;
        }
    }
    return control;
}
