#include "numeric_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "accessible.h"
#include "ui/userint.h"

namespace ui {

// QAbstractSpinBox, unlike QDoubleSpinBox, accepts every keystroke: the text
// is judged only when it is committed.
NumericField::NumericField(QWidget* parent) : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKeyboardTracking(false);
    setDataType(VAL_DOUBLE);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void NumericField::setDataType(int type) {
    type_ = type;
    resettle();
}

void NumericField::setMinimum(double min) {
    min_ = min;
    resettle();
}

void NumericField::setMaximum(double max) {
    max_ = max;
    resettle();
}

void NumericField::setCoerce(bool coerce) {
    coerce_ = coerce;
    resettle();
}

// The value again under changed rules: a new type or range may move it.
void NumericField::resettle() {
    value_ = settle(value_);
    show();
}

void NumericField::setPrecision(int decimals) {
    precision_ = decimals;
    show();
}

void NumericField::setIndicator(bool indicator) {
    setReadOnly(indicator);
    setButtonSymbols(indicator ? NoButtons : UpDownArrows);
    setFocusPolicy(indicator ? Qt::NoFocus : Qt::WheelFocus);
}

void NumericField::setFrameColor(QColor color) {
    frameColor_ = color;
    update();
}

void NumericField::paintEvent(QPaintEvent* event) {
    QAbstractSpinBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : frameColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void NumericField::setValue(double value) {
    if (std::isnan(value)) {
        return;
    }
    value_ = settle(value);
    edited_ = false;
    show();
}

double NumericField::settle(double value) const {
    if (coerce_) {
        if (value < min_) {
            value = min_;
        }
        if (value > max_) {
            value = max_;
        }
    }
    switch (type_) {
        case VAL_INTEGER: {
            // Saturate rather than overflow: the field holds a 32-bit int.
            const double rounded = std::nearbyint(value);
            if (rounded >= INT32_MAX) {
                return INT32_MAX;
            }
            if (rounded <= INT32_MIN) {
                return INT32_MIN;
            }
            return rounded;
        }
        case VAL_FLOAT:
            return static_cast<float>(value);
        default:
            return value;
    }
}

void NumericField::show() {
    const QString text = type_ == VAL_INTEGER ? QString::number(static_cast<qint64>(value_))
                                              : QString::number(value_, 'f', precision_);
    lineEdit()->setText(text);
    if (value_ != announced_) {  // a recomputation rewrites results that did not change
        announced_ = value_;
        announceValue(this, value_);
    }
}

bool NumericField::takeTypedValue() {
    const QByteArray text = lineEdit()->text().trimmed().toUtf8();
    if (text.isEmpty()) {
        return false;
    }
    // The process keeps the C numeric locale, so a decimal point is a point.
    char* end = nullptr;
    const double typed = std::strtod(text.constData(), &end);
    if (end == text.constData() || *end != '\0' || std::isnan(typed)) {
        return false;
    }
    value_ = settle(typed);
    return true;
}

void NumericField::commitTyped() {
    const bool accepted = takeTypedValue();
    edited_ = false;
    show();
    if (accepted) {
        emit committed();
    }
}

void NumericField::commitValue(double value) {
    if (isReadOnly() || std::isnan(value)) {
        return;
    }
    setValue(value);
    emit committed();
}

// With nothing selected there is nothing to copy, so the copy key is left to
// the window's shortcuts.
bool NumericField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !lineEdit()->hasSelectedText()) {
        event->ignore();
        return false;
    }
    return QAbstractSpinBox::event(event);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!isReadOnly() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        commitTyped();
    } else if (key == Qt::Key_Escape && edited_) {
        edited_ = false;  // the typing is dropped: the committed value again
        show();
    } else {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    lineEdit()->selectAll();
    event->accept();
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    if (edited_) {
        commitTyped();
    }
    QAbstractSpinBox::focusOutEvent(event);
}

void NumericField::stepBy(int steps) {
    if (isReadOnly()) {
        return;
    }
    if (edited_) {
        takeTypedValue();
        edited_ = false;
    }
    const double before = value_;
    value_ = settle(value_ + steps * step_);
    show();
    if (value_ != before) {
        emit committed();
    }
}

QAbstractSpinBox::StepEnabled NumericField::stepEnabled() const {
    if (isReadOnly()) {
        return StepNone;
    }
    StepEnabled enabled = StepNone;
    if (!coerce_ || value_ < max_) {
        enabled |= StepUpEnabled;
    }
    if (!coerce_ || value_ > min_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace ui
