// SPDX-License-Identifier: MIT
#include "widgets/bands/chart_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui {
namespace {

constexpr int kMinBandWidth = 2;  // a zone a pixel deep is still seen
constexpr int kSpace = 4;         // between a label and its neighbours

// Whether a box lies inside the chart, clear of every one taken.
bool Free(const QRect& box, const ChartLayout& layout, const std::vector<QRect>& taken) {
    if (!layout.inside.adjusted(2, 0, -2, 0).contains(box)) {
        return false;
    }
    const QRect spaced = box.adjusted(-kSpace, 0, kSpace, 0);
    return std::none_of(taken.begin(), taken.end(),
                        [&](const QRect& other) { return spaced.intersects(other); });
}

// A label centred on x, on the first of the lines from top that is free.
QRect OnALine(const QFontMetrics& metrics, const std::string& label, int x, int top, int lines,
              const ChartLayout& layout, std::vector<QRect>* taken) {
    const int width = metrics.horizontalAdvance(QString::fromStdString(label));
    for (int line = 0; line < lines && !label.empty(); ++line) {
        const int left = std::max(layout.inside.left() + 2,
                                  std::min(x - width / 2, layout.inside.right() - 2 - width));
        const QRect box(left, top + line * layout.line, width, layout.line);
        if (Free(box, layout, *taken)) {
            taken->push_back(box);
            return box;
        }
    }
    return {};
}

// Beside the band, after it or before it; else the place in its row nearest
// to it, beside one of the boxes taken or at the chart's left edge.
QRect BesideBand(const QFontMetrics& metrics, const ChartBand& band, const QRect& bandBox,
                 const ChartLayout& layout, std::vector<QRect>* taken) {
    const int width = metrics.horizontalAdvance(QString::fromStdString(band.label));
    if (band.label.empty() || bandBox.isEmpty()) {
        return {};
    }
    const int top = bandBox.center().y() - layout.line / 2;
    std::vector<int> lefts = {layout.inside.left() + 2};
    for (const QRect& other : *taken) {
        lefts.push_back(other.right() + 1 + kSpace);
        lefts.push_back(other.left() - kSpace - width);
    }
    std::sort(lefts.begin(), lefts.end(), [&](int a, int b) {
        return std::abs(a - bandBox.left()) < std::abs(b - bandBox.left());
    });
    lefts.insert(lefts.begin(), {bandBox.right() + 1 + kSpace, bandBox.left() - kSpace - width});
    for (int left : lefts) {
        const QRect box(left, top, width, layout.line);
        if (Free(box, layout, *taken)) {
            taken->push_back(box);
            return box;
        }
    }
    return {};
}

}  // namespace

QRect BandBox(const ChartBand& band, const ChartLayout& layout) {
    if (!std::isfinite(band.from) || !std::isfinite(band.to)) {
        return {};
    }
    const int x0 = layout.x(band.from);
    const int width = std::max(kMinBandWidth, layout.x(band.to) - x0);
    return QRect(x0, layout.rowTop(band.row), width, layout.rowHeight(band.row));
}

ChartLabels LayOutLabels(const ChartLayout& layout, const QFontMetrics& metrics,
                         const QFontMetrics& bold, const BandChart& chart) {
    ChartLabels labels;
    std::vector<QRect> taken;
    for (const ChartMark& mark : chart.marks) {
        labels.marks.push_back(
            OnALine(bold, mark.label, layout.x(mark.at), layout.labelTop, 2, layout, &taken));
    }
    for (const ChartTick& tick : chart.ticks) {
        labels.ticks.push_back(
            OnALine(metrics, tick.label, layout.x(tick.at), layout.axis + 4, 1, layout, &taken));
    }
    std::vector<QRect> boxes;
    for (const ChartBand& band : chart.bands) {
        boxes.push_back(BandBox(band, layout));
        if (!boxes.back().isEmpty()) {
            taken.push_back(boxes.back().intersected(layout.inside));
        }
    }
    for (std::size_t i = 0; i < chart.bands.size(); ++i) {
        labels.bands.push_back(BesideBand(metrics, chart.bands[i], boxes[i], layout, &taken));
    }
    return labels;
}

}  // namespace ui
