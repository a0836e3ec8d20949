// SPDX-License-Identifier: MIT
// What the control files share: applying an attribute without the caller's
// checks, descriptions, tooltips and pictures. Internal to src/ui.
#pragma once

#include <QColor>

#include "layout/layout.h"
#include "model/model.h"

namespace ui {

inline QColor rgbColor(int rgb) {
    return rgb == VAL_TRANSPARENT ? QColor(Qt::transparent) : QColor(QRgb(rgb));
}

// Applies an attribute already checked against the control's kind and the
// value's type, and stores it.
int applyAttribute(Panel& panel, Control& c, int attribute, const AttrValue& value);

// A table control's widget: read-only cells, heads on both sides.
QWidget* makeTable(QWidget* parent);

// A control's accessible description follows its own attribute, else the
// text of the text message that describes it.
void refreshDescriptions(Panel& panel);

// Attributes that any control kind takes beside its own: tooltip, selectable text.
void applyCommonExtra(Control& control, int attribute, const AttrValue& value);

// Puts a new image into a picture control; kept in the control for saving.
void setPicture(Control& control, const Bitmap& bitmap);
QImage pictureOf(const Control& control);

}  // namespace ui
