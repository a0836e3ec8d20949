// SPDX-License-Identifier: MIT
// A band chart for assistive technology: a chart whose name carries the mark
// the keys last reached, and whose description is the control's own text
// equivalent of the picture.
#include "accessibility/accessible_interfaces.h"
#include "widgets/bands/band_chart_widget.h"

namespace ui {

AccessibleBandChart::AccessibleBandChart(BandChartWidget* chart)
    : QAccessibleWidget(chart, QAccessible::Chart) {}

QString AccessibleBandChart::text(QAccessible::Text t) const {
    const QString own = QAccessibleWidget::text(t);
    const auto* chart = static_cast<const BandChartWidget*>(widget());
    const int mark = chart->currentMark();
    if (t != QAccessible::Name || mark < 0) {
        return own;
    }
    return own + ": " +
           QString::fromStdString(chart->chart().marks[static_cast<std::size_t>(mark)].tip);
}

}  // namespace ui
