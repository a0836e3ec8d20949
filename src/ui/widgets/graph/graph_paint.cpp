// SPDX-License-Identifier: MIT
// What a graph draws: the axes with their ticks, labels and names, the plots,
// the cursors, and where the plot lies among them.
#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/userint.h"
#include "widgets/graph/graph_widget.h"

namespace ui {
namespace {

constexpr int kTickLength = 4;
double Fraction(double v, const AxisScale& s) {
    const double span = s.max / 2 - s.min / 2;
    return span > 0 ? (v / 2 - s.min / 2) / span : 0.5;
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

bool SameScale(const AxisScale& a, const AxisScale& b) {
    return a.min == b.min && a.max == b.max && a.step == b.step;
}

}  // namespace

bool GraphWidget::Frame::operator==(const Frame& other) const {
    return area == other.area && SameScale(x, other.x) && SameScale(y, other.y);
}

const GraphWidget::LabelWidths& GraphWidget::labelWidths(const AxisScale& scale,
                                                         LabelWidths& cached) const {
    if (cached.widest >= 0 && cached.font == font() && SameScale(cached.scale, scale)) {
        return cached;
    }
    const QFontMetrics fm(font());
    cached = {font(), scale, 0, 0, 0};
    const std::vector<double> ticks = Ticks(scale);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int width = fm.horizontalAdvance(QString::fromStdString(TickLabel(ticks[i], scale)));
        cached.widest = std::max(cached.widest, width);
        cached.first = i == 0 ? width : cached.first;
        cached.last = width;
    }
    return cached;
}

// Room at the left for the y labels, and at each end of the x axis for half
// of the label centred under its end.
QRectF GraphWidget::plotArea() const {
    const QFontMetrics fm(font());
    const LabelWidths& x = labelWidths(Scaled(visibleScale(VAL_XAXIS), xGain_), xLabels_);
    const LabelWidths& y = labelWidths(visibleScale(VAL_LEFT_YAXIS), yLabels_);
    const double left = std::max(fm.height() + y.widest + 2 * kTickLength + 4.0, x.first / 2.0 + 1);
    const double bottom = 2 * fm.height() + kTickLength + 6;
    const double top = fm.height() / 2.0 + 2;
    const double right = std::max(fm.averageCharWidth() * 2.0, x.last / 2.0 + 1);
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
    const QRectF area = plotArea();
    const Frame frame{area, visibleScale(VAL_XAXIS), visibleScale(VAL_LEFT_YAXIS)};
    QPainter painter(this);
    // Axes painted once are drawn in place; painted again unchanged, they are
    // kept as a picture from then on.
    if (onWholePixels() && paintedFrame_ == frame) {
        painter.drawPixmap(0, 0, axes(frame));
    } else {
        paintAxes(painter, frame);
    }
    paintedFrame_ = frame;
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    paintPlots(painter, frame);
    paintCursors(painter, frame);
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
}

// A picture drawn beforehand is the same as one drawn in place only where it
// lands on whole device pixels: at a scale such as 1.5 a graph can begin
// half-way into a pixel, and its lines would fall on other pixels.
bool GraphWidget::onWholePixels() const {
    const qreal ratio = devicePixelRatioF();
    const QPointF origin = QPointF(mapTo(window(), QPoint(0, 0))) * ratio;
    for (qreal v : {origin.x(), origin.y(), width() * ratio, height() * ratio}) {
        if (v != std::floor(v)) {
            return false;
        }
    }
    return true;
}

const QPixmap& GraphWidget::axes(const Frame& frame) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!axesPicture_.isNull() && axesPicture_.size() == pixels &&
        axesPicture_.devicePixelRatio() == ratio && axesFrame_ == frame) {
        return axesPicture_;
    }
    axesPicture_ = QPixmap(pixels);
    axesPicture_.setDevicePixelRatio(ratio);
    axesFrame_ = frame;
    QPainter painter(&axesPicture_);
    painter.setFont(font());
    paintAxes(painter, frame);
    return axesPicture_;
}

// The surround, the plot's ground, the grid with its ticks and labels, the
// frame and the axis names.
void GraphWidget::paintAxes(QPainter& painter, const Frame& frame) const {
    painter.fillRect(rect(), surroundColor_);
    painter.fillRect(frame.area, plotAreaColor_);
    painter.setPen(palette().color(QPalette::WindowText));
    paintTicks(painter, frame);
    painter.drawRect(frame.area);
    paintAxisNames(painter, frame.area);
}

void GraphWidget::redrawAxes() {
    axesPicture_ = QPixmap();
    paintedFrame_ = {};
    update();
}

void GraphWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::StyleChange) {
        redrawAxes();
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
        const QString label = QString::fromStdString(TickLabel(tick * xGain_, Scaled(sx, xGain_)));
        painter.drawText(QRectF(x - 40, area.bottom() + kTickLength, 80, fm.height()),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    for (double tick : Ticks(sy)) {
        const double y = frame.yPixel(tick, sy);
        painter.setPen(gridColor_);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawLine(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y));
        const QString label = QString::fromStdString(TickLabel(tick, sy));
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

}  // namespace ui
