// SPDX-License-Identifier: MIT
// The factory that hands Qt the runtime's own interfaces.
#include "accessibility/accessible.h"

#include <QAccessible>

#include "accessibility/accessible_interfaces.h"
#include "widgets/bands/band_chart_widget.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/numeric_field.h"
#include "widgets/text/text_message.h"

namespace ui {
namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(NumericField::staticMetaObject.className())) {
        return new AccessibleNumericField(static_cast<NumericField*>(object));
    }
    if (className == QLatin1String(GraphWidget::staticMetaObject.className())) {
        return new AccessibleGraph(static_cast<GraphWidget*>(object));
    }
    if (className == QLatin1String(BandChartWidget::staticMetaObject.className())) {
        return new AccessibleBandChart(static_cast<BandChartWidget*>(object));
    }
    if (className == QLatin1String(TextMessage::staticMetaObject.className())) {
        return new AccessibleTextMessage(static_cast<TextMessage*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(Factory);
}

}  // namespace ui
