#include "fitting_label.h"

#include <QPainter>
#include <QStyle>

namespace ui {

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

QSize FittingLabel::sizeHint() const {
    if (!hint_.isValid() || hintText_ != text() || hintFont_ != font()) {
        hint_ = QLabel::sizeHint();
        hintText_ = text();
        hintFont_ = font();
    }
    return hint_;
}

int FittingLabel::drawFlags() const {
    // A caption with a buddy shows its mnemonic, as QLabel does.
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) |
           (buddy() ? Qt::TextShowMnemonic : 0);
}

QVector<QRect> FittingLabel::lineRects() const {
    const QFontMetrics metrics(drawnFont());
    const QString shown = buddy() ? QString(text()).remove('&') : text();
    const QRect block = metrics.boundingRect(contentsRect(), drawFlags(), text());
    const QStringList lines = shown.split('\n');
    const int lineHeight = block.height() / static_cast<int>(lines.size());
    QVector<QRect> rects;
    for (int i = 0; i < lines.size(); ++i) {
        const int width = metrics.horizontalAdvance(lines[i]);
        const int left = alignment() & Qt::AlignRight     ? block.right() + 1 - width
                         : alignment() & Qt::AlignHCenter ? block.center().x() - width / 2
                                                          : block.left();
        rects.append(QRect(left, block.top() + i * lineHeight, width, lineHeight));
    }
    return rects;
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
