// SPDX-License-Identifier: MIT
#include "program/panel_definition.h"

#include "program/images.h"
#include "program/kadrel.h"
#include "services/keys.h"

namespace definition {
namespace {

constexpr int kButtonHeight = 23;
const double kUnbounded = _GetDoubleInf();
// The farthest d max: a million kilometres, past the Moon and past the
// hyperfocal distance of any lens the panel takes on any real sensor; a
// subject farther than that is at infinity for every figure the panel shows.
constexpr double kFarthest = 1e9;

constexpr const char* kParameterNames =
    "Hyperfocal dist\nObject distance\nScale\nField size\nRear DOF\nFront DOF\nDepth of field";

// The maker's line as the panel was drawn; start-up replaces it with the
// version line of the running program.
constexpr const char* kMakerLine = "kadrel contributors - kadrel v1.0\nhttps://kadrel.example.org";

constexpr Number kNoNumber{};
constexpr Font kNoFont{};
constexpr Font kHeading{VAL_DIALOG_META_FONT, 0, 1, kNoColor};
constexpr Font kRemark{VAL_DIALOG_META_FONT, 0, 0, kNoColor};
constexpr Font kReportFont{"DejaVu Sans Mono", 12, 0, 0x006699};
constexpr Font kMakerFont{VAL_APP_META_FONT, 9, 0, 0xA0A0A0};

// A field the user types into, stepped by one.
Number Input(int type, double initial, double min, double max, int decimals) {
    return {type, initial, min, max, 1.0, decimals};
}

// A field the program writes: any value from zero up.
Number Shown(double initial, int decimals) {
    return {VAL_FLOAT, initial, 0.0, kUnbounded, kNone, decimals};
}

constexpr Place Button(int top, int left, int width) {
    return {top, left, width, kButtonHeight};
}

constexpr Place Field(int top, int left, int width) {
    return {top, left, width, kDefault};
}

}  // namespace

// In creation order, which gives the identifiers. Each row, on three lines:
//   identifier, constant name, kind, label (a text message's initial text);
//   place {top, left, width, height}, caption {top, left}, mode, callback;
//   number (fields), font (text messages), image (pictures), hidden, place
//   from the front, place in the tab order.
// clang-format off
const ControlRow kControlRows[] = {
    {PANEL_XMM,           "XMM",           CTRL_NUMERIC,        "X size (mm)",
        Field(75, 579, 75),   {77, 516},  VAL_HOT,       Redraw,
        Input(VAL_FLOAT, 22.5, 1.0, kUnbounded, 2),    kNoFont,     nullptr,            false, 27, 0},
    {PANEL_YMM,           "YMM",           CTRL_NUMERIC,        "Y size (mm)",
        Field(105, 579, 75),  {107, 516}, VAL_HOT,       Redraw,
        Input(VAL_FLOAT, 15.0, 1.0, kUnbounded, 2),    kNoFont,     nullptr,            false, 26, 1},
    {PANEL_XPIX,          "XPIX",          CTRL_NUMERIC,        "Xresol",
        Field(238, 579, 75),  {240, 516}, VAL_HOT,       Redraw,
        Input(VAL_INTEGER, 3504, 100, 2147483647, -1), kNoFont,     nullptr,            false, 22, 2},
    {PANEL_YPIX,          "YPIX",          CTRL_NUMERIC,        "Yresol",
        Field(268, 579, 75),  {270, 516}, VAL_HOT,       Redraw,
        Input(VAL_INTEGER, 2336, 100, 2147483647, -1), kNoFont,     nullptr,            false, 21, 3},
    {PANEL_FOCAL,         "FOCAL",         CTRL_NUMERIC,        "Focal length (mm)",
        Field(366, 576, 75),  {368, 488}, VAL_HOT,       Redraw,
        Input(VAL_FLOAT, 24.0, 10.0, 2000.0, 2),       kNoFont,     nullptr,            false, 17, 4},
    {PANEL_APERTURE,      "APERTURE",      CTRL_NUMERIC,        "Aperture F",
        Field(486, 576, 75),  {488, 522}, VAL_HOT,       Cursor,
        Input(VAL_FLOAT, 3.5, 1.0, 50.0, 2),           kNoFont,     nullptr,            false, 9,  5},
    {PANEL_DMAX,          "DMAX",          CTRL_NUMERIC,        "d max",
        Field(528, 389, 58),  {529, 351}, VAL_HOT,       Redraw,
        Input(VAL_FLOAT, 20.0, 1.0, kFarthest, 2),     kNoFont,     nullptr,            false, 12, 6},
    {PANEL_RESETBUTTON,   "RESETBUTTON",   CTRL_COMMAND_BUTTON, "RESET",
        Button(526, 468, 48), {},         VAL_HOT,       ResetCallback,
        kNoNumber,                                     kNoFont,     nullptr,            false, 3,  7},
    {PANEL_HELPBUTTON,    "HELPBUTTON",    CTRL_COMMAND_BUTTON, "HELP",
        Button(526, 524, 40), {},         VAL_HOT,       HelpCallback,
        kNoNumber,                                     kNoFont,     nullptr,            false, 8,  8},
    {PANEL_COPYBUTTON,    "COPYBUTTON",    CTRL_COMMAND_BUTTON, "COPY",
        Button(526, 573, 40), {},         VAL_HOT,       SavePanelButtonCallback,
        kNoNumber,                                     kNoFont,     nullptr,            false, 11, 9},
    {PANEL_DECORATION,    "DECORATION",    CTRL_BOX,            "",
        {41, 465, 200, 154},  {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kNoFont,     nullptr,            false, 28, kNoTab},
    {PANEL_DECORATION_2,  "DECORATION_2",  CTRL_BOX,            "",
        {204, 465, 200, 124}, {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kNoFont,     nullptr,            false, 23, kNoTab},
    {PANEL_DECORATION_3,  "DECORATION_3",  CTRL_BOX,            "",
        {338, 465, 200, 180}, {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kNoFont,     nullptr,            false, 19, kNoTab},
    {PANEL_DIAGONAL,      "DIAGONAL",      CTRL_NUMERIC,        "diagonal",
        Field(165, 589, 65),  {167, 517}, VAL_INDICATOR, nullptr,
        Shown(27.0416, 2),                             kNoFont,     nullptr,            false, 16, kNoTab},
    {PANEL_PIXSIZE,       "PIXSIZE",       CTRL_NUMERIC,        "Pixel size (\u00b5m)",
        Field(300, 589, 65),  {302, 517}, VAL_INDICATOR, nullptr,
        Shown(1.5, 2),                                 kNoFont,     nullptr,            false, 10, kNoTab},
    {PANEL_RATIO,         "RATIO",         CTRL_NUMERIC,        "ratio X/Y",
        Field(135, 589, 65),  {137, 517}, VAL_INDICATOR, nullptr,
        Shown(1.5, 2),                                 kNoFont,     nullptr,            false, 25, kNoTab},
    {PANEL_PSIH,          "PSIH",          CTRL_NUMERIC,        "horizontal (degree)",
        Field(456, 588, 63),  {458, 478}, VAL_INDICATOR, nullptr,
        Shown(59.0, 1),                                kNoFont,     nullptr,            false, 0,  kNoTab},
    {PANEL_PSIV,          "PSIV",          CTRL_NUMERIC,        "vertical (degree)",
        Field(426, 588, 63),  {428, 478}, VAL_INDICATOR, nullptr,
        Shown(59.0, 1),                                kNoFont,     nullptr,            false, 1,  kNoTab},
    {PANEL_ANGLE,         "ANGLE",         CTRL_NUMERIC,        "Angle of view (degree)",
        Field(396, 588, 63),  {398, 478}, VAL_INDICATOR, nullptr,
        Shown(59.0, 1),                                kNoFont,     nullptr,            false, 15, kNoTab},
    {PANEL_TEXTMSG,       "TEXTMSG",       CTRL_TEXT_MSG,       "SENSOR SIZE",
        {50, 485, 86, 15},    {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kHeading,    nullptr,            false, 24, kNoTab},
    {PANEL_TEXTMSG_2,     "TEXTMSG_2",     CTRL_TEXT_MSG,       "SENSOR RESOLUTION",
        {213, 490, 138, 15},  {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kHeading,    nullptr,            false, 20, kNoTab},
    {PANEL_GRAPH,         "GRAPH",         CTRL_GRAPH,          "SCALE VERSUS SUBJECT DISTANCE",
        {41, 33, 421, 477},   {20, 161},  VAL_HOT,       Cursor,
        kNoNumber,                                     kNoFont,     nullptr,            false, 14, kNoTab},
    {PANEL_COMMANDBUTTON, "COMMANDBUTTON", CTRL_COMMAND_BUTTON, "__OK",
        Button(526, 622, 40), {},         VAL_HOT,       QuitCallback,
        kNoNumber,                                     kNoFont,     nullptr,            false, 13, kNoTab},
    {PANEL_TEXTMSG_3,     "TEXTMSG_3",     CTRL_TEXT_MSG,       "LENS",
        {349, 494, 35, 15},   {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kHeading,    nullptr,            false, 18, kNoTab},
    {PANEL_TEXTPARAM,     "TEXTPARAM",     CTRL_TEXT_MSG,       kParameterNames,
        {62, 90, 108, 100},   {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kReportFont, nullptr,            false, 2,  kNoTab},
    {PANEL_PICTURE,       "PICTURE",       CTRL_PICTURE,        "",
        {432, 392, 30, 30},   {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kNoFont,     kLensImage,         false, 7,  kNoTab},
    {PANEL_DOFPICTURE,    "DOFPICTURE",    CTRL_PICTURE,        "",
        {60, 60, 501, 345},   {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kNoFont,     kDepthOfFieldImage, true,  29, kNoTab},
    {PANEL_COPYRIGHT,     "COPYRIGHT",     CTRL_TEXT_MSG,       kMakerLine,
        {7, 467, 124, 26},    {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kMakerFont,  nullptr,            false, 6,  kNoTab},
    {PANEL_TEXTRATIO1,    "TEXTRATIO1",    CTRL_TEXT_MSG,       "ratio1",
        {529, 35, 29, 15},    {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kRemark,     nullptr,            false, 5,  kNoTab},
    {PANEL_TEXTRATIO2,    "TEXTRATIO2",    CTRL_TEXT_MSG,       "ratio2",
        {529, 205, 29, 15},   {},         VAL_INDICATOR, nullptr,
        kNoNumber,                                     kRemark,     nullptr,            false, 4,  kNoTab},
};
// clang-format on

// The units of the fields whose labels name none; the graph as the distance
// it selects, described by the report on that distance.
const AccessRow kAccessRows[] = {
    {PANEL_XPIX, nullptr, "pixels", 0, nullptr},
    {PANEL_YPIX, nullptr, "pixels", 0, nullptr},
    {PANEL_APERTURE, nullptr, "f-number", 0, nullptr},
    {PANEL_DMAX, nullptr, "metres", 0, nullptr},
    {PANEL_DIAGONAL, nullptr, "millimetres", 0, nullptr},
    {PANEL_GRAPH, "subject distance", nullptr, PANEL_TEXTPARAM, nullptr},
    {PANEL_HELPBUTTON, nullptr, nullptr, 0, KeysOf(Action::Help)},
    {PANEL_COPYBUTTON, nullptr, nullptr, 0, KeysOf(Action::Copy)},
    {PANEL_COMMANDBUTTON, nullptr, nullptr, 0, KeysOf(Action::Quit)},
};

const Number& FieldNumber(int control) {
    for (const ControlRow& row : kControlRows) {
        if (row.id == control) {
            return row.number;
        }
    }
    return kControlRows[0].number;
}

PanelRanges PhotoRanges() {
    const auto range = [](int control) {
        const Number& n = FieldNumber(control);
        return FieldRange{n.min, n.max};
    };
    return {range(PANEL_XMM), range(PANEL_XPIX), range(PANEL_FOCAL), range(PANEL_APERTURE),
            range(PANEL_DMAX)};
}

}  // namespace definition
