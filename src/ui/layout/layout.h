// SPDX-License-Identifier: MIT
// Where a control and its caption go, and the stacking and tab orders of a
// panel's controls. Internal to src/ui.
#pragma once

#include <QRect>

#include "model/model.h"

namespace ui {

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
