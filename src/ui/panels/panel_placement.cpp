// SPDX-License-Identifier: MIT
// A window placed beside another: on the side with room, on the other's
// screen, wholly, frame and all.
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "panels/panels.h"
#include "popups/popup_place.h"

namespace ui {
namespace {

// The left edge of a window this wide beside `next` on `area`: right of it if
// it fits there, else left of it, else wherever on the area it overlaps
// least, on the side with more room.
int BesideLeft(const QRect& next, const QRect& area, int width, int gap) {
    const int right = area.right() - next.right() - gap;
    const int left = next.left() - area.left() - gap;
    if (width <= right) {
        return next.right() + 1 + gap;
    }
    if (width <= left) {
        return next.left() - gap - width;
    }
    return right >= left ? area.right() + 1 - width : area.left();
}

}  // namespace
}  // namespace ui

using namespace ui;

int PlacePanelBeside(int panel, int beside, int gap) {
    Panel* p;
    Panel* b;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (int status = lookupPanel(beside, &b); status < 0) {
        return status;
    }
    if (!p->window || !b->window || panel == beside || gap < 0) {
        return fail(UIEBadValue, "only a window goes beside another window");
    }
    const QWidget& window = *p->window;
    const QWidget& other = *b->window;
    if (other.screen() == nullptr) {
        return fail(UIENotInitialized, "no screen to place a window on");
    }
    QRect area = other.screen()->availableGeometry();
    // At a fractional scale the screen's size in these units is rounded, and
    // its last one may end past its last device pixel.
    const qreal ratio = other.screen()->devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        area.adjust(0, 0, -1, -1);
    }
    const QMargins frame = FrameOf(window, other);
    const QSize outer = window.size().grownBy(frame);
    const QRect next = other.frameGeometry();
    const int left = Within(BesideLeft(next, area, outer.width(), gap), area.left(), area.width(),
                            outer.width());
    const int top = Within(next.top(), area.top(), area.height(), outer.height());
    p->attributes[ATTR_LEFT] = left + frame.left();
    p->attributes[ATTR_TOP] = top + frame.top();
    placeWindow(*p);
    return 0;
}
