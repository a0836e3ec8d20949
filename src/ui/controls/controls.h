// What the control files share: reading a control's stored attributes,
// applying one without the caller's checks, and placing and ordering
// controls. Internal to src/ui.
#pragma once

#include <QColor>
#include <QRect>

#include "model/model.h"

namespace ui {

// A stored attribute, or the fallback when it was never set.
template <typename T>
T attributeOr(const Control& c, int attribute, T fallback) {
    auto it = c.attributes.find(attribute);
    return it == c.attributes.end() ? fallback : std::get<T>(it->second);
}

inline QColor rgbColor(int rgb) {
    return rgb == VAL_TRANSPARENT ? QColor(Qt::transparent) : QColor(QRgb(rgb));
}

// Applies an attribute already checked against the control's kind and the
// value's type, and stores it.
int applyAttribute(Panel& panel, Control& c, int attribute, const AttrValue& value);

// A table control's widget: read-only cells, heads on both sides.
QWidget* makeTable(QWidget* parent);

// Where a control and its caption go by their attributes: text messages grow
// to fit their text, a caption takes its text's size.
struct Placement {
    QRect widget;
    QRect label;
};
Placement placement(const Control& control);

// Puts a control and its caption where placement says.
void layout(Control& control);

// Moves a control to a place in one of the panel's orders (clamped to the
// ends) and re-applies that order.
void moveInOrder(Panel& panel, int control, int attribute, int position);

// Re-stacks widgets and re-chains focus after the orders changed.
void applyFrontToBack(Panel& panel);
void applyTabOrder(Panel& panel);

}  // namespace ui
