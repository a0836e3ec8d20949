// The main panel's definition as tables, and BuildPANEL, which makes the
// panel from them by runtime calls and stops at the first call that fails.
#include "app/kadrel_uir.h"

#include <iterator>
#include <string>

#include "app/kadrel.h"
#include "images.h"

namespace {

constexpr int kPanelColor = 0xF0F0F0;
constexpr int kFieldFrameColor = 0xECE9D8;
constexpr int kInputFieldColor = 0xFFFFCC;
constexpr int kButtonColor = 0xCCCCFF;
constexpr int kButtonHeight = 23;
constexpr int kDefault = 0;  // size: the runtime's default for the kind

struct ControlSpec {
    int id;
    const char* constantName;
    int kind;
    const char* label;
    int top, left, width, height;
    int mode;
    CtrlCallbackPtr callback;
};

const ControlSpec kControls[] = {
    {PANEL_XMM, "XMM", CTRL_NUMERIC, "X size (mm)", 75, 579, 75, kDefault, VAL_HOT, Redraw},
    {PANEL_YMM, "YMM", CTRL_NUMERIC, "Y size (mm)", 105, 579, 75, kDefault, VAL_HOT, Redraw},
    {PANEL_XPIX, "XPIX", CTRL_NUMERIC, "Xresol", 238, 579, 75, kDefault, VAL_HOT, Redraw},
    {PANEL_YPIX, "YPIX", CTRL_NUMERIC, "Yresol", 268, 579, 75, kDefault, VAL_HOT, Redraw},
    {PANEL_FOCAL, "FOCAL", CTRL_NUMERIC, "Focal length (mm)", 366, 576, 75, kDefault, VAL_HOT,
     Redraw},
    {PANEL_APERTURE, "APERTURE", CTRL_NUMERIC, "Aperture F", 486, 576, 75, kDefault, VAL_HOT,
     Cursor},
    {PANEL_DMAX, "DMAX", CTRL_NUMERIC, "d max", 528, 389, 58, kDefault, VAL_HOT, Redraw},
    {PANEL_RESETBUTTON, "RESETBUTTON", CTRL_COMMAND_BUTTON, "RESET", 526, 468, 48, kButtonHeight,
     VAL_HOT, ResetCallback},
    {PANEL_HELPBUTTON, "HELPBUTTON", CTRL_COMMAND_BUTTON, "HELP", 526, 524, 40, kButtonHeight,
     VAL_HOT, HelpCallback},
    {PANEL_COPYBUTTON, "COPYBUTTON", CTRL_COMMAND_BUTTON, "COPY", 526, 573, 40, kButtonHeight,
     VAL_HOT, SavePanelButtonCallback},
    {PANEL_DECORATION, "DECORATION", CTRL_BOX, "", 41, 465, 200, 154, VAL_INDICATOR, nullptr},
    {PANEL_DECORATION_2, "DECORATION_2", CTRL_BOX, "", 204, 465, 200, 124, VAL_INDICATOR, nullptr},
    {PANEL_DECORATION_3, "DECORATION_3", CTRL_BOX, "", 338, 465, 200, 180, VAL_INDICATOR, nullptr},
    {PANEL_DIAGONAL, "DIAGONAL", CTRL_NUMERIC, "diagonal", 165, 589, 65, kDefault, VAL_INDICATOR,
     nullptr},
    {PANEL_PIXSIZE, "PIXSIZE", CTRL_NUMERIC, "Pixel size (\u00b5m)", 300, 589, 65, kDefault,
     VAL_INDICATOR, nullptr},
    {PANEL_RATIO, "RATIO", CTRL_NUMERIC, "ratio X/Y", 135, 589, 65, kDefault, VAL_INDICATOR,
     nullptr},
    {PANEL_PSIH, "PSIH", CTRL_NUMERIC, "horizontal (degree)", 456, 588, 63, kDefault, VAL_INDICATOR,
     nullptr},
    {PANEL_PSIV, "PSIV", CTRL_NUMERIC, "vertical (degree)", 426, 588, 63, kDefault, VAL_INDICATOR,
     nullptr},
    {PANEL_ANGLE, "ANGLE", CTRL_NUMERIC, "Angle of view (degree)", 396, 588, 63, kDefault,
     VAL_INDICATOR, nullptr},
    {PANEL_TEXTMSG, "TEXTMSG", CTRL_TEXT_MSG, "SENSOR SIZE", 50, 485, 86, 15, VAL_INDICATOR,
     nullptr},
    {PANEL_TEXTMSG_2, "TEXTMSG_2", CTRL_TEXT_MSG, "SENSOR RESOLUTION", 213, 490, 138, 15,
     VAL_INDICATOR, nullptr},
    {PANEL_GRAPH, "GRAPH", CTRL_GRAPH, "SCALE VERSUS SUBJECT DISTANCE", 41, 33, 421, 477, VAL_HOT,
     Cursor},
    {PANEL_COMMANDBUTTON, "COMMANDBUTTON", CTRL_COMMAND_BUTTON, "__OK", 526, 622, 40, kButtonHeight,
     VAL_HOT, QuitCallback},
    {PANEL_TEXTMSG_3, "TEXTMSG_3", CTRL_TEXT_MSG, "LENS", 349, 494, 35, 15, VAL_INDICATOR, nullptr},
    {PANEL_TEXTPARAM, "TEXTPARAM", CTRL_TEXT_MSG,
     "Hyperfocal dist\nObject distance\nScale\nField size\nRear DOF\nFront DOF\nDepth of field", 62,
     90, 108, 100, VAL_INDICATOR, nullptr},
    {PANEL_PICTURE, "PICTURE", CTRL_PICTURE, "", 432, 392, 30, 30, VAL_INDICATOR, nullptr},
    {PANEL_DOFPICTURE, "DOFPICTURE", CTRL_PICTURE, "", 60, 60, 501, 345, VAL_INDICATOR, nullptr},
    {PANEL_COPYRIGHT, "COPYRIGHT", CTRL_TEXT_MSG,
     "kadrel contributors - kadrel v1.0\nhttps://kadrel.example.org", 7, 467, 124, 26,
     VAL_INDICATOR, nullptr},
    {PANEL_TEXTRATIO1, "TEXTRATIO1", CTRL_TEXT_MSG, "ratio1", 529, 35, 29, 15, VAL_INDICATOR,
     nullptr},
    {PANEL_TEXTRATIO2, "TEXTRATIO2", CTRL_TEXT_MSG, "ratio2", 529, 205, 29, 15, VAL_INDICATOR,
     nullptr},
};

constexpr double kNone = -1;  // no step or no decimals: the kind's default

struct NumericSpec {
    int id;
    int dataType;
    double initial, min, max, step;
    int decimals;  // -1: plain integer
    int labelTop, labelLeft;
};

const double kUnbounded = _GetDoubleInf();

const NumericSpec kNumerics[] = {
    {PANEL_XMM, VAL_FLOAT, 22.5, 1.0, kUnbounded, 1.0, 2, 77, 516},
    {PANEL_YMM, VAL_FLOAT, 15.0, 1.0, kUnbounded, 1.0, 2, 107, 516},
    {PANEL_XPIX, VAL_INTEGER, 3504, 100, 2147483647, 1, -1, 240, 516},
    {PANEL_YPIX, VAL_INTEGER, 2336, 100, 2147483647, 1, -1, 270, 516},
    {PANEL_FOCAL, VAL_FLOAT, 24.0, 10.0, 2000.0, 1.0, 2, 368, 488},
    {PANEL_APERTURE, VAL_FLOAT, 3.5, 1.0, 50.0, 1.0, 2, 488, 522},
    {PANEL_DMAX, VAL_FLOAT, 20.0, 1.0, kUnbounded, 1.0, 2, 529, 351},
    {PANEL_DIAGONAL, VAL_FLOAT, 27.0416, 0.0, kUnbounded, kNone, 2, 167, 517},
    {PANEL_PIXSIZE, VAL_FLOAT, 1.5, 0.0, kUnbounded, kNone, 2, 302, 517},
    {PANEL_RATIO, VAL_FLOAT, 1.5, 0.0, kUnbounded, kNone, 2, 137, 517},
    {PANEL_PSIH, VAL_FLOAT, 59.0, 0.0, kUnbounded, kNone, 1, 458, 478},
    {PANEL_PSIV, VAL_FLOAT, 59.0, 0.0, kUnbounded, kNone, 1, 428, 478},
    {PANEL_ANGLE, VAL_FLOAT, 59.0, 0.0, kUnbounded, kNone, 1, 398, 478},
};

struct TextSpec {
    int id;
    const char* font;
    int pointSize;  // 0: the font's own
    int bold;
    int color;  // -1: the runtime's default
};

const TextSpec kTexts[] = {
    {PANEL_TEXTMSG, VAL_DIALOG_META_FONT, 0, 1, -1},
    {PANEL_TEXTMSG_2, VAL_DIALOG_META_FONT, 0, 1, -1},
    {PANEL_TEXTMSG_3, VAL_DIALOG_META_FONT, 0, 1, -1},
    {PANEL_TEXTPARAM, "DejaVu Sans Mono", 12, 0, 0x006699},
    {PANEL_COPYRIGHT, VAL_APP_META_FONT, 9, 0, 0xA0A0A0},
    {PANEL_TEXTRATIO1, VAL_DIALOG_META_FONT, 0, 0, -1},
    {PANEL_TEXTRATIO2, VAL_DIALOG_META_FONT, 0, 0, -1},
};

// What a screen reader says of a control beyond its label, and the keys that
// press the command buttons from anywhere in the panel.
struct AccessSpec {
    int id;
    const char* name;         // null: the label
    const char* description;  // null: none
    int describedBy;          // a text message read as the description, or 0
    const char* shortcut;     // null: none
};

const AccessSpec kAccess[] = {
    {PANEL_XPIX, nullptr, "pixels", 0, nullptr},
    {PANEL_YPIX, nullptr, "pixels", 0, nullptr},
    {PANEL_APERTURE, nullptr, "f-number", 0, nullptr},
    {PANEL_DMAX, nullptr, "metres", 0, nullptr},
    {PANEL_DIAGONAL, nullptr, "millimetres", 0, nullptr},
    {PANEL_GRAPH, "subject distance", nullptr, PANEL_TEXTPARAM, nullptr},
    {PANEL_HELPBUTTON, nullptr, nullptr, 0, "F1"},
    {PANEL_COPYBUTTON, nullptr, nullptr, 0, "Ctrl+C"},
    {PANEL_COMMANDBUTTON, nullptr, nullptr, 0, "Ctrl+Q"},
};

const int kFrontToBack[] = {
    PANEL_PSIH,       PANEL_PSIV,       PANEL_TEXTPARAM, PANEL_RESETBUTTON,   PANEL_TEXTRATIO2,
    PANEL_TEXTRATIO1, PANEL_COPYRIGHT,  PANEL_PICTURE,   PANEL_HELPBUTTON,    PANEL_APERTURE,
    PANEL_PIXSIZE,    PANEL_COPYBUTTON, PANEL_DMAX,      PANEL_COMMANDBUTTON, PANEL_GRAPH,
    PANEL_ANGLE,      PANEL_DIAGONAL,   PANEL_FOCAL,     PANEL_TEXTMSG_3,     PANEL_DECORATION_3,
    PANEL_TEXTMSG_2,  PANEL_YPIX,       PANEL_XPIX,      PANEL_DECORATION_2,  PANEL_TEXTMSG,
    PANEL_RATIO,      PANEL_YMM,        PANEL_XMM,       PANEL_DECORATION,    PANEL_DOFPICTURE,
};

const int kTabOrder[] = {PANEL_XMM,        PANEL_YMM,       PANEL_XPIX, PANEL_YPIX,
                         PANEL_FOCAL,      PANEL_APERTURE,  PANEL_DMAX, PANEL_RESETBUTTON,
                         PANEL_HELPBUTTON, PANEL_COPYBUTTON};

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

bool BuildNumeric(int panel, const NumericSpec& n, Status& ok) {
    const bool input = n.step != kNone;
    return ok(SetCtrlAttribute(panel, n.id, ATTR_DATA_TYPE, n.dataType)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_FRAME_COLOR, kFieldFrameColor)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_TEXT_BGCOLOR,
                               input ? kInputFieldColor : VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_LABEL_BGCOLOR, VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_MIN_VALUE, n.min)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_MAX_VALUE, n.max)) &&
           (!input || ok(SetCtrlAttribute(panel, n.id, ATTR_INCR_VALUE, n.step))) &&
           (n.decimals < 0 || ok(SetCtrlAttribute(panel, n.id, ATTR_PRECISION, n.decimals))) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_CHECK_RANGE, VAL_COERCE)) &&
           ok(SetCtrlAttribute(panel, n.id, ATTR_DFLT_VALUE, n.initial)) &&
           ok(DefaultCtrl(panel, n.id));
}

