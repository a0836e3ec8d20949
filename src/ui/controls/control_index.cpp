// SPDX-License-Identifier: MIT
// The item chosen in a control: a text message's line, a band chart's mark.
#include "controls/controls.h"
#include "widgets/bands/band_chart_widget.h"
#include "widgets/text/text_message.h"

using namespace ui;

namespace {

// The control's items and the one chosen, or a failure status.
int Items(int panel, int control, Control** c, int* count, int* chosen) {
    Panel* p;
    if (int status = lookup(panel, control, &p, c); status < 0) {
        return status;
    }
    if (auto* chart = qobject_cast<BandChartWidget*>((*c)->widget)) {
        *count = static_cast<int>(chart->chart().marks.size());
        *chosen = chart->currentMark();
        return 0;
    }
    if (auto* message = qobject_cast<TextMessage*>((*c)->widget)) {
        *count = message->lineCount();
        *chosen = message->selectedLine();
        return 0;
    }
    return fail(UIEBadControlId, "control " + std::to_string(control) + " has no items");
}

}  // namespace

int SetCtrlIndex(int panel, int control, int index) {
    Control* c;
    int count = 0, chosen = 0;
    if (int status = Items(panel, control, &c, &count, &chosen); status < 0) {
        return status;
    }
    if (index < -1 || index >= count) {
        return fail(UIEBadValue,
                    "control " + std::to_string(control) + " has no item " + std::to_string(index));
    }
    if (auto* chart = qobject_cast<BandChartWidget*>(c->widget)) {
        chart->setCurrentMark(index);
    } else {
        static_cast<TextMessage*>(c->widget)->selectLine(index);
    }
    return 0;
}

int GetCtrlIndex(int panel, int control, int* index) {
    Control* c;
    int count = 0;
    return Items(panel, control, &c, &count, index);
}
