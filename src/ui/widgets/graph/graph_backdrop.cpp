// SPDX-License-Identifier: MIT
// The plot's colour beneath the texts that lie on the plot.
#include <QPainter>

#include "widgets/graph/graph_widget.h"

namespace ui {

// A pixel of the plot's colour around each line of text, so that no line
// drawn beneath ends against a letter.
constexpr int kBackdropMargin = 2;

void GraphWidget::setTextsInFront(std::vector<QPointer<FittingLabel>> texts) {
    if (texts != textsInFront_) {
        textsInFront_ = std::move(texts);
        update();
    }
}

void GraphWidget::paintTextBackdrops(QPainter& painter, const QRectF& area) const {
    for (const QPointer<FittingLabel>& text : textsInFront_) {
        if (!text || !text->isVisible()) {
            continue;
        }
        const QPoint offset = text->geometry().topLeft() - geometry().topLeft();
        for (const QRect& line : text->lineRects()) {
            const QRectF backdrop = QRectF(line.translated(offset))
                                        .adjusted(-kBackdropMargin, 0, kBackdropMargin, 0)
                                        .intersected(area);
            painter.fillRect(backdrop, plotAreaColor_);
        }
    }
}

}  // namespace ui
