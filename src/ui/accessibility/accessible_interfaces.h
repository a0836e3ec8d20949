// SPDX-License-Identifier: MIT
// The runtime's accessibility interfaces; accessible.h says what they show.
// Internal to src/ui.
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace ui {

class BandChartWidget;
class GraphWidget;
class NumericField;
class TextMessage;

// A spin box whose value interface holds the field's own number, and whose
// text is the field's text. Indicators are read-only.
class AccessibleNumericField : public QAccessibleWidget,
                               public QAccessibleValueInterface,
                               public QAccessibleTextInterface {
  public:
    explicit AccessibleNumericField(NumericField* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }  // the editor is the field itself
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The text of the field's editor, with its selection and cursor.
    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int* start, int* end) const override;

  private:
    NumericField* field() const;
    QLineEdit* editor() const;
};

// A slider over the active cursor's x, in axis units, across the visible x range.
class AccessibleGraph : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleGraph(GraphWidget* graph);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    GraphWidget* graph() const;
};

// Static text that can be read as a whole or by character, word and line.
class AccessibleTextMessage : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleTextMessage(TextMessage* message);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // The line chosen, where the message chooses lines, or the text selected.
    void selection(int, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;

  private:
    QString content() const;
};

// A chart named by its control, the mark the keys last reached after it.
class AccessibleBandChart : public QAccessibleWidget {
  public:
    explicit AccessibleBandChart(BandChartWidget* chart);
    QString text(QAccessible::Text t) const override;
};

}  // namespace ui
