// Where a pop-up window goes so that it covers nothing of a given area: a
// panel, or a picture the pop-up explains.
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

// What the window system adds around a window's contents, as shown now.
QMargins FrameOf(const QWidget& window);

}  // namespace ui
