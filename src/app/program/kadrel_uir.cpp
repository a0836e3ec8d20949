// SPDX-License-Identifier: MIT
// BuildPANEL: a loop over the panel definition's rows that stops at the first
// runtime call that fails.
#include "program/kadrel_uir.h"

#include <iterator>
#include <string>

#include "program/kadrel.h"
#include "program/panel_definition.h"

namespace {

using namespace definition;

constexpr int kPanelColor = 0xF0F0F0;
constexpr int kFieldFrameColor = 0xECE9D8;
constexpr int kInputFieldColor = 0xFFFFCC;
constexpr int kButtonColor = 0xCCCCFF;

// The screen the panel was laid out for; AdjustToMonitor scales from it.
constexpr int kDesignScreenWidth = 1600;
constexpr int kDesignScreenHeight = 1166;

const CallbackName kCallbacks[] = {
    {"Redraw", Redraw},
    {"Cursor", Cursor},
    {"ResetCallback", ResetCallback},
    {"HelpCallback", HelpCallback},
    {"SavePanelButtonCallback", SavePanelButtonCallback},
    {"QuitCallback", QuitCallback},
};

// Remembers the first failing status; once one has failed, no later call runs
// because every step is written as `ok(call)` in a short-circuit chain.
struct Status {
    int value = 0;
    bool operator()(int result) {
        if (result < 0) {
            value = result;
        }
        return result >= 0;
    }
};

bool BuildNumeric(int panel, const ControlRow& row, Status& ok) {
    const int id = row.id;
    const Number& n = row.number;
    const bool input = n.step != kNone;
    return ok(SetCtrlAttribute(panel, id, ATTR_DATA_TYPE, n.dataType)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_FRAME_COLOR, kFieldFrameColor)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_TEXT_BGCOLOR,
                               input ? kInputFieldColor : VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_LABEL_BGCOLOR, VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_MIN_VALUE, n.min)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_MAX_VALUE, n.max)) &&
           (!input || ok(SetCtrlAttribute(panel, id, ATTR_INCR_VALUE, n.step))) &&
           (n.decimals < 0 || ok(SetCtrlAttribute(panel, id, ATTR_PRECISION, n.decimals))) &&
           ok(SetCtrlAttribute(panel, id, ATTR_CHECK_RANGE, VAL_COERCE)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_DFLT_VALUE, n.initial)) &&
           ok(DefaultCtrl(panel, id));
}

bool BuildText(int panel, const ControlRow& row, Status& ok) {
    const int id = row.id;
    const Font& f = row.font;
    return ok(SetCtrlAttribute(panel, id, ATTR_TEXT_FONT, f.face)) &&
           (f.pointSize == 0 ||
            ok(SetCtrlAttribute(panel, id, ATTR_TEXT_POINT_SIZE, f.pointSize))) &&
           ok(SetCtrlAttribute(panel, id, ATTR_TEXT_BOLD, f.bold)) &&
           (f.color == kNoColor || ok(SetCtrlAttribute(panel, id, ATTR_TEXT_COLOR, f.color))) &&
           ok(SetCtrlAttribute(panel, id, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, id, ATTR_SIZE_TO_TEXT, 1));
}

bool BuildGraph(int panel, const ControlRow& row, Status& ok) {
    const int g = row.id;
    bool built = ok(SetCtrlAttribute(panel, g, ATTR_LABEL_FONT, VAL_DIALOG_META_FONT)) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_LABEL_BOLD, 1)) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_LABEL_BGCOLOR, VAL_TRANSPARENT)) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_XNAME, "subject distance d [m]")) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_YNAME, "scale [mm/pix]")) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_PLOT_BGCOLOR, 0xE0E0E0)) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_GRID_COLOR, 0xFFFFFF)) &&
                 ok(SetCtrlAttribute(panel, g, ATTR_GRAPH_BGCOLOR, kPanelColor));
    // Manual range 0..100 kept for a switch to manual scaling; autoscaled now.
    for (int axis : {VAL_XAXIS, VAL_RIGHT_YAXIS, VAL_LEFT_YAXIS}) {
        built = built && ok(SetAxisScalingMode(panel, g, axis, VAL_MANUAL, 0.0, 100.0)) &&
                ok(SetAxisScalingMode(panel, g, axis, VAL_AUTOSCALE, 0.0, 100.0));
    }
    return built && ok(SetCtrlAttribute(panel, g, ATTR_NUM_CURSORS, 1)) &&
           ok(SetCursorAttribute(panel, g, 1, ATTR_CURSOR_COLOR, 0x0000FF)) &&
           ok(SetCursorAttribute(panel, g, 1, ATTR_CURSOR_YAXIS, VAL_LEFT_YAXIS)) &&
           ok(SetCursorAttribute(panel, g, 1, ATTR_CURSOR_ENABLED, 1)) &&
           ok(SetCursorAttribute(panel, g, 1, ATTR_CURSOR_MODE, VAL_FREE_FORM)) &&
           ok(SetGraphCursor(panel, g, 1, 50.0, 50.118203));
}