bool BuildAccess(int panel, const AccessSpec& a, Status& ok) {
    return (a.name == nullptr || ok(SetCtrlAttribute(panel, a.id, ATTR_ACCESSIBLE_NAME, a.name))) &&
           (a.description == nullptr ||
            ok(SetCtrlAttribute(panel, a.id, ATTR_ACCESSIBLE_DESCRIPTION, a.description))) &&
           (a.describedBy == 0 ||
            ok(SetCtrlAttribute(panel, a.id, ATTR_DESCRIBED_BY, a.describedBy))) &&
           (a.shortcut == nullptr ||
            ok(SetCtrlAttribute(panel, a.id, ATTR_SHORTCUT_KEY, a.shortcut)));
}

bool BuildText(int panel, const TextSpec& t, Status& ok) {
    return ok(SetCtrlAttribute(panel, t.id, ATTR_TEXT_FONT, t.font)) &&
           (t.pointSize == 0 ||
            ok(SetCtrlAttribute(panel, t.id, ATTR_TEXT_POINT_SIZE, t.pointSize))) &&
           ok(SetCtrlAttribute(panel, t.id, ATTR_TEXT_BOLD, t.bold)) &&
           (t.color < 0 || ok(SetCtrlAttribute(panel, t.id, ATTR_TEXT_COLOR, t.color))) &&
           ok(SetCtrlAttribute(panel, t.id, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT)) &&
           ok(SetCtrlAttribute(panel, t.id, ATTR_SIZE_TO_TEXT, 1));
}

