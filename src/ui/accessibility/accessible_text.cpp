// SPDX-License-Identifier: MIT
// Text messages for assistive technology: Qt's label interface has a name but
// no text interface, so a long multi-line message could only be heard whole.
#include <algorithm>

#include "accessibility/accessible_interfaces.h"
#include "widgets/text/text_message.h"

namespace ui {

AccessibleTextMessage::AccessibleTextMessage(TextMessage* message)
    : QAccessibleWidget(message, QAccessible::StaticText) {}

QString AccessibleTextMessage::content() const {
    return static_cast<TextMessage*>(widget())->text();
}

void* AccessibleTextMessage::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleTextMessage::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QString AccessibleTextMessage::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return content();
    }
    return QAccessibleWidget::text(t);
}

void AccessibleTextMessage::selection(int, int* start, int* end) const {
    const auto* message = static_cast<TextMessage*>(widget());
    *start = std::max(0, message->selectionStart());
    *end = *start + static_cast<int>(message->selectedText().size());
}

int AccessibleTextMessage::selectionCount() const {
    return static_cast<TextMessage*>(widget())->hasSelectedText() ? 1 : 0;
}

QString AccessibleTextMessage::text(int start, int end) const {
    const QString all = content();
    if (end < 0 || end > all.size()) {
        end = all.size();
    }
    return start < 0 || start >= end ? QString() : all.mid(start, end - start);
}

int AccessibleTextMessage::characterCount() const {
    return content().size();
}

QString AccessibleTextMessage::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return QString();
}

}  // namespace ui
