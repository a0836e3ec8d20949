// SPDX-License-Identifier: MIT
// Control geometry, stacking and tab order.
#include <QLabel>

#include <algorithm>

#include "layout/layout.h"

namespace ui {

Placement placement(const Control& c) {
    const bool fitsText = c.kind == CTRL_TEXT_MSG && attributeOr(c, ATTR_SIZE_TO_TEXT, 1);
    const bool needsHint = fitsText || c.width <= 0 || c.height <= 0;
    const QSize hint = needsHint ? c.widget->sizeHint() : QSize();
    int width = c.width > 0 ? c.width : hint.width();
    int height = c.height > 0 ? c.height : hint.height();
    if (fitsText) {
        width = std::max(width, hint.width());
        height = std::max(height, hint.height());
    }
    const int top = attributeOr(c, ATTR_TOP, 0);
    const int left = attributeOr(c, ATTR_LEFT, 0);
    Placement place{QRect(left, top, width, height), QRect()};
    if (c.label) {
        const QSize caption = c.label->sizeHint();
        place.label = QRect(QPoint(attributeOr(c, ATTR_LABEL_LEFT, left),
                                   attributeOr(c, ATTR_LABEL_TOP, top - caption.height())),
                            caption);
    }
    return place;
}

void layout(Control& c) {
    const Placement place = placement(c);
    c.widget->setGeometry(place.widget);
    if (c.label) {
        c.label->setGeometry(place.label);
    }
}

void moveInOrder(Panel& panel, int control, int attribute, int position) {
    std::vector<int>& order =
        attribute == ATTR_ZPLANE_POSITION ? panel.frontToBack : panel.tabOrder;
    order.erase(std::find(order.begin(), order.end(), control));
    const size_t at = std::min(static_cast<size_t>(std::max(position, 0)), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), control);
    if (attribute == ATTR_ZPLANE_POSITION) {
        applyFrontToBack(panel);
    } else {
        applyTabOrder(panel);
    }
}

void applyFrontToBack(Panel& panel) {
    for (auto it = panel.frontToBack.rbegin(); it != panel.frontToBack.rend(); ++it) {
        Control* c = panel.find(*it);
        c->widget->raise();
        if (c->label) {
            c->label->raise();
        }
    }
}

void applyTabOrder(Panel& panel) {
    QWidget* previous = nullptr;
    for (int id : panel.tabOrder) {
        QWidget* widget = panel.find(id)->widget;
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace ui