bool BuildGraph(int panel, Status& ok) {
    const int g = PANEL_GRAPH;
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
bool BuildPicture(int panel, int id, const char* image, Status& ok) {
    int bitmap = 0;
    if (GetUserBitmapFromText(image, VAL_SVG_IMAGE_TEXT, &bitmap) < 0 || bitmap == 0) {
        return true;
    }
    const bool set = ok(SetCtrlBitmap(panel, id, 0, bitmap));
    DiscardBitmap(bitmap);
    return set;
}

bool BuildControl(int panel, const ControlSpec& c, Status& ok) {
    const int id = NewCtrl(panel, c.kind, c.label, c.top, c.left);
    if (!ok(id)) {
        return false;
    }
    if (id != c.id) {
        ok(UIEBadControlId);  // the identifiers are fixed: callbacks use them
        return false;
    }
    bool built = ok(SetCtrlAttribute(panel, id, ATTR_CONSTANT_NAME, c.constantName)) &&
                 (id != PANEL_COMMANDBUTTON ||
                  ok(SetPanelAttribute(panel, ATTR_CLOSE_CTRL, PANEL_COMMANDBUTTON))) &&
                 (c.callback == nullptr ||
                  ok(SetCtrlAttribute(panel, id, ATTR_CALLBACK_FUNCTION_POINTER, c.callback))) &&
                 ((c.kind != CTRL_NUMERIC && c.kind != CTRL_GRAPH) ||
                  ok(SetCtrlAttribute(panel, id, ATTR_CTRL_MODE, c.mode)));
    for (const NumericSpec& n : kNumerics) {
        built = built && (n.id != id || BuildNumeric(panel, n, ok));
    }
    for (const TextSpec& t : kTexts) {
        built = built && (t.id != id || BuildText(panel, t, ok));
    }
    for (const AccessSpec& a : kAccess) {
        built = built && (a.id != id || BuildAccess(panel, a, ok));
    }
    if (c.kind == CTRL_COMMAND_BUTTON) {
        built = built && ok(SetCtrlAttribute(panel, id, ATTR_CMD_BUTTON_COLOR, kButtonColor));
    } else if (c.kind == CTRL_BOX) {
        built = built && ok(SetCtrlAttribute(panel, id, ATTR_FRAME_COLOR, kPanelColor));
    } else if (c.kind == CTRL_GRAPH) {
        built = built && BuildGraph(panel, ok);
    } else if (id == PANEL_PICTURE || id == PANEL_DOFPICTURE) {
        built = built &&
                BuildPicture(panel, id, id == PANEL_PICTURE ? kLensImage : kDepthOfFieldImage, ok);
    }
    built = built && ok(SetCtrlAttribute(panel, id, ATTR_WIDTH, c.width)) &&
            (c.height == kDefault || ok(SetCtrlAttribute(panel, id, ATTR_HEIGHT, c.height)));
    for (const NumericSpec& n : kNumerics) {
        built = built &&
                (n.id != id || (ok(SetCtrlAttribute(panel, id, ATTR_LABEL_TOP, n.labelTop)) &&
                                ok(SetCtrlAttribute(panel, id, ATTR_LABEL_LEFT, n.labelLeft))));
    }
    if (id == PANEL_GRAPH) {
        built = built && ok(SetCtrlAttribute(panel, id, ATTR_LABEL_TOP, 20)) &&
                ok(SetCtrlAttribute(panel, id, ATTR_LABEL_LEFT, 161));
    }
    if (id == PANEL_DOFPICTURE) {
        built = built && ok(SetCtrlAttribute(panel, id, ATTR_VISIBLE, 0));
    }
    return built;
}

// Scales the panel, laid out for a 1600 x 1166 screen, to its monitor by the
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
        const float fy = static_cast<float>(1 + (percent / 100.0) * (height / 1166.0 - 1));
        const float fx = static_cast<float>(1 + (percent / 100.0) * (width / 1600.0 - 1));
        if (!ok(SetPanelAttribute(panel, ATTR_HEIGHT, static_cast<int>(558 * fy))) ||
            !ok(SetPanelAttribute(panel, ATTR_WIDTH, static_cast<int>(672 * fx))) ||
            !ok(SetPanelAttribute(panel, ATTR_TOP, static_cast<int>(21 * fy))) ||
            !ok(SetPanelAttribute(panel, ATTR_LEFT, static_cast<int>(5 * fx)))) {
            return false;
        }
    }
    return ok(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 0));
}

}  // namespace

