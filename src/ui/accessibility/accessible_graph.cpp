// SPDX-License-Identifier: MIT
// The graph for assistive technology: a slider whose value is where the
// active cursor stands along x, read as the axis reads (times its gain). Its description is the
// control's own, often a text message that reports on the cursor's position.
#include <cmath>

#include "accessibility/accessible_interfaces.h"
#include "ui/userint.h"
#include "widgets/graph/graph_widget.h"

namespace ui {

AccessibleGraph::AccessibleGraph(GraphWidget* graph)
    : QAccessibleWidget(graph, QAccessible::Slider) {}

GraphWidget* AccessibleGraph::graph() const {
    return static_cast<GraphWidget*>(widget());
}

void* AccessibleGraph::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleGraph::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return QString::number(currentValue().toDouble(), 'g', 6);
    }
    return QAccessibleWidget::text(t);
}

QVariant AccessibleGraph::currentValue() const {
    const int index = graph()->activeCursor();
    return index < 0 ? 0.0 : graph()->cursor(index).x * graph()->xGain();
}

void AccessibleGraph::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double x = value.toDouble(&ok);
    if (ok) {
        graph()->moveActiveCursorTo(x / graph()->xGain());
    }
}

QVariant AccessibleGraph::maximumValue() const {
    return graph()->visibleScale(VAL_XAXIS).max * graph()->xGain();
}

QVariant AccessibleGraph::minimumValue() const {
    return graph()->visibleScale(VAL_XAXIS).min * graph()->xGain();
}

// What one arrow key moves.
QVariant AccessibleGraph::minimumStepSize() const {
    const AxisScale x = Scaled(graph()->visibleScale(VAL_XAXIS), graph()->xGain());
    return (x.max - x.min) / 100;
}

}  // namespace ui