// An image that cannot be made leaves the picture empty; a failure to hand it
// over is a failure of the build, after the bitmap is released.
bool BuildPicture(int panel, const ControlRow& row, Status& ok) {
    int bitmap = 0;
    if (GetUserBitmapFromText(row.image, VAL_SVG_IMAGE_TEXT, &bitmap) < 0 || bitmap == 0) {
        return true;
    }
    const bool set = ok(SetCtrlBitmap(panel, row.id, 0, bitmap));
    DiscardBitmap(bitmap);
    return set;
}

// What each kind adds to the attributes every control has.
bool BuildKind(int panel, const ControlRow& row, Status& ok) {
    switch (row.kind) {
        case CTRL_NUMERIC:
            return BuildNumeric(panel, row, ok);
        case CTRL_TEXT_MSG:
            return BuildText(panel, row, ok);
        case CTRL_COMMAND_BUTTON:
            return ok(SetCtrlAttribute(panel, row.id, ATTR_CMD_BUTTON_COLOR, kButtonColor));
        case CTRL_BOX:
            return ok(SetCtrlAttribute(panel, row.id, ATTR_FRAME_COLOR, kPanelColor));
        case CTRL_GRAPH:
            return BuildGraph(panel, row, ok);
        default:
            return BuildPicture(panel, row, ok);
    }
}

bool BuildAccess(int panel, int id, Status& ok) {
    for (const AccessRow& a : kAccessRows) {
        if (a.id != id) {
            continue;
        }
        return (a.name == nullptr ||
                ok(SetCtrlAttribute(panel, id, ATTR_ACCESSIBLE_NAME, a.name))) &&
               (a.description == nullptr ||
                ok(SetCtrlAttribute(panel, id, ATTR_ACCESSIBLE_DESCRIPTION, a.description))) &&
               (a.describedBy == 0 ||
                ok(SetCtrlAttribute(panel, id, ATTR_DESCRIBED_BY, a.describedBy))) &&
               (a.shortcut == nullptr ||
                ok(SetCtrlAttribute(panel, id, ATTR_SHORTCUT_KEY, a.shortcut)));
    }
    return true;
}

bool BuildControl(int panel, const ControlRow& row, Status& ok) {
    const int id = NewCtrl(panel, row.kind, row.label, row.place.top, row.place.left);
    if (!ok(id)) {
        return false;
    }
    if (id != row.id) {
        ok(UIEBadControlId);  // the identifiers are fixed: callbacks use them
        return false;
    }
    const bool captioned = row.caption.top != 0 || row.caption.left != 0;
    return ok(SetCtrlAttribute(panel, id, ATTR_CONSTANT_NAME, row.name)) &&
           (row.callback == nullptr ||
            ok(SetCtrlAttribute(panel, id, ATTR_CALLBACK_FUNCTION_POINTER, row.callback))) &&
           ((row.kind != CTRL_NUMERIC && row.kind != CTRL_GRAPH) ||
            ok(SetCtrlAttribute(panel, id, ATTR_CTRL_MODE, row.mode))) &&
           BuildKind(panel, row, ok) && BuildAccess(panel, id, ok) &&
           ok(SetCtrlAttribute(panel, id, ATTR_WIDTH, row.place.width)) &&
           (row.place.height == kDefault ||
            ok(SetCtrlAttribute(panel, id, ATTR_HEIGHT, row.place.height))) &&
           (!captioned || (ok(SetCtrlAttribute(panel, id, ATTR_LABEL_TOP, row.caption.top)) &&
                           ok(SetCtrlAttribute(panel, id, ATTR_LABEL_LEFT, row.caption.left)))) &&
           (!row.hidden || ok(SetCtrlAttribute(panel, id, ATTR_VISIBLE, 0)));
}

