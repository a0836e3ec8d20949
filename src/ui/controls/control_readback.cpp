// SPDX-License-Identifier: MIT
// Reading a control's attributes back: the orders, size and visibility from
// the live panel, the rest as last set, and a zero of the attribute's type
// for one never set.
#include <algorithm>

#include "controls/controls.h"

using namespace ui;

namespace {

// The attributes the panel itself keeps; false for the others.
bool LiveAttribute(const Panel& p, const Control& c, int attribute, AttrValue* value) {
    auto indexIn = [&](const std::vector<int>& order) {
        return static_cast<int>(std::find(order.begin(), order.end(), c.id) - order.begin());
    };
    switch (attribute) {
        case ATTR_ZPLANE_POSITION:
            *value = indexIn(p.frontToBack);
            return true;
        case ATTR_CTRL_TAB_POSITION:
            *value = indexIn(p.tabOrder);
            return true;
        case ATTR_WIDTH:
            *value = c.widget->width();
            return true;
        case ATTR_HEIGHT:
            *value = c.widget->height();
            return true;
        case ATTR_VISIBLE:
            *value = c.widget->isVisibleTo(p.widget) ? 1 : 0;
            return true;
        default:
            return false;
    }
}

AttrValue Unset(AttrType type) {
    switch (type) {
        case AttrType::Text:
            return std::string();
        case AttrType::Callback:
            return CtrlCallbackPtr{nullptr};
        case AttrType::Double:
            return 0.0;
        default:
            return 0;
    }
}

int GetAttribute(int panel, int control, int attribute, AttrValue* value) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    const AttrInfo* info = attributeInfo(attribute);
    if (info == nullptr || !(info->on & kindBit(c->kind))) {
        return fail(UIEBadAttribute, "attribute " + std::to_string(attribute) +
                                         " does not apply to control " + std::to_string(control));
    }
    if (LiveAttribute(*p, *c, attribute, value)) {
        return 0;
    }
    auto it = c->attributes.find(attribute);
    *value = it != c->attributes.end() ? it->second : Unset(info->type);
    return 0;
}

template <typename T>
int GetTyped(int panel, int control, int attribute, T* out) {
    AttrValue value;
    if (int status = GetAttribute(panel, control, attribute, &value); status < 0) {
        return status;
    }
    if constexpr (std::is_same_v<T, double>) {
        if (std::holds_alternative<int>(value)) {
            *out = std::get<int>(value);
            return 0;
        }
    }
    if (!std::holds_alternative<T>(value)) {
        return fail(UIEWrongType, "attribute " + std::to_string(attribute) + " has another type");
    }
    *out = std::get<T>(value);
    return 0;
}

}  // namespace

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value) {
    return GetTyped(panel, control, attribute, value);
}
