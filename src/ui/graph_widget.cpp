#include "graph_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "accessible.h"
#include "ui/userint.h"

namespace ui {
namespace {

constexpr int kTickLength = 4;
constexpr double kKeyStepFraction = 0.01;   // of the axis span, per arrow key press
constexpr double kPageStepFraction = 0.10;  // per Page Up or Page Down, as a slider does

double Fraction(double v, const AxisScale& s) {
    const double span = s.max / 2 - s.min / 2;
    return span > 0 ? (v / 2 - s.min / 2) / span : 0.5;
}

double FromFraction(double f, const AxisScale& s) {
    return s.min + f * (s.max / 2 - s.min / 2) * 2;
}

double Clamp(double v, const AxisScale& s) {
    return std::isnan(v) ? s.min : std::clamp(v, s.min, s.max);
}

// Cuts the segment to the box [x0,x1]×[y0,y1] (Liang-Barsky); false when
// nothing of it is inside or it has a NaN end.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, const AxisScale& sx,
                 const AxisScale& sy) {
    double t0 = 0, t1 = 1;
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - sx.min, sx.max - ax, ay - sy.min, sy.max - ay};
    for (int i = 0; i < 4; ++i) {
        if (std::isnan(p[i]) || std::isnan(q[i])) {
            return false;
        }
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const double nx = ax + t0 * dx, ny = ay + t0 * dy;
    bx = ax + t1 * dx;
    by = ay + t1 * dy;
    ax = nx;
    ay = ny;
    return std::isfinite(ax) && std::isfinite(ay) && std::isfinite(bx) && std::isfinite(by);
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
    update();
}

void GraphWidget::setGridColor(QColor color) {
    gridColor_ = color;
    update();
}

void GraphWidget::setSurroundColor(QColor color) {
    surroundColor_ = color;
    update();
}

void GraphWidget::setAxisNames(const QString& x, const QString& y) {
    xName_ = x;
    yName_ = y;
    update();
}

void GraphWidget::setAxis(int axis, const Axis& settings) {
    axes_[axis] = settings;
    clampCursors();
    update();
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
    // Plots lie on the left y axis; the right one keeps its manual range.
    if (a.mode == VAL_AUTOSCALE && axis != VAL_RIGHT_YAXIS) {
        double lo, hi;
        dataRange(axis, &lo, &hi);
        if (lo <= hi) {
            return RoundScale(lo, hi);
        }
    }
    return FixedScale(a.min, a.max);
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
        announceValue(this, c.x);
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

int GraphWidget::tickLabelWidth(const AxisScale& scale) const {
    LabelWidth& cached = labelWidth_;
    if (cached.width >= 0 && cached.font == font() && cached.scale.min == scale.min &&
        cached.scale.max == scale.max && cached.scale.step == scale.step) {
        return cached.width;
    }
    const QFontMetrics fm(font());
    int widest = 0;
    for (double tick : Ticks(scale)) {
        widest = std::max(
            widest, fm.horizontalAdvance(QString::fromStdString(TickLabel(tick, scale.step))));
    }
    cached = {font(), scale, widest};
    return widest;
}

QRectF GraphWidget::plotArea() const {
    const QFontMetrics fm(font());
    const double left =
        fm.height() + tickLabelWidth(visibleScale(VAL_LEFT_YAXIS)) + 2 * kTickLength + 4;
    const double bottom = 2 * fm.height() + kTickLength + 6;
    const double top = fm.height() / 2.0 + 2;
    const double right = fm.averageCharWidth() * 2.0;
    return QRectF(left, top, std::max(1.0, width() - left - right),
                  std::max(1.0, height() - top - bottom));
}

double GraphWidget::Frame::xPixel(double v) const {
    return area.left() + Fraction(v, x) * area.width();
}

double GraphWidget::Frame::yPixel(double v, const AxisScale& scale) const {
    return area.bottom() - Fraction(v, scale) * area.height();
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), surroundColor_);
    const QRectF area = plotArea();
    painter.fillRect(area, plotAreaColor_);
    const Frame frame{area, visibleScale(VAL_XAXIS), visibleScale(VAL_LEFT_YAXIS)};
    painter.setPen(palette().color(QPalette::WindowText));
    paintTicks(painter, frame);
    painter.drawRect(area);
    paintAxisNames(painter, area);
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    paintPlots(painter, frame);
    paintCursors(painter, frame);
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
}

// Grid lines, tick marks and tick labels of the x and left y axes; leaves the
// text pen set.
void GraphWidget::paintTicks(QPainter& painter, const Frame& frame) const {
    const QRectF& area = frame.area;
    const AxisScale& sx = frame.x;
    const AxisScale& sy = frame.y;
    const QFontMetrics fm(font());
    const QColor text = palette().color(QPalette::WindowText);
    for (double tick : Ticks(sx)) {
        const double x = frame.xPixel(tick);
        painter.setPen(gridColor_);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
        const QString label = QString::fromStdString(TickLabel(tick, sx.step));
        painter.drawText(QRectF(x - 40, area.bottom() + kTickLength, 80, fm.height()),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    for (double tick : Ticks(sy)) {
        const double y = frame.yPixel(tick, sy);
        painter.setPen(gridColor_);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawLine(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y));
        const QString label = QString::fromStdString(TickLabel(tick, sy.step));
        painter.drawText(
            QRectF(0, y - fm.height() / 2.0, area.left() - kTickLength - 2, fm.height()),
            Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void GraphWidget::paintAxisNames(QPainter& painter, const QRectF& area) const {
    const QFontMetrics fm(font());
    painter.drawText(QRectF(area.left(), height() - fm.height() - 2, area.width(), fm.height()),
                     Qt::AlignHCenter, xName_);
    painter.save();
    painter.translate(0, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height()), Qt::AlignHCenter,
                     yName_);
    painter.restore();
}

void GraphWidget::paintPlots(QPainter& painter, const Frame& frame) const {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [plot, line] : lines_) {
        double ax = line.x1, ay = line.y1, bx = line.x2, by = line.y2;
        if (ClipSegment(ax, ay, bx, by, frame.x, frame.y)) {
            painter.setPen(QPen(line.color, 1.5));
            painter.drawLine(QPointF(frame.xPixel(ax), frame.yPixel(ay, frame.y)),
                             QPointF(frame.xPixel(bx), frame.yPixel(by, frame.y)));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void GraphWidget::paintCursors(QPainter& painter, const Frame& frame) const {
    const QRectF& area = frame.area;
    for (const Cursor& c : cursors_) {
        const double x = frame.xPixel(c.x);
        const double y = frame.yPixel(c.y, visibleScale(c.yAxis));
        painter.setPen(QPen(c.color, 1, Qt::DotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    paintTextBackdrops(painter, area);
    for (const Cursor& c : cursors_) {
        const double x = frame.xPixel(c.x);
        const double y = frame.yPixel(c.y, visibleScale(c.yAxis));
        painter.setPen(QPen(c.color, 2));
        painter.drawEllipse(QPointF(x, y), 3.5, 3.5);
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
