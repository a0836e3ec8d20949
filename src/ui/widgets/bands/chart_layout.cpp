// SPDX-License-Identifier: MIT
#include "widgets/bands/chart_layout.h"

#include <algorithm>

namespace ui {

namespace {
constexpr int kMargin = 6;  // inside the frame, around everything
constexpr int kTick = 4;    // a tick's length below the axis
}  // namespace

// The rows share what the labels leave, row 0 taking two shares, none more
// than a text line (row 0 two).
ChartLayout::ChartLayout(const QRect& frame, const QFontMetrics& metrics, const BandChart& chart)
    : inside(frame.adjusted(1, 1, -1, -1)) {
    int rows = 1;
    for (const ChartBand& band : chart.bands) {
        rows = std::max(rows, band.row + 1);
    }
    line = metrics.height();
    left = inside.left() + kMargin + 4;
    right = inside.right() - kMargin - 4;
    labelTop = inside.top() + kMargin;
    rowsTop = labelTop + 2 * line + 2;
    rowGap = 3;
    const int bottom = inside.bottom() - kMargin - line - kTick;
    const int share = (bottom - rowsTop - rows * rowGap) / (rows + 1);
    otherRow = std::max(2, std::min(line, share));
    mainRow = 2 * otherRow;
    axis = rowTop(rows) + 1;
}

int ChartLayout::rowTop(int row) const {
    return row == 0 ? rowsTop : rowsTop + mainRow + rowGap + (row - 1) * (otherRow + rowGap);
}

}  // namespace ui
