// SPDX-License-Identifier: MIT
// A numeric field that accepts whatever the user types and settles it on
// commit: out-of-range numbers become the nearer bound, text that is no finite
// number brings the last value back. Decimals are display only; the value keeps the
// full precision of its data type.
//
// Out of editing the field shows its whole value: with fewer decimals, then in
// a smaller font, when the value is too wide for it. While the user edits, the
// text has all its decimals and scrolls as a line edit does.
#pragma once

#include <QAbstractSpinBox>

#include <limits>
#include <optional>

namespace ui {

class NumericField : public QAbstractSpinBox {
    Q_OBJECT

  public:
    explicit NumericField(QWidget* parent);

    void setDataType(int type);  // VAL_INTEGER, VAL_FLOAT or VAL_DOUBLE
    int dataType() const { return type_; }
    void setMinimum(double min);
    void setMaximum(double max);
    void setCoerce(bool coerce);
    void setStep(double step) { step_ = step; }
    double minimum() const { return min_; }
    double maximum() const { return max_; }
    double step() const { return step_; }
    void setPrecision(int decimals);
    void setIndicator(bool indicator);
    void setFrameColor(QColor color);

    // The program's write: settled like a typed value, no event; what the
    // field refuses (accepted()) is ignored.
    void setValue(double value);
    double value() const { return value_; }
    // A value the user gave other than by typing (assistive technology):
    // settled and committed.
    void commitValue(double value);

    void stepBy(int steps) override;
    // Commits what the user typed, if anything is still uncommitted.
    void commitEdit();

    // While held, the value is not fitted to the field; on release it is,
    // once. A panel being loaded sets a field's font, range, precision and
    // size one by one.
    void holdFitting(bool hold);

  signals:
    // The user confirmed a value: Enter, leaving after an edit, or a step.
    void committed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    StepEnabled stepEnabled() const override;

  private:
    double settle(double value) const;  // range rule, then the data type
    // The value the field takes for value, none when it refuses it. An input
    // field holds finite numbers only: NaN, an infinity, or a number that
    // becomes one in the data type (1e39 as a float) leaves it as it was. An
    // indicator shows an infinite result as it is.
    std::optional<double> accepted(double value) const;
    void resettle();
    void show();
    QString text(int decimals) const;
    void showFitted();
    void startEditing();
    bool takeTypedValue();  // false when the text is no number
    void commitTyped();

    double value_ = 0.0;
    double min_ = -std::numeric_limits<double>::infinity();
    double max_ = std::numeric_limits<double>::infinity();
    double step_ = 1.0;
    int precision_ = 2;
    int type_ = 0;
    bool coerce_ = true;
    bool edited_ = false;   // typed into since the last commit
    bool editing_ = false;  // showing the text as typed, all decimals
    bool fittingHeld_ = false;
    double announced_ = std::numeric_limits<double>::quiet_NaN();  // to assistive technology
    QColor frameColor_{Qt::gray};
    // What the display was last fitted from and to: a recomputation writes
    // many results that did not change, and measuring text is dear.
    struct Fitted {
        double value;
        int decimals;
        int room;
        QFont font;
        QString shown;
        QFont drawn;
    };
    std::optional<Fitted> fitted_;
};

}  // namespace ui
