// SPDX-License-Identifier: MIT
#include "widgets/announce.h"

#include <QAccessible>
#include <QWidget>

namespace ui {

void announceValue(QWidget* widget, double value) {
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, value);
        QAccessible::updateAccessibility(&event);
    }
}

void announceText(QWidget* widget, const QString& before, const QString& after) {
    if (QAccessible::isActive() && before != after) {
        QAccessibleTextUpdateEvent event(widget, 0, before, after);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace ui
