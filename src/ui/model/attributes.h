// SPDX-License-Identifier: MIT
// What each attribute holds, which controls take it, and the name it has in a
// panel file. Internal to src/ui.
#pragma once

#include <string>
#include <variant>

#include "ui/userint.h"

namespace ui {

using AttrValue = std::variant<int, double, std::string, CtrlCallbackPtr>;

enum class AttrType {
    Int,
    Double,  // also takes an int
    Text,
    Callback,
    Value,  // the control's own value type: a number, or text for texts and strings
};

// Which objects take an attribute.
enum : unsigned {
    ON_PANEL = 1u << 0,
    ON_NUMERIC = 1u << CTRL_NUMERIC,
    ON_BUTTON = 1u << CTRL_COMMAND_BUTTON,
    ON_BOX = 1u << CTRL_BOX,
    ON_TEXT = 1u << CTRL_TEXT_MSG,
    ON_GRAPH = 1u << CTRL_GRAPH,
    ON_PICTURE = 1u << CTRL_PICTURE,
    ON_TABLE = 1u << CTRL_TABLE,
    ON_STRING = 1u << CTRL_STRING,
    ON_BAND_CHART = 1u << CTRL_BAND_CHART,
    ON_LABELLED = ON_NUMERIC | ON_GRAPH | ON_STRING,
    ON_FIELDS = ON_NUMERIC | ON_STRING,
    ON_CONTROLS =
        ON_FIELDS | ON_BUTTON | ON_BOX | ON_TEXT | ON_GRAPH | ON_PICTURE | ON_TABLE | ON_BAND_CHART,
};

struct AttrInfo {
    int id;
    const char* name;
    AttrType type;
    unsigned on;
};

// Attributes in the order a panel file replays them: types before ranges,
// ranges before values, fonts before sizes.
const AttrInfo* attributeTable(int* count);
const AttrInfo* attributeInfo(int id);
const AttrInfo* attributeByName(const std::string& name);

inline unsigned kindBit(int kind) {
    return 1u << kind;
}

}  // namespace ui
