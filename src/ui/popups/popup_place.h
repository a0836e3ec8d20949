// SPDX-License-Identifier: MIT
// Where a window goes beside another or clear of an area: a pop-up clear of
// a panel or of a picture it explains, and the frames windows get.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// The place for a pop-up whose window, frame included, is `size`, on the
// screen area `screen`, clear of `keepClear`: beside it on the first side
// that holds the pop-up whole (right, left, below, above), level with it as
// far as the screen lets. Where no side does, the side that shows most of
// it, the pop-up cut to that side; `whole` says which.
struct PopupPlace {
    QRect frame;  // the window, frame included
    bool whole;
};
PopupPlace PlaceClearOf(const QRect& screen, const QRect& keepClear, const QSize& size);

// What the window system adds around a window's contents; a window never
// shown yet has none so far, and will get what the other has.
QMargins FrameOf(const QWidget& window, const QWidget& other);

// The start of a stretch this long kept within [lo, lo + room), the start
// winning when it is too long.
int Within(int start, int lo, int room, int length);

}  // namespace ui
