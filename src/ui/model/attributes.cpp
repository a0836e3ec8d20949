// SPDX-License-Identifier: MIT
#include "model/attributes.h"

#include <iterator>

namespace ui {
namespace {

// A file names an attribute by its constant without the "ATTR_" prefix.
#define ATTR(id, type, on) \
    { id, &#id[5], AttrType::type, on }

const AttrInfo kAttributes[] = {
    ATTR(ATTR_CONSTANT_NAME, Text, ON_PANEL | ON_CONTROLS),
    ATTR(ATTR_TITLE, Text, ON_PANEL),
    ATTR(ATTR_FRAME_STYLE, Int, ON_PANEL),
    ATTR(ATTR_BACKCOLOR, Int, ON_PANEL),
    ATTR(ATTR_SCALE_CONTENTS_ON_RESIZE, Int, ON_PANEL),
    ATTR(ATTR_SIZABLE, Int, ON_PANEL),
    ATTR(ATTR_CALLBACK_FUNCTION_POINTER, Callback, ON_CONTROLS),
    ATTR(ATTR_CTRL_MODE, Int, ON_FIELDS | ON_GRAPH),
    ATTR(ATTR_DATA_TYPE, Int, ON_NUMERIC),
    ATTR(ATTR_LABEL_TEXT, Text, ON_LABELLED | ON_BUTTON),
    ATTR(ATTR_LABEL_FONT, Text, ON_LABELLED),
    ATTR(ATTR_LABEL_BOLD, Int, ON_LABELLED),
    ATTR(ATTR_LABEL_COLOR, Int, ON_LABELLED),
    ATTR(ATTR_LABEL_BGCOLOR, Int, ON_LABELLED),
    ATTR(ATTR_TEXT_FONT, Text, ON_FIELDS | ON_BUTTON | ON_TEXT),
    ATTR(ATTR_TEXT_POINT_SIZE, Int, ON_FIELDS | ON_BUTTON | ON_TEXT),
    ATTR(ATTR_TEXT_BOLD, Int, ON_FIELDS | ON_BUTTON | ON_TEXT),
    ATTR(ATTR_TEXT_COLOR, Int, ON_FIELDS | ON_BUTTON | ON_TEXT),
    ATTR(ATTR_TEXT_BGCOLOR, Int, ON_FIELDS | ON_TEXT),
    ATTR(ATTR_FRAME_COLOR, Int, ON_NUMERIC | ON_BOX),
    ATTR(ATTR_CMD_BUTTON_COLOR, Int, ON_BUTTON),
    ATTR(ATTR_SIZE_TO_TEXT, Int, ON_TEXT),
    ATTR(ATTR_MIN_VALUE, Double, ON_NUMERIC),
    ATTR(ATTR_MAX_VALUE, Double, ON_NUMERIC),
    ATTR(ATTR_CHECK_RANGE, Int, ON_NUMERIC),
    ATTR(ATTR_INCR_VALUE, Double, ON_NUMERIC),
    ATTR(ATTR_PRECISION, Int, ON_NUMERIC),
    ATTR(ATTR_DFLT_VALUE, Value, ON_FIELDS | ON_TEXT),
    ATTR(ATTR_XNAME, Text, ON_GRAPH),
    ATTR(ATTR_YNAME, Text, ON_GRAPH),
    ATTR(ATTR_PLOT_BGCOLOR, Int, ON_GRAPH),
    ATTR(ATTR_GRID_COLOR, Int, ON_GRAPH),
    ATTR(ATTR_GRAPH_BGCOLOR, Int, ON_GRAPH),
    ATTR(ATTR_NUM_CURSORS, Int, ON_GRAPH),
    ATTR(ATTR_XAXIS_GAIN, Double, ON_GRAPH),
    ATTR(ATTR_TOP, Int, ON_PANEL | ON_CONTROLS),
    ATTR(ATTR_LEFT, Int, ON_PANEL | ON_CONTROLS),
    ATTR(ATTR_WIDTH, Int, ON_PANEL | ON_CONTROLS),
    ATTR(ATTR_HEIGHT, Int, ON_PANEL | ON_CONTROLS),
    ATTR(ATTR_LABEL_TOP, Int, ON_LABELLED),
    ATTR(ATTR_LABEL_LEFT, Int, ON_LABELLED),
    ATTR(ATTR_VISIBLE, Int, ON_CONTROLS),
    ATTR(ATTR_ACCESSIBLE_NAME, Text, ON_CONTROLS),
    ATTR(ATTR_ACCESSIBLE_DESCRIPTION, Text, ON_CONTROLS),
    ATTR(ATTR_DESCRIBED_BY, Int, ON_CONTROLS),
    ATTR(ATTR_SHORTCUT_KEY, Text, ON_BUTTON),
    ATTR(ATTR_TOOLTIP_TEXT, Text, ON_CONTROLS),
    ATTR(ATTR_TEXT_SELECTABLE, Int, ON_TEXT),
    // Not replayed from the file's attribute list: the file stores the orders.
    ATTR(ATTR_ZPLANE_POSITION, Int, ON_CONTROLS),
    ATTR(ATTR_CTRL_TAB_POSITION, Int, ON_CONTROLS),
    ATTR(ATTR_CLOSE_CTRL, Int, ON_PANEL),
};

#undef ATTR

}  // namespace

const AttrInfo* attributeTable(int* count) {
    *count = static_cast<int>(std::size(kAttributes));
    return kAttributes;
}

const AttrInfo* attributeInfo(int id) {
    for (const AttrInfo& info : kAttributes) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

const AttrInfo* attributeByName(const std::string& name) {
    for (const AttrInfo& info : kAttributes) {
        if (name == info.name) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace ui
