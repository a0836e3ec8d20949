// SPDX-License-Identifier: MIT
// A text that can be drawn in a font other than its own, fitted to the room
// it has, while its own font, text and size hint stay as they were set.
#pragma once

#include <QLabel>
#include <QVector>

#include <optional>

namespace ui {

class FittingLabel : public QLabel {
    Q_OBJECT

  public:
    // Plain text: what a program shows in a label is never taken for markup.
    explicit FittingLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

    // Draws in font from now on; drawInOwnFont() goes back.
    void drawIn(const QFont& font);
    void drawInOwnFont();
    QFont drawnFont() const { return drawn_.value_or(font()); }

    // QLabel measures its text again whenever it is moved or resized; the
    // texts are placed on every change of any of them, so the size is kept
    // until the text or the font changes. In a fixed-pitch font a new text
    // whose lines have the same lengths and end characters keeps it too: a
    // report rewritten on every step of a drag is not measured each time.
    QSize sizeHint() const override;

    // Where the lines of text lie, one rectangle a line, in this widget's
    // coordinates: the ink a backdrop must keep clear. Kept as the size is.
    QVector<QRect> lineRects() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // What a measurement was taken of; in a fixed-pitch font, the cell shape
    // of its text too.
    struct Measured {
        QString text;
        QString shape;
        QFont font;
        QRect box;
        int flags = 0;
        bool valid = false;
    };
    // Whether a measurement holds for the text as it is now in this font,
    // room and flags; it is brought up to date when a text of the same cell
    // shape replaced the one measured.
    bool holds(Measured& measured, const QFont& font, const QRect& box, int flags) const;
    Measured measuredNow(const QFont& font, const QRect& box, int flags) const;
    int drawFlags() const;

    std::optional<QFont> drawn_;
    mutable Measured hintOf_;
    mutable QSize hint_;
    mutable Measured rectsOf_;
    mutable QVector<QRect> rects_;
};

}  // namespace ui
