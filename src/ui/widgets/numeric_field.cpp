// SPDX-License-Identifier: MIT
#include "widgets/numeric_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "ui/userint.h"
#include "widgets/announce.h"
#include "widgets/text/text_fit.h"

namespace ui {

// QAbstractSpinBox, unlike QDoubleSpinBox, accepts every keystroke: the text
// is judged only when it is committed.
NumericField::NumericField(QWidget* parent) : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKeyboardTracking(false);
    setDataType(VAL_DOUBLE);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { edited_ = true; });
    lineEdit()->installEventFilter(this);
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
    const std::optional<double> held = accepted(value);
    if (!held) {
        return;
    }
    value_ = *held;
    edited_ = false;
    show();
}

std::optional<double> NumericField::accepted(double value) const {
    const double settled = settle(value);
    if (std::isnan(value) || (!isReadOnly() && !(std::isfinite(value) && std::isfinite(settled)))) {
        return std::nullopt;
    }
    return settled;
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

QString NumericField::text(int decimals) const {
    return type_ == VAL_INTEGER ? QString::number(static_cast<qint64>(value_))
                                : QString::number(value_, 'f', decimals);
}

void NumericField::show() {
    if (editing_) {
        lineEdit()->setFont(font());
        lineEdit()->setText(text(precision_));
    } else {
        showFitted();
    }
    if (value_ != announced_) {  // a recomputation rewrites results that did not change
        announced_ = value_;
        announceValue(this, value_);
    }
}

// A line edit keeps two pixels of margin on each side and one for its cursor.
constexpr int kLineEditMargins = 5;

void NumericField::holdFitting(bool hold) {
    fittingHeld_ = hold;
    if (!hold && !editing_) {
        showFitted();
    }
}

void NumericField::showFitted() {
    if (fittingHeld_) {
        return;
    }
    const int room = lineEdit()->width() - kLineEditMargins;
    const int most = type_ == VAL_INTEGER ? 0 : precision_;
    if (fitted_ && fitted_->value == value_ && fitted_->decimals == most && fitted_->room == room &&
        fitted_->font == font() && lineEdit()->text() == fitted_->shown &&
        lineEdit()->font() == fitted_->drawn && lineEdit()->cursorPosition() == 0) {
        return;
    }
    int decimals = most;
    QString shown = text(decimals);
    int width = textWidth(font(), shown);
    while (decimals > 0 && width > room) {
        shown = text(--decimals);
        width = textWidth(font(), shown);
    }
    lineEdit()->setFont(width <= room ? font() : fittingFont(font(), shown, room));
    lineEdit()->setText(shown);
    lineEdit()->setCursorPosition(0);  // what cannot fit at all still shows its leading digits
    fitted_ = Fitted{value_, most, room, font(), shown, lineEdit()->font()};
}

// From the fitted display to the text as the user edits it, keeping a
// selection of the whole text.
void NumericField::startEditing() {
    if (editing_ || isReadOnly()) {
        return;
    }
    const bool all = lineEdit()->selectedText() == lineEdit()->text();
    editing_ = true;
    show();
    if (all) {
        lineEdit()->selectAll();
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
    const std::optional<double> held = accepted(typed);
    if (end == text.constData() || *end != '\0' || !held) {
        return false;
    }
    value_ = *held;
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
    if (isReadOnly() || !accepted(value)) {
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
    if (!isReadOnly() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        editing_ = false;
        commitTyped();
        lineEdit()->selectAll();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && edited_) {
        edited_ = false;  // the typing is dropped: the committed value again
        show();
        lineEdit()->selectAll();
        event->accept();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            break;
        default:
            startEditing();
            break;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        startEditing();  // before the click places the cursor in the text
    }
    return QAbstractSpinBox::eventFilter(watched, event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
    startEditing();
    QAbstractSpinBox::focusInEvent(event);
}

void NumericField::commitEdit() {
    if (edited_) {
        commitTyped();
    }
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    commitEdit();
    QAbstractSpinBox::focusOutEvent(event);
    editing_ = false;
    show();
}

void NumericField::resizeEvent(QResizeEvent* event) {
    QAbstractSpinBox::resizeEvent(event);
    if (!editing_) {
        showFitted();
    }
}

void NumericField::changeEvent(QEvent* event) {
    QAbstractSpinBox::changeEvent(event);
    if (event->type() == QEvent::FontChange && !editing_) {
        showFitted();
    }
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
    value_ = accepted(value_ + steps * step_).value_or(value_);
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
