// SPDX-License-Identifier: MIT
// Numeric fields for assistive technology: Qt's own spin box interface reads
// properties this field does not have, and knows nothing of indicators.
#include <QLineEdit>

#include "accessibility/accessible_interfaces.h"
#include "widgets/numeric_field.h"

namespace ui {

AccessibleNumericField::AccessibleNumericField(NumericField* field)
    : QAccessibleWidget(field, QAccessible::SpinBox) {}

NumericField* AccessibleNumericField::field() const {
    return static_cast<NumericField*>(widget());
}

QLineEdit* AccessibleNumericField::editor() const {
    return field()->findChild<QLineEdit*>();
}

void* AccessibleNumericField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleNumericField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !field()->isReadOnly();
    return state;
}

QString AccessibleNumericField::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return editor()->text();
    }
    return QAccessibleWidget::text(t);
}

QVariant AccessibleNumericField::currentValue() const {
    return field()->value();
}

void AccessibleNumericField::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok) {
        field()->commitValue(number);
    }
}

QVariant AccessibleNumericField::maximumValue() const {
    return field()->maximum();
}

QVariant AccessibleNumericField::minimumValue() const {
    return field()->minimum();
}

QVariant AccessibleNumericField::minimumStepSize() const {
    return field()->isReadOnly() ? 0.0 : field()->step();
}

// ---- the editor's text ------------------------------------------------------
// Qt gives a spin box's editor no interface of its own, so the field speaks
// for it.

void AccessibleNumericField::selection(int index, int* start, int* end) const {
    const QLineEdit* e = editor();
    *start = *end = 0;
    if (index == 0 && e->hasSelectedText()) {
        *start = e->selectionStart();
        *end = *start + e->selectionLength();
    }
}

int AccessibleNumericField::selectionCount() const {
    return editor()->hasSelectedText() ? 1 : 0;
}

void AccessibleNumericField::addSelection(int start, int end) {
    setSelection(0, start, end);
}

void AccessibleNumericField::removeSelection(int) {
    editor()->deselect();
}

void AccessibleNumericField::setSelection(int, int start, int end) {
    editor()->setSelection(start, end - start);
}

int AccessibleNumericField::cursorPosition() const {
    return editor()->cursorPosition();
}

void AccessibleNumericField::setCursorPosition(int position) {
    editor()->setCursorPosition(position);
}

// -1 as the end means the whole text, as it does to assistive technology.
QString AccessibleNumericField::text(int start, int end) const {
    const QString all = editor()->text();
    if (end < 0 || end > all.size()) {
        end = static_cast<int>(all.size());
    }
    return start < 0 || start >= end ? QString() : all.mid(start, end - start);
}

int AccessibleNumericField::characterCount() const {
    return static_cast<int>(editor()->text().size());
}

QRect AccessibleNumericField::characterRect(int) const {
    return {};
}

int AccessibleNumericField::offsetAtPoint(const QPoint& point) const {
    return editor()->cursorPositionAt(editor()->mapFromGlobal(point));
}

void AccessibleNumericField::scrollToSubstring(int, int) {}

QString AccessibleNumericField::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return QString();
}

}  // namespace ui
