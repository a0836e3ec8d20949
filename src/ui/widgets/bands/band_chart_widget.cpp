// SPDX-License-Identifier: MIT
#include "widgets/bands/band_chart_widget.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <cmath>
#include <cstdlib>

#include "widgets/bands/chart_layout.h"

namespace ui {

namespace {
constexpr int kMarkReach = 3;  // pixels either side of a mark that point at it

// Plain text in a paragraph that keeps its line breaks, whatever it holds.
void ShowTip(const QPoint& at, const QString& tip, QWidget* over) {
    QToolTip::showText(at, "<p style=\"white-space:pre\">" + tip.toHtmlEscaped() + "</p>", over);
}

}  // namespace

BandChartWidget::BandChartWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BandChartWidget::setChart(const BandChart& chart) {
    chart_ = chart;
    if (current_ >= static_cast<int>(chart_.marks.size())) {
        current_ = -1;
    }
    update();
}

int BandChartWidget::markAt(const QPoint& point) const {
    const ChartLayout layout(rect(), fontMetrics(), chart_);
    for (std::size_t i = 0; i < chart_.marks.size(); ++i) {
        if (std::abs(point.x() - layout.x(chart_.marks[i].at)) <= kMarkReach) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QString BandChartWidget::tipAt(const QPoint& point) const {
    if (const int mark = markAt(point); mark >= 0) {
        return QString::fromStdString(chart_.marks[static_cast<std::size_t>(mark)].tip);
    }
    const ChartLayout layout(rect(), fontMetrics(), chart_);
    for (const ChartBand& band : chart_.bands) {
        const int top = layout.rowTop(band.row);
        if (point.y() >= top && point.y() < top + layout.rowHeight(band.row) &&
            point.x() >= layout.x(band.from) - 1 && point.x() <= layout.x(band.to) + 1) {
            return QString::fromStdString(band.tip);
        }
    }
    return {};
}

bool BandChartWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        ShowTip(help->globalPos(), tip, this);
    }
    return true;
}

void BandChartWidget::keyPressEvent(QKeyEvent* event) {
    const int last = static_cast<int>(chart_.marks.size()) - 1;
    switch (event->key()) {
        case Qt::Key_Right:
            stepTo(std::min(current_ + 1, last));
            break;
        case Qt::Key_Left:
            stepTo(std::max(current_ - 1, 0));
            break;
        case Qt::Key_Home:
            stepTo(0);
            break;
        case Qt::Key_End:
            stepTo(last);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void BandChartWidget::mousePressEvent(QMouseEvent* event) {
    stepTo(markAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void BandChartWidget::setCurrentMark(int mark) {
    current_ = mark;
    update();
}

// The accessible name carries the mark reached, so that a screen reader
// says it; the tip shows it to the eye as well.
void BandChartWidget::stepTo(int mark) {
    if (mark < 0 || mark == current_) {
        return;
    }
    current_ = mark;
    update();
    const ChartLayout layout(rect(), fontMetrics(), chart_);
    const ChartMark& reached = chart_.marks[static_cast<std::size_t>(mark)];
    ShowTip(mapToGlobal(QPoint(layout.x(reached.at), layout.rowsTop)),
            QString::fromStdString(reached.tip), this);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    emit markReached(mark);
}

}  // namespace ui
