// SPDX-License-Identifier: MIT
// Where texts go on a panel: captions and text messages kept clear of the
// controls beside them, and each graph told which texts lie on its plot.
#pragma once

#include "model/model.h"

namespace ui {

// Lays the control out again; once the panel is shown, arranges its texts.
// Nothing while the panel is loading: it is laid out when complete.
void relayout(Panel& panel, Control& control);

// Puts every text of a shown panel back at its own place, then moves or fits
// each one that would reach another control: first into the room to its left,
// else drawn condensed or smaller, never cut. Controls hidden at that moment
// are not in the way.
void arrangeTexts(Panel& panel);

}  // namespace ui
