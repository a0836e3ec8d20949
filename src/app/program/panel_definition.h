// SPDX-License-Identifier: MIT
// The main panel's definition: one row per control, in creation order.
// kadrel_uir.cpp builds the panel from it. Internal to src/app.
#pragma once

#include <cstddef>

#include "core/photo/photo_fields.h"
#include "program/kadrel_uir.h"
#include "ui/userint.h"

namespace definition {

constexpr int kDefault = 0;   // height: the runtime's default for the kind
constexpr double kNone = -1;  // no step: the field is an indicator
constexpr int kNoColor = -1;  // the runtime's default colour
constexpr int kNoTab = -1;    // keeps its place after the listed controls

struct Place {
    int top, left, width, height;
};

// Where a numeric field's or a graph's caption sits; {0, 0}: above the control.
struct Caption {
    int top, left;
};

struct Number {
    int dataType;
    double initial, min, max, step;
    int decimals;  // -1: plain integer
};

// A text message's font and text colour.
struct Font {
    const char* face;
    int pointSize;  // 0: the font's own
    int bold;
    int color;
};

// Everything one control is made of.
struct ControlRow {
    int id;
    const char* name;
    int kind;
    const char* label;  // the initial text of a text message
    Place place;
    Caption caption;
    int mode;
    CtrlCallbackPtr callback;
    Number number;      // numeric fields
    Font font;          // text messages
    const char* image;  // pictures
    bool hidden;
    int z;    // place from the front
    int tab;  // place in the tab order
};

constexpr std::size_t kControlCount = PANEL_TEXTRATIO2 - PANEL_XMM + 1;
extern const ControlRow kControlRows[kControlCount];

// What a screen reader says of a control beyond its label, and the key that
// presses a command button from anywhere in the panel.
struct AccessRow {
    int id;
    const char* name;         // null: the label
    const char* description;  // null: none
    int describedBy;          // a text message read as the description, or 0
    const char* shortcut;     // null: none
};

constexpr std::size_t kAccessCount = 9;
extern const AccessRow kAccessRows[kAccessCount];

// The range and format of the numeric field control, so that the command line
// and a photo take what typing would; the first row's for another control.
const Number& FieldNumber(int control);

// The ranges of the fields a photo's camera fills.
PanelRanges PhotoRanges();

// The control whose commit the close box raises.
constexpr int kCloseControl = PANEL_COMMANDBUTTON;
// How many controls head the tab order (places 0 to kTabStops - 1).
constexpr int kTabStops = 10;

}  // namespace definition
