// SPDX-License-Identifier: MIT
// Graph operations: axes, plots and cursors.
#include "layout/text_layout.h"
#include "model/model.h"
#include "widgets/graph/graph_widget.h"

using namespace ui;

namespace {

int FindGraph(int panel, int control, GraphWidget** graph) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    *graph = qobject_cast<GraphWidget*>(c->widget);
    if (*graph == nullptr) {
        return fail(UIEBadControlId, "control " + std::to_string(control) + " is no graph");
    }
    return 0;
}

int FindAxis(int panel, int control, int axis, GraphWidget** graph) {
    if (int status = FindGraph(panel, control, graph); status < 0) {
        return status;
    }
    if (axis < VAL_XAXIS || axis > VAL_RIGHT_YAXIS) {
        return fail(UIEBadValue, "unknown axis " + std::to_string(axis));
    }
    return 0;
}

// Cursors are numbered from 1.
int FindCursor(int panel, int control, int cursor, GraphWidget** graph) {
    if (int status = FindGraph(panel, control, graph); status < 0) {
        return status;
    }
    if (cursor < 1 || cursor > (*graph)->cursorCount()) {
        return fail(UIEBadValue, "no cursor " + std::to_string(cursor));
    }
    return 0;
}

// Texts on a plot are placed inside it; a change of plots or axes that moves
// the plot's edges (wider tick labels) places them again.
void KeepTextsOnPlot(int panel, int control, const QRectF& before) {
    Panel* p;
    Control* c;
    if (lookup(panel, control, &p, &c) == 0 &&
        static_cast<GraphWidget*>(c->widget)->plotArea() != before) {
        relayout(*p, *c);
    }
}

}  // namespace

int SetAxisScalingMode(int panel, int graph, int axis, int mode, double min, double max) {
    GraphWidget* g;
    if (int status = FindAxis(panel, graph, axis, &g); status < 0) {
        return status;
    }
    if ((mode != VAL_MANUAL && mode != VAL_AUTOSCALE) || !(min < max)) {
        return fail(UIEBadValue, "an axis range needs min < max");
    }
    const QRectF before = g->plotArea();
    g->setAxis(axis, {mode, min, max});
    KeepTextsOnPlot(panel, graph, before);
    return 0;
}

int GetAxisScalingMode(int panel, int graph, int axis, int* mode, double* min, double* max) {
    GraphWidget* g;
    if (int status = FindAxis(panel, graph, axis, &g); status < 0) {
        return status;
    }
    const GraphWidget::Axis a = g->axis(axis);
    *mode = a.mode;
    *min = a.min;
    *max = a.max;
    return 0;
}

int GetAxisRange(int panel, int graph, int axis, double* min, double* max) {
    GraphWidget* g;
    if (int status = FindAxis(panel, graph, axis, &g); status < 0) {
        return status;
    }
    const AxisScale scale = g->visibleScale(axis);
    *min = scale.min;
    *max = scale.max;
    return 0;
}

int PlotLine(int panel, int graph, double x1, double y1, double x2, double y2, int color) {
    GraphWidget* g;
    if (int status = FindGraph(panel, graph, &g); status < 0) {
        return status;
    }
    const QRectF before = g->plotArea();
    const int plot = g->addLine(x1, y1, x2, y2, QColor(QRgb(color)));
    KeepTextsOnPlot(panel, graph, before);
    return plot;
}

// The plot is removed and the graph redrawn at once, whatever refresh says.
int DeleteGraphPlot(int panel, int graph, int plot, int) {
    GraphWidget* g;
    if (int status = FindGraph(panel, graph, &g); status < 0) {
        return status;
    }
    const QRectF before = g->plotArea();
    if (plot == -1) {
        g->deleteAllPlots();
    } else if (!g->deletePlot(plot)) {
        return fail(UIEBadValue, "no plot " + std::to_string(plot));
    }
    KeepTextsOnPlot(panel, graph, before);
    return 0;
}

int GetGraphCursor(int panel, int graph, int cursor, double* x, double* y) {
    GraphWidget* g;
    if (int status = FindCursor(panel, graph, cursor, &g); status < 0) {
        return status;
    }
    *x = g->cursor(cursor - 1).x;
    *y = g->cursor(cursor - 1).y;
    return 0;
}

int SetGraphCursor(int panel, int graph, int cursor, double x, double y) {
    GraphWidget* g;
    if (int status = FindCursor(panel, graph, cursor, &g); status < 0) {
        return status;
    }
    g->moveCursor(cursor - 1, x, y);
    return 0;
}

int SetCursorAttribute(int panel, int graph, int cursor, int attribute, int value) {
    GraphWidget* g;
    if (int status = FindCursor(panel, graph, cursor, &g); status < 0) {
        return status;
    }
    GraphWidget::Cursor& c = g->cursor(cursor - 1);
    switch (attribute) {
        case ATTR_CURSOR_COLOR:
            c.color = QColor(QRgb(value));
            break;
        case ATTR_CURSOR_YAXIS:
            if (value != VAL_LEFT_YAXIS && value != VAL_RIGHT_YAXIS) {
                return fail(UIEBadValue, "a cursor follows the left or the right y axis");
            }
            c.yAxis = value;
            break;
        case ATTR_CURSOR_ENABLED:
            c.enabled = value != 0;
            break;
        case ATTR_CURSOR_MODE:
            if (value != VAL_FREE_FORM) {
                return fail(UIEBadValue, "cursors move freely");
            }
            break;
        default:
            return fail(UIEBadAttribute, "no cursor attribute " + std::to_string(attribute));
    }
    g->moveCursor(cursor - 1, c.x, c.y);
    return 0;
}

int GetCursorAttribute(int panel, int graph, int cursor, int attribute, int* value) {
    GraphWidget* g;
    if (int status = FindCursor(panel, graph, cursor, &g); status < 0) {
        return status;
    }
    const GraphWidget::Cursor& c = g->cursor(cursor - 1);
    switch (attribute) {
        case ATTR_CURSOR_COLOR:
            *value = static_cast<int>(c.color.rgb() & 0xFFFFFF);
            return 0;
        case ATTR_CURSOR_YAXIS:
            *value = c.yAxis;
            return 0;
        case ATTR_CURSOR_ENABLED:
            *value = c.enabled;
            return 0;
        case ATTR_CURSOR_MODE:
            *value = VAL_FREE_FORM;
            return 0;
        default:
            return fail(UIEBadAttribute, "no cursor attribute " + std::to_string(attribute));
    }
}
