// SPDX-License-Identifier: MIT
// A graph of straight plots over an x axis and two y axes, with free cursors
// that the user drags with the mouse or moves with keys: the arrows by 1 % of
// the axis (10 % with Shift), Page Up and Page Down by 10 % along x, Home and
// End to the plotted data's x extent. Positions are in axis units; a cursor
// never lies outside the axes' visible range.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "widgets/graph/axis_scale.h"
#include "widgets/text/fitting_label.h"

namespace ui {

class GraphWidget : public QWidget {
    Q_OBJECT

  public:
    struct Axis {
        int mode;  // VAL_MANUAL or VAL_AUTOSCALE
        double min;
        double max;
    };
    struct Cursor {
        double x = 0;
        double y = 0;
        QColor color = Qt::yellow;
        int yAxis = 1;  // VAL_LEFT_YAXIS
        bool enabled = true;
    };

    explicit GraphWidget(QWidget* parent);

    void setPlotAreaColor(QColor color);
    void setGridColor(QColor color);
    void setSurroundColor(QColor color);
    void setAxisNames(const QString& x, const QString& y);
    void setAxis(int axis, const Axis& settings);
    // The x axis read in other units: its ticks fall on round values of
    // x × gain and are labelled so; positions stay in axis units.
    void setXGain(double gain);
    double xGain() const { return xGain_; }
    Axis axis(int axis) const { return axes_[axis]; }
    AxisScale visibleScale(int axis) const;

    int addLine(double x1, double y1, double x2, double y2, QColor color);
    bool deletePlot(int plot);  // false when there is no such plot
    void deleteAllPlots();

    // Texts that lie on the plot, in front of it: the grid and the cursor
    // lines pass beneath them, on the plot's colour, and cross no letter.
    void setTextsInFront(std::vector<QPointer<FittingLabel>> texts);

    // Where the plot lies, inside the axes, in this widget's coordinates.
    QRectF plotArea() const;

    void setCursorCount(int count);
    int cursorCount() const { return static_cast<int>(cursors_.size()); }
    Cursor& cursor(int index) { return cursors_[index]; }  // 0-based
    void moveCursor(int index, double x, double y);
    // The cursor that the mouse and keys move, -1 when none is enabled.
    int activeCursor() const;
    // Moves the active cursor along x as the user would, and says so.
    void moveActiveCursorTo(double x);

  signals:
    // The user moved a cursor: during a drag, on release, or by a key.
    void cursorMoved(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Line {
        double x1, y1, x2, y2;
        QColor color;
    };

    // The plot area and the visible scales of the x and left y axes, taken
    // once per paint: autoscaled scales cost a pass over the plots.
    struct Frame {
        QRectF area;
        AxisScale x;
        AxisScale y;
        double xPixel(double v) const;
        double yPixel(double v, const AxisScale& scale) const;
        bool operator==(const Frame& other) const;
    };
    // The axes, drawn again only when they change: a drag step moves a
    // cursor, and a recomputation a plot, over the same axes.
    bool onWholePixels() const;
    const QPixmap& axes(const Frame& frame);
    void redrawAxes();  // after a change of colour, name or font
    void paintAxes(QPainter& painter, const Frame& frame) const;
    void paintTicks(QPainter& painter, const Frame& frame) const;
    void paintAxisNames(QPainter& painter, const QRectF& area) const;
    void paintPlots(QPainter& painter, const Frame& frame) const;
    void paintCursors(QPainter& painter, const Frame& frame) const;
    void paintTextBackdrops(QPainter& painter, const QRectF& area) const;
    double keyTarget(int key, double x) const;  // NaN for keys that do not move x
    void dragTo(QPointF point);
    void clampCursors();
    void dataRange(int axis, double* lo, double* hi) const;

    Axis axes_[3];
    std::map<int, Line> lines_;
    int nextPlot_ = 1;
    std::vector<Cursor> cursors_;
    std::vector<QPointer<FittingLabel>> textsInFront_;
    QColor plotAreaColor_{0xE0E0E0};
    QColor gridColor_{Qt::white};
    QColor surroundColor_{0xF0F0F0};
    QString xName_;
    double xGain_ = 1;
    QString yName_;
    bool dragging_ = false;
    bool moved_ = false;
    // The widths of an axis's tick labels, measured once per scale and font:
    // the plot area is asked for several times on every step of a drag.
    struct LabelWidths {
        QFont font;
        AxisScale scale{};
        int widest = -1;
        int first = 0;
        int last = 0;
    };
    const LabelWidths& labelWidths(const AxisScale& scale, LabelWidths& cached) const;
    mutable LabelWidths xLabels_;
    mutable LabelWidths yLabels_;
    QPixmap axesPicture_;
    Frame axesFrame_{};
    Frame paintedFrame_{};
};

}  // namespace ui
