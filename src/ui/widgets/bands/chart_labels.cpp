// SPDX-License-Identifier: MIT
#include "widgets/bands/chart_labels.h"

#include <algorithm>
#include <climits>
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

// The stretches of the line from top, line high, that no box taken crosses,
// each a label's left end at the least and its right end at the most.
std::vector<std::pair<int, int>> Gaps(int top, const ChartLayout& layout,
                                      const std::vector<QRect>& taken) {
    const QRect line(layout.inside.left(), top, layout.inside.width(), layout.line);
    std::vector<std::pair<int, int>> spans;
    for (const QRect& box : taken) {
        if (box.intersects(line)) {
            spans.emplace_back(box.left() - kSpace, box.right() + kSpace);
        }
    }
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<int, int>> gaps;
    int from = layout.inside.left() + 2;
    for (const auto& [left, right] : spans) {
        if (left - 1 >= from) {
            gaps.emplace_back(from, left - 1);
        }
        from = std::max(from, right + 1);
    }
    if (layout.inside.right() - 2 >= from) {
        gaps.emplace_back(from, layout.inside.right() - 2);
    }
    return gaps;
}

// Beside the band, after it or before it; else the place in its row nearest
// to it that holds the label.
QRect BesideBand(const QFontMetrics& metrics, const ChartBand& band, const QRect& bandBox,
                 const ChartLayout& layout, std::vector<QRect>* taken) {
    const int top = bandBox.center().y() - layout.line / 2;
    if (band.label.empty() || bandBox.isEmpty() || top < layout.inside.top() ||
        top + layout.line - 1 > layout.inside.bottom()) {
        return {};
    }
    const int width = metrics.horizontalAdvance(QString::fromStdString(band.label));
    const int after = bandBox.right() + 1 + kSpace;
    const int before = bandBox.left() - kSpace - width;
    int best = INT_MIN;
    int distance = INT_MAX;
    for (const auto& [from, to] : Gaps(top, layout, *taken)) {
        if (to - from + 1 < width) {
            continue;
        }
        for (int left : {after, before, std::clamp(bandBox.left(), from, to + 1 - width)}) {
            const int off = left == after    ? 0
                            : left == before ? 1
                                             : 2 + std::abs(left - bandBox.left());
            if (left >= from && left + width - 1 <= to && off < distance) {
                best = left;
                distance = off;
            }
        }
    }
    if (best == INT_MIN) {
        return {};
    }
    taken->push_back(QRect(best, top, width, layout.line));
    return taken->back();
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
