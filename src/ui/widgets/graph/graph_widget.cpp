// SPDX-License-Identifier: MIT
#include "widgets/graph/graph_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "ui/userint.h"
#include "widgets/announce.h"

namespace ui {
namespace {

constexpr double kKeyStepFraction = 0.01;   // of the axis span, per arrow key press
constexpr double kPageStepFraction = 0.10;  // per Page Up or Page Down, as a slider does

double FromFraction(double f, const AxisScale& s) {
    return s.min + f * (s.max / 2 - s.min / 2) * 2;
}

double Clamp(double v, const AxisScale& s) {
    return std::isnan(v) ? s.min : std::clamp(v, s.min, s.max);
}

}  // namespace

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent) {
    for (Axis& a : axes_) {
        a = {VAL_AUTOSCALE, 0, 10};
    }
    setFocusPolicy(Qt::StrongFocus);
}

void GraphWidget::setPlotAreaColor(QColor color) {
    plotAreaColor_ = color;
    redrawAxes();
}

void GraphWidget::setGridColor(QColor color) {
    gridColor_ = color;
    redrawAxes();
}

void GraphWidget::setSurroundColor(QColor color) {
    surroundColor_ = color;
    redrawAxes();
}

void GraphWidget::setAxisNames(const QString& x, const QString& y) {
    xName_ = x;
    yName_ = y;
    redrawAxes();
}

void GraphWidget::setAxis(int axis, const Axis& settings) {
    axes_[axis] = settings;
    clampCursors();
    update();
}

void GraphWidget::setXGain(double gain) {
    xGain_ = gain;
    clampCursors();
    redrawAxes();
}

void GraphWidget::dataRange(int axis, double* lo, double* hi) const {
    *lo = INFINITY;
    *hi = -INFINITY;
    for (const auto& [plot, line] : lines_) {
        const double a = axis == VAL_XAXIS ? line.x1 : line.y1;
        const double b = axis == VAL_XAXIS ? line.x2 : line.y2;
        for (double v : {a, b}) {
            if (std::isfinite(v)) {
                *lo = std::min(*lo, v);
                *hi = std::max(*hi, v);
            }
        }
    }
}

AxisScale GraphWidget::visibleScale(int axis) const {
    const Axis& a = axes_[axis];
    const double gain = axis == VAL_XAXIS ? xGain_ : 1;
    // Plots lie on the left y axis; the right one keeps its manual range.
    if (a.mode == VAL_AUTOSCALE && axis != VAL_RIGHT_YAXIS) {
        double lo, hi;
        dataRange(axis, &lo, &hi);
        if (lo <= hi) {
            return Scaled(RoundScale(lo * gain, hi * gain), 1 / gain);
        }
    }
    return Scaled(FixedScale(a.min * gain, a.max * gain), 1 / gain);
}

int GraphWidget::addLine(double x1, double y1, double x2, double y2, QColor color) {
    const int plot = nextPlot_++;
    lines_[plot] = {x1, y1, x2, y2, color};
    clampCursors();
    update();
    return plot;
}

bool GraphWidget::deletePlot(int plot) {
    if (lines_.erase(plot) == 0) {
        return false;
    }
    clampCursors();
    update();
    return true;
}

void GraphWidget::deleteAllPlots() {
    lines_.clear();
    clampCursors();
    update();
}

void GraphWidget::setCursorCount(int count) {
    cursors_.resize(static_cast<size_t>(std::max(count, 0)));
    clampCursors();
    update();
}

void GraphWidget::moveCursor(int index, double x, double y) {
    Cursor& c = cursors_[index];
    const double before = c.x;
    c.x = Clamp(x, visibleScale(VAL_XAXIS));
    c.y = Clamp(y, visibleScale(c.yAxis));
    if (c.x != before && index == activeCursor()) {
        announceValue(this, c.x * xGain_);
    }
    update();
}

void GraphWidget::moveActiveCursorTo(double x) {
    const int index = activeCursor();
    if (index < 0 || std::isnan(x)) {
        return;
    }
    moveCursor(index, x, cursors_[index].y);
    emit cursorMoved(index);
}

void GraphWidget::clampCursors() {
    for (size_t i = 0; i < cursors_.size(); ++i) {
        moveCursor(static_cast<int>(i), cursors_[i].x, cursors_[i].y);
    }
}

int GraphWidget::activeCursor() const {
    for (size_t i = 0; i < cursors_.size(); ++i) {
        if (cursors_[i].enabled) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void GraphWidget::dragTo(QPointF point) {
    const int index = activeCursor();
    const QRectF area = plotArea();
    const double fx = (point.x() - area.left()) / area.width();
    const double fy = (area.bottom() - point.y()) / area.height();
    Cursor& c = cursors_[index];
    moveCursor(index, FromFraction(std::clamp(fx, 0.0, 1.0), visibleScale(VAL_XAXIS)),
               FromFraction(std::clamp(fy, 0.0, 1.0), visibleScale(c.yAxis)));
    moved_ = true;
    emit cursorMoved(index);
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || activeCursor() < 0 ||
        !plotArea().contains(event->position())) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    moved_ = false;
    dragTo(event->position());
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        dragTo(event->position());
    }
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    if (moved_) {
        emit cursorMoved(activeCursor());
    }
}

// Where Home, End, Page Up and Page Down take the cursor along x.
double GraphWidget::keyTarget(int key, double x) const {
    const AxisScale sx = visibleScale(VAL_XAXIS);
    double lo, hi;
    dataRange(VAL_XAXIS, &lo, &hi);
    if (!(lo <= hi)) {
        lo = sx.min;
        hi = sx.max;
    }
    switch (key) {
        case Qt::Key_Home:
            return lo;
        case Qt::Key_End:
            return hi;
        case Qt::Key_PageUp:
            return x + kPageStepFraction * (sx.max - sx.min);
        case Qt::Key_PageDown:
            return x - kPageStepFraction * (sx.max - sx.min);
        default:
            return NAN;
    }
}

void GraphWidget::keyPressEvent(QKeyEvent* event) {
    const int index = activeCursor();
    int dx = 0, dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Down:
            dy = -1;
            break;
        case Qt::Key_Up:
            dy = 1;
            break;
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (index >= 0) {
                moveActiveCursorTo(keyTarget(event->key(), cursors_[index].x));
            }
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (index < 0) {
        return;
    }
    const double factor = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    Cursor& c = cursors_[index];
    const AxisScale sx = visibleScale(VAL_XAXIS), sy = visibleScale(c.yAxis);
    moveCursor(index, c.x + dx * factor * kKeyStepFraction * (sx.max - sx.min),
               c.y + dy * factor * kKeyStepFraction * (sy.max - sy.min));
    emit cursorMoved(index);
}

}  // namespace ui
