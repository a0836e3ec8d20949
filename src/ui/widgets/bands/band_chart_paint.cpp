// SPDX-License-Identifier: MIT
// Painting a band chart: ground and frame, ticks, bands, marks over them and
// the labels where they were laid out, clipped to the frame. Texts, frames,
// outlines and the labels' ground are in the palette's roles, so that they
// read on a light or dark ground; bands and marks keep the colours given.
#include <QPainter>

#include "widgets/bands/band_chart_widget.h"
#include "widgets/bands/chart_labels.h"
#include "widgets/bands/chart_layout.h"

namespace ui {
namespace {

constexpr int kFadedAlpha = 70;   // a faded band's fill, of 255
constexpr int kHatchAlpha = 110;  // the ground under a hatched band's lines

QColor Rgb(int rgb) {
    return QColor(QRgb(rgb));
}

void PaintTicks(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                const std::vector<QRect>& boxes, const QPalette& palette) {
    p.setPen(palette.color(QPalette::Mid));
    p.drawLine(layout.left, layout.axis, layout.right, layout.axis);
    for (const ChartTick& tick : chart.ticks) {
        const int x = layout.x(tick.at);
        p.drawLine(x, layout.axis, x, layout.axis + 4);
    }
    p.setPen(palette.color(QPalette::Text));
    for (std::size_t i = 0; i < chart.ticks.size(); ++i) {
        if (!boxes[i].isEmpty()) {
            p.drawText(boxes[i], Qt::AlignCenter, QString::fromStdString(chart.ticks[i].label));
        }
    }
}

QBrush Fill(const ChartBand& band) {
    QColor color = Rgb(band.color);
    if (band.style == VAL_BAND_FADED) {
        color.setAlpha(kFadedAlpha);
    } else if (band.style == VAL_BAND_HATCHED) {
        return QBrush(color, Qt::BDiagPattern);
    }
    return QBrush(color);
}

void PaintBands(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                const QPalette& palette, int reachedBand) {
    for (std::size_t i = 0; i < chart.bands.size(); ++i) {
        const ChartBand& band = chart.bands[i];
        const QRect box = BandBox(band, layout);
        if (box.isEmpty()) {
            continue;
        }
        if (band.style == VAL_BAND_HATCHED) {
            QColor ground = Rgb(band.color);
            ground.setAlpha(kHatchAlpha);
            p.fillRect(box, ground);
        }
        p.fillRect(box, Fill(band));
        const bool highlighted = band.highlighted != 0 || static_cast<int>(i) == reachedBand;
        p.setPen(highlighted ? QPen(palette.color(QPalette::Highlight), 2)
                             : QPen(Rgb(band.color).darker(130)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

// On the ground's colour, so that the marks behind a label do not cross it.
void PaintBandLabels(QPainter& p, const BandChart& chart, const std::vector<QRect>& boxes,
                     const QPalette& palette) {
    p.setPen(palette.color(QPalette::Text));
    for (std::size_t i = 0; i < chart.bands.size(); ++i) {
        if (!boxes[i].isEmpty()) {
            p.fillRect(boxes[i], palette.color(QPalette::Base));
            p.drawText(boxes[i], Qt::AlignCenter, QString::fromStdString(chart.bands[i].label));
        }
    }
}

void PaintMarks(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                const std::vector<QRect>& boxes, const QPalette& palette, int current) {
    for (std::size_t i = 0; i < chart.marks.size(); ++i) {
        const ChartMark& mark = chart.marks[i];
        const bool reached = static_cast<int>(i) == current;
        const int x = layout.x(mark.at);
        p.setPen(QPen(reached ? palette.color(QPalette::Highlight) : Rgb(mark.color),
                      reached ? 2 : 1, reached ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(x, layout.rowsTop - 2, x, layout.axis);
        QFont font = p.font();
        font.setBold(reached);
        p.setFont(font);
        if (!boxes[i].isEmpty()) {
            p.setPen(palette.color(QPalette::Text));
            p.drawText(boxes[i], Qt::AlignCenter, QString::fromStdString(mark.label));
        }
    }
    QFont font = p.font();
    font.setBold(false);
    p.setFont(font);
}

}  // namespace

void BandChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ChartLayout layout(rect(), fontMetrics(), chart_);
    QFont bold = font();
    bold.setBold(true);
    const ChartLabels labels = LayOutLabels(layout, fontMetrics(), QFontMetrics(bold), chart_);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setClipRect(layout.inside);
    PaintTicks(p, chart_, layout, labels.ticks, palette());
    const int reachedBand =
        current_ < 0 ? -1 : chart_.marks[static_cast<std::size_t>(current_)].band;
    PaintBands(p, chart_, layout, palette(), reachedBand);
    PaintMarks(p, chart_, layout, labels.marks, palette(), current_);
    PaintBandLabels(p, chart_, labels.bands, palette());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(layout.inside.adjusted(1, 1, -2, -2));
    }
}

}  // namespace ui