bool PanelMatchesDefinition(int panel) {
    for (const ControlSpec& c : kControls) {
        std::string name;
        if (GetCtrlAttribute(panel, c.id, ATTR_CONSTANT_NAME, &name) < 0 ||
            name != c.constantName) {
            return false;
        }
    }
    for (const NumericSpec& n : kNumerics) {
        int type = 0;
        if (GetCtrlAttribute(panel, n.id, ATTR_DATA_TYPE, &type) < 0 || type != n.dataType) {
            return false;
        }
    }
    for (const TextSpec& t : kTexts) {
        std::string text;
        if (GetCtrlVal(panel, t.id, &text) < 0) {
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
    const int panel = NewPanel(parent, "K A D R E L", 21, 5, 558, 672);
    if (!ok(panel) || !ok(SetPanelAttribute(panel, ATTR_CONSTANT_NAME, "PANEL")) ||
        !ok(SetPanelAttribute(panel, ATTR_BACKCOLOR, kPanelColor)) ||
        (parent != 0 && !ok(SetPanelAttribute(panel, ATTR_FRAME_STYLE, VAL_RAISED_FRAME)))) {
        return ok.value;
    }
    for (const ControlSpec& c : kControls) {
        if (!BuildControl(panel, c, ok)) {
            return ok.value;
        }
    }
    for (int i = 0; i < static_cast<int>(std::size(kFrontToBack)); ++i) {
        if (!ok(SetCtrlAttribute(panel, kFrontToBack[i], ATTR_ZPLANE_POSITION, i))) {
            return ok.value;
        }
    }
    for (int i = 0; i < static_cast<int>(std::size(kTabOrder)); ++i) {
        if (!ok(SetCtrlAttribute(panel, kTabOrder[i], ATTR_CTRL_TAB_POSITION, i))) {
            return ok.value;
        }
    }
    if (!AdjustToMonitor(panel, ok)) {
        return ok.value;
    }
    return panel;
}
