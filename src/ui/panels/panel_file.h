// SPDX-License-Identifier: MIT
// Panel files: a panel and its controls as JSON, written by SavePanel
// (panel_save.cpp) and rebuilt by LoadPanel (panel_load.cpp) through the same
// operations a builder calls. Internal to src/ui.
//
// A file holds panels by resource number. Each has its window attributes, its
// controls in creation order (kind, attributes, value, graph axes and cursors,
// picture as SVG text or PNG), the front-to-back and tab orders and the close control.
// Numbers that JSON cannot hold (infinities, NaN) are written as text.
#pragma once

#include "model/attributes.h"

namespace ui {

constexpr const char* kPanelFileFormat = "kadrel-ui-panel";
constexpr int kPanelFileVersion = 1;

// Control kinds by their number.
constexpr const char* kKindNames[] = {"",      "numeric", "button", "box",    "text",
                                      "graph", "picture", "table",  "string", "band chart"};

// Attributes that travel outside the attribute list.
inline bool keptApart(int attribute) {
    return attribute == ATTR_TITLE || attribute == ATTR_CLOSE_CTRL ||
           attribute == ATTR_ZPLANE_POSITION || attribute == ATTR_CTRL_TAB_POSITION;
}

}  // namespace ui
