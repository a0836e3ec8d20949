// SPDX-License-Identifier: MIT
#include "popups/popup_place.h"

#include <QWidget>

#include <algorithm>
#include <array>

namespace ui {
namespace {

constexpr int kGap = 8;  // between the pop-up and what it keeps clear of

enum Side { kRight, kLeft, kBelow, kAbove };

// The part of the screen on one side of `keepClear`, the gap left out.
QRect Beside(const QRect& screen, const QRect& keepClear, Side side) {
    QRect part = screen;
    switch (side) {
        case kRight:
            part.setLeft(keepClear.right() + 1 + kGap);
            break;
        case kLeft:
            part.setRight(keepClear.left() - 1 - kGap);
            break;
        case kBelow:
            part.setTop(keepClear.bottom() + 1 + kGap);
            break;
        case kAbove:
            part.setBottom(keepClear.top() - 1 - kGap);
            break;
    }
    return part.intersected(screen);
}

// The pop-up, cut to the part, against the side of `keepClear` it faces.
QRect PlaceIn(const QRect& part, const QRect& keepClear, QSize size, Side side) {
    size = size.boundedTo(part.size());
    const int x = side == kRight ? part.left()
                  : side == kLeft
                      ? part.right() - size.width() + 1
                      : Within(keepClear.left(), part.left(), part.width(), size.width());
    const int y = side == kBelow ? part.top()
                  : side == kAbove
                      ? part.bottom() - size.height() + 1
                      : Within(keepClear.top(), part.top(), part.height(), size.height());
    return QRect(QPoint(x, y), size);
}

}  // namespace

PopupPlace PlaceClearOf(const QRect& screen, const QRect& keepClear, const QSize& size) {
    PopupPlace best{QRect(), false};
    long long shown = -1;
    for (Side side : std::array{kRight, kLeft, kBelow, kAbove}) {
        const QRect part = Beside(screen, keepClear, side);
        if (part.isEmpty()) {
            continue;
        }
        const QRect frame = PlaceIn(part, keepClear, size, side);
        if (frame.size() == size) {
            return {frame, true};
        }
        const long long area = static_cast<long long>(frame.width()) * frame.height();
        if (area > shown) {
            best = {frame, false};
            shown = area;
        }
    }
    return best;
}

QMargins FrameOf(const QWidget& window, const QWidget& other) {
    const QWidget& framed = window.frameGeometry() != window.geometry() ? window : other;
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

int Within(int start, int lo, int room, int length) {
    return std::max(lo, std::min(start, lo + room - length));
}

}  // namespace ui