// Puts every control at its place from the front, then the listed controls
// at the head of the tab order.
bool Order(int panel, Status& ok) {
    for (int place = 0; place < static_cast<int>(std::size(kControlRows)); ++place) {
        for (const ControlRow& row : kControlRows) {
            if (row.z == place &&
                !ok(SetCtrlAttribute(panel, row.id, ATTR_ZPLANE_POSITION, place))) {
                return false;
            }
        }
    }
    for (int place = 0; place < kTabStops; ++place) {
        for (const ControlRow& row : kControlRows) {
            if (row.tab == place &&
                !ok(SetCtrlAttribute(panel, row.id, ATTR_CTRL_TAB_POSITION, place))) {
                return false;
            }
        }
    }
    return true;
}

// Scales the panel, laid out for the design screen, to its monitor by the
// resolution-adjustment percentage; products are cut toward zero.
bool AdjustToMonitor(int panel, Status& ok) {
    int percent = 0;
    if (!ok(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1)) ||
        !ok(GetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, &percent))) {
        return false;
    }
    if (percent > 0) {
        int monitor = 0, height = 0, width = 0;
        if (!ok(GetMonitorFromPanel(panel, &monitor)) ||
            !ok(GetMonitorAttribute(monitor, ATTR_HEIGHT, &height)) ||
            !ok(GetMonitorAttribute(monitor, ATTR_WIDTH, &width))) {
            return false;
        }
        const float fy = static_cast<float>(
            1 + (percent / 100.0) * (height / static_cast<double>(kDesignScreenHeight) - 1));
        const float fx = static_cast<float>(
            1 + (percent / 100.0) * (width / static_cast<double>(kDesignScreenWidth) - 1));
        const PanelGeometry& g = kPanelGeometry;
        if (!ok(SetPanelAttribute(panel, ATTR_HEIGHT, static_cast<int>(g.height * fy))) ||
            !ok(SetPanelAttribute(panel, ATTR_WIDTH, static_cast<int>(g.width * fx))) ||
            !ok(SetPanelAttribute(panel, ATTR_TOP, static_cast<int>(g.top * fy))) ||
            !ok(SetPanelAttribute(panel, ATTR_LEFT, static_cast<int>(g.left * fx)))) {
            return false;
        }
    }
    return ok(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 0));
}

}  // namespace

bool PanelMatchesDefinition(int panel) {
    for (const ControlRow& row : kControlRows) {
        std::string name, text;
        int type = 0;
        if (GetCtrlAttribute(panel, row.id, ATTR_CONSTANT_NAME, &name) < 0 || name != row.name ||
            (row.kind == CTRL_NUMERIC &&
             (GetCtrlAttribute(panel, row.id, ATTR_DATA_TYPE, &type) < 0 ||
              type != row.number.dataType)) ||
            (row.kind == CTRL_TEXT_MSG && GetCtrlVal(panel, row.id, &text) < 0)) {
            return false;
        }
    }
    double x, y;
    return GetGraphCursor(panel, PANEL_GRAPH, 1, &x, &y) >= 0;
}

int RegisterPanelCallbacks() {
    return RegisterCallbacks(kCallbacks, std::size(kCallbacks));
}

int BuildPANEL(int parent) {
    Status ok;
    const PanelGeometry& g = kPanelGeometry;
    const int panel = NewPanel(parent, kPanelTitle, g.top, g.left, g.height, g.width);
    if (!ok(panel) || !ok(SetPanelAttribute(panel, ATTR_CONSTANT_NAME, "PANEL")) ||
        !ok(SetPanelAttribute(panel, ATTR_BACKCOLOR, kPanelColor)) ||
        (parent != 0 && !ok(SetPanelAttribute(panel, ATTR_FRAME_STYLE, VAL_RAISED_FRAME)))) {
        return ok.value;
    }
    for (const ControlRow& row : kControlRows) {
        if (!BuildControl(panel, row, ok)) {
            return ok.value;
        }
    }
    if (!ok(SetPanelAttribute(panel, ATTR_CLOSE_CTRL, kCloseControl)) || !Order(panel, ok) ||
        !AdjustToMonitor(panel, ok)) {
        return ok.value;
    }
    return panel;
}
