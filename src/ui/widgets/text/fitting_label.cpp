// SPDX-License-Identifier: MIT
#include "widgets/text/fitting_label.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>

namespace ui {
namespace {

// Whether a character takes one cell of a fixed-pitch font. Tabs, mnemonics,
// marks, wide characters and those a fallback font draws have widths of their
// own; Latin-1 letters and signs such as a superscript two are in the
// font's own cells when the font has them.
bool OneCell(QChar c, const QFontMetrics& metrics) {
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7E && c != '&') || (u >= 0xA1 && u <= 0xFF && metrics.inFont(c));
}

// What a text's measured size depends on in a fixed-pitch font when every
// character takes one cell: each line's length up to its last visible
// character, and its first and last characters, whose bearings may reach
// past their cells. Empty when some character does not take one cell or
// nothing is visible.
QString CellShape(const QString& text, const QFontMetrics& metrics) {
    QString shape;
    bool visible = false;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == ' ') {
            --end;
        }
        for (const QChar c : line) {
            if (!OneCell(c, metrics)) {
                return {};
            }
        }
        shape += QString::number(end);
        if (end > 0) {
            visible = true;
            shape += line[0];
            shape += line[end - 1];
        }
        shape += '\n';
    }
    return visible ? shape : QString();
}

}  // namespace

void FittingLabel::drawIn(const QFont& font) {
    if (font == this->font()) {
        drawInOwnFont();
        return;
    }
    if (drawn_ == font) {
        return;
    }
    drawn_ = font;
    update();
}

void FittingLabel::drawInOwnFont() {
    if (drawn_) {
        drawn_.reset();
        update();
    }
}

bool FittingLabel::holds(Measured& measured, const QFont& font, const QRect& box, int flags) const {
    if (!measured.valid || measured.font != font || measured.box != box ||
        measured.flags != flags) {
        return false;
    }
    if (measured.text == text()) {
        return true;
    }
    if (wordWrap() || measured.shape.isEmpty() ||
        CellShape(text(), QFontMetrics(font)) != measured.shape) {
        return false;
    }
    measured.text = text();
    return true;
}

FittingLabel::Measured FittingLabel::measuredNow(const QFont& font, const QRect& box,
                                                 int flags) const {
    const QString shape =
        QFontInfo(font).fixedPitch() ? CellShape(text(), QFontMetrics(font)) : QString();
    return {text(), shape, font, box, flags, true};
}

QSize FittingLabel::sizeHint() const {
    if (!holds(hintOf_, font(), QRect(), 0)) {
        hint_ = QLabel::sizeHint();
        hintOf_ = measuredNow(font(), QRect(), 0);
    }
    return hint_;
}

int FittingLabel::drawFlags() const {
    // A caption with a buddy shows its mnemonic, as QLabel does.
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) |
           (buddy() ? Qt::TextShowMnemonic : 0);
}

QVector<QRect> FittingLabel::lineRects() const {
    const QFont font = drawnFont();
    if (holds(rectsOf_, font, contentsRect(), drawFlags())) {
        return rects_;
    }
    const QFontMetrics metrics(font);
    const QString shown = buddy() ? QString(text()).remove('&') : text();
    const QRect block = metrics.boundingRect(contentsRect(), drawFlags(), text());
    const QStringList lines = shown.split('\n');
    const int lineHeight = block.height() / static_cast<int>(lines.size());
    rects_.clear();
    for (int i = 0; i < lines.size(); ++i) {
        const int width = metrics.horizontalAdvance(lines[i]);
        const int left = alignment() & Qt::AlignRight     ? block.right() + 1 - width
                         : alignment() & Qt::AlignHCenter ? block.center().x() - width / 2
                                                          : block.left();
        rects_.append(QRect(left, block.top() + i * lineHeight, width, lineHeight));
    }
    rectsOf_ = measuredNow(font, contentsRect(), drawFlags());
    return rects_;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    if (!drawn_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(*drawn_);
    style()->drawItemText(&painter, contentsRect(), drawFlags(), palette(), isEnabled(), text(),
                          foregroundRole());
}

}  // namespace ui
