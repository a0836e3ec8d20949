// SPDX-License-Identifier: MIT
// Where a band chart's labels go: a mark's on the upper line above the rows,
// or the lower where the upper is taken; a tick's under the axis; a band's
// beside it in its row, else in the nearest gap of that row that holds it.
// A label that fits nowhere is left out, its tip and the chart's text
// equivalent still carrying it; those placed never overlap one another or a
// band, and lie inside the frame.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <vector>

#include "ui/userint.h"
#include "widgets/bands/chart_layout.h"

namespace ui {

struct ChartLabels {
    // One box each, in the chart's order; empty: not shown.
    std::vector<QRect> marks, bands, ticks;
};

// bold measures the marks' labels, which are bold while reached.
ChartLabels LayOutLabels(const ChartLayout& layout, const QFontMetrics& metrics,
                         const QFontMetrics& bold, const BandChart& chart);

// Where a band lies; empty when it is not drawn.
QRect BandBox(const ChartBand& band, const ChartLayout& layout);

}  // namespace ui
