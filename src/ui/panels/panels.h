// SPDX-License-Identifier: MIT
// What the panel files share: a window's place and what its close box and
// unclaimed clicks do. Internal to src/ui.
#pragma once

#include "model/model.h"

namespace ui {

// A panel's window put at the place and size its attributes give; a panel
// inside another is placed the same way in its parent.
void placeWindow(Panel& panel);
// A window's attributes take the place it is at now, where the user may
// have moved it.
void takeWindowPlace(Panel& panel);

// A window no larger than the free area of its screen, frame and all, and
// wholly on it; EVENT_PANEL_SIZE when its size changed.
void fitOnScreen(Panel& panel);
// A window's new size, the user's or fitOnScreen's, taken into its
// attributes and raised as EVENT_PANEL_SIZE; nothing when it is the same.
void takeWindowSize(Panel& panel, QSize size);

// What the close box does: raises the commit event of the panel's close
// control; false when it has none.
bool closePanel(int panel);

// The close box, right clicks, double clicks and menu keys of a panel's
// widget become the panel's events.
void raisePanelEvents(const Panel& panel);

}  // namespace ui
