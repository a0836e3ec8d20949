// SPDX-License-Identifier: MIT
// Where a band chart's parts go in a widget of a given size: the label
// lines above, the rows, the axis and its labels below, all inside the frame.
#pragma once

#include <QFontMetrics>
#include <QRect>

#include "ui/userint.h"

namespace ui {

struct ChartLayout {
    QRect inside;     // within the frame
    int left, right;  // positions 0 and 1
    int labelTop;     // the two lines of mark labels
    int line;         // a text line's height
    int rowsTop;
    int mainRow, otherRow;  // heights: row 0, the rest
    int rowGap;
    int axis;  // the axis line; tick labels under it

    ChartLayout(const QRect& frame, const QFontMetrics& metrics, const BandChart& chart);
    int x(double position) const {
        return left + static_cast<int>(position * (right - left) + 0.5);
    }
    int rowTop(int row) const;
    int rowHeight(int row) const { return row == 0 ? mainRow : otherRow; }
};

}  // namespace ui
