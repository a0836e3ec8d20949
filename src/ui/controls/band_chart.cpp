// SPDX-License-Identifier: MIT
// A band chart control's content.
#include "controls/controls.h"
#include "widgets/bands/band_chart_widget.h"

using namespace ui;

int SetBandChart(int panel, int control, const BandChart& chart) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    if (c->kind != CTRL_BAND_CHART) {
        return fail(UIEBadControlId, "control " + std::to_string(control) + " is no band chart");
    }
    static_cast<BandChartWidget*>(c->widget)->setChart(chart);
    return 0;
}
