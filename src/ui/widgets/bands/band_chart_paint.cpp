// SPDX-License-Identifier: MIT
// Painting a band chart: ground and frame, ticks, bands, marks over them and
// the bands' labels over those, clipped to the frame. Texts are in the
// palette's text colour so they read on a light or dark ground; bands and
// marks keep the colours given.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/bands/band_chart_widget.h"
#include "widgets/bands/chart_layout.h"

namespace ui {
namespace {

constexpr int kFadedAlpha = 70;        // a faded band's fill, of 255
constexpr int kHatchAlpha = 110;       // the ground under a hatched band's lines
constexpr int kMinBandWidth = 2;       // a zone a pixel deep is still seen
constexpr int kNothingYet = -1000000;  // the right end of the labels before the first

QColor Rgb(int rgb) {
    return QColor(QRgb(rgb));
}

// A label centred on x, kept inside the chart; its extent for the next one.
QRect LabelRect(const QFontMetrics& metrics, const QString& text, int x, int top,
                const ChartLayout& layout) {
    const int width = metrics.horizontalAdvance(text);
    const int left =
        std::clamp(x - width / 2, layout.inside.left() + 2,
                   std::max(layout.inside.left() + 2, layout.inside.right() - width - 1));
    return QRect(left, top, width, layout.line);
}

void PaintTicks(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                const QPalette& palette) {
    p.setPen(palette.color(QPalette::Mid));
    p.drawLine(layout.left, layout.axis, layout.right, layout.axis);
    int lastRight = kNothingYet;
    for (const ChartTick& tick : chart.ticks) {
        const int x = layout.x(tick.at);
        p.setPen(palette.color(QPalette::Mid));
        p.drawLine(x, layout.axis, x, layout.axis + 4);
        const QString text = QString::fromStdString(tick.label);
        const QRect box = LabelRect(p.fontMetrics(), text, x, layout.axis + 4, layout);
        if (box.left() > lastRight + 4) {
            p.setPen(palette.color(QPalette::Text));
            p.drawText(box, Qt::AlignCenter, text);
            lastRight = box.right();
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

// The label beside the band: after it where there is room, else before it,
// else over it; on the ground's colour, so that the marks behind it do not
// cross it.
void PaintBandLabel(QPainter& p, const ChartBand& band, const QRect& box, const ChartLayout& layout,
                    const QPalette& palette) {
    const QString text = QString::fromStdString(band.label);
    const int width = p.fontMetrics().horizontalAdvance(text);
    int left = box.right() + 4;
    if (left + width > layout.inside.right() - 2) {
        left = std::max(layout.inside.left() + 2, box.left() - 4 - width);
    }
    const QRect area = p.fontMetrics().boundingRect(text).translated(
        left, box.center().y() - p.fontMetrics().height() / 2 + p.fontMetrics().ascent());
    p.fillRect(area, palette.color(QPalette::Base));
    p.drawText(QRect(left, box.top(), width + 1, box.height()), Qt::AlignVCenter, text);
}

// Where a band lies; empty when it is not drawn.
QRect BandBox(const ChartBand& band, const ChartLayout& layout) {
    if (!std::isfinite(band.from) || !std::isfinite(band.to)) {
        return {};
    }
    const int x0 = layout.x(band.from);
    const int width = std::max(kMinBandWidth, layout.x(band.to) - x0);
    return QRect(x0, layout.rowTop(band.row), width, layout.rowHeight(band.row));
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

void PaintBandLabels(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                     const QPalette& palette) {
    p.setPen(palette.color(QPalette::Text));
    for (const ChartBand& band : chart.bands) {
        const QRect box = BandBox(band, layout);
        if (!box.isEmpty()) {
            PaintBandLabel(p, band, box, layout, palette);
        }
    }
}

// Mark labels take the upper line, or the lower where the upper is taken;
// a label that fits on neither is left to the tip.
void PaintMarks(QPainter& p, const BandChart& chart, const ChartLayout& layout,
                const QPalette& palette, int current) {
    int lineRight[2] = {kNothingYet, kNothingYet};
    for (std::size_t i = 0; i < chart.marks.size(); ++i) {
        const ChartMark& mark = chart.marks[i];
        const bool reached = static_cast<int>(i) == current;
        const int x = layout.x(mark.at);
        QPen pen(reached ? palette.color(QPalette::Highlight) : Rgb(mark.color), reached ? 2 : 1,
                 reached ? Qt::SolidLine : Qt::DashLine);
        p.setPen(pen);
        p.drawLine(x, layout.rowsTop - 2, x, layout.axis);
        const QString text = QString::fromStdString(mark.label);
        for (int line = 0; line < 2; ++line) {
            const QRect box =
                LabelRect(p.fontMetrics(), text, x, layout.labelTop + line * layout.line, layout);
            if (box.left() > lineRight[line] + 4) {
                QFont font = p.font();
                font.setBold(reached);
                p.setFont(font);
                p.setPen(palette.color(QPalette::Text));
                p.drawText(box, Qt::AlignCenter, text);
                lineRight[line] = box.right() + (reached ? 2 : 0);
                break;
            }
        }
    }
}

}  // namespace

void BandChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ChartLayout layout(rect(), fontMetrics(), chart_);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setClipRect(layout.inside);
    PaintTicks(p, chart_, layout, palette());
    const int reachedBand =
        current_ < 0 ? -1 : chart_.marks[static_cast<std::size_t>(current_)].band;
    PaintBands(p, chart_, layout, palette(), reachedBand);
    PaintMarks(p, chart_, layout, palette(), current_);
    PaintBandLabels(p, chart_, layout, palette());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(layout.inside.adjusted(1, 1, -2, -2));
    }
}

}  // namespace ui
