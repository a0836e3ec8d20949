// SPDX-License-Identifier: MIT
// A window placed beside another: on the side with room, on the other's
// screen, wholly, frame and all.
#include <QApplication>
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

void fitOnScreen(Panel& panel) {
    QWidget& window = *panel.window;
    const QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    screen = screen ? screen : window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QWidget* other = QApplication::activeWindow();
    const QMargins frame = FrameOf(window, other ? *other : window);
    const QSize size = window.size().boundedTo(area.size().shrunkBy(frame));
    const QSize outer = size.grownBy(frame);
    panel.attributes[ATTR_LEFT] =
        Within(window.x() - frame.left(), area.left(), area.width(), outer.width()) + frame.left();
    panel.attributes[ATTR_TOP] =
        Within(window.y() - frame.top(), area.top(), area.height(), outer.height()) + frame.top();
    takeWindowSize(panel, size);
    placeWindow(panel);
}

void takeWindowSize(Panel& panel, QSize size) {
    if (size == QSize(std::get<int>(panel.attributes[ATTR_WIDTH]),
                      std::get<int>(panel.attributes[ATTR_HEIGHT]))) {
        return;
    }
    panel.attributes[ATTR_WIDTH] = size.width();
    panel.attributes[ATTR_HEIGHT] = size.height();
    raisePanelEvent(panel.handle, 0, EVENT_PANEL_SIZE, size.height(), size.width());
}

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
