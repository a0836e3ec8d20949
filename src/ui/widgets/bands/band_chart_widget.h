// SPDX-License-Identifier: MIT
// A band chart control: bands in rows, marks across them and ticks below,
// painted at the screen's pixel density in the palette's colours and never
// outside its frame. The pointer resting on a band or mark shows its tip;
// with the keyboard, Left and Right step through the marks (Home and End
// reach the first and last), each announced to assistive technology, and the
// band a reached mark belongs to is outlined; a click on a mark reaches it.
#pragma once

#include <QWidget>

#include "ui/userint.h"

namespace ui {

class BandChartWidget : public QWidget {
    Q_OBJECT

  public:
    explicit BandChartWidget(QWidget* parent);

    void setChart(const BandChart& chart);
    const BandChart& chart() const { return chart_; }
    // The mark the keys last reached; -1 before any.
    int currentMark() const { return current_; }
    // Reaches a mark (-1: none) for the program, without a tip or a signal.
    void setCurrentMark(int mark);

  signals:
    // The user reached a mark, by the keys or a click.
    void markReached(int mark);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void stepTo(int mark);
    QString tipAt(const QPoint& point) const;
    int markAt(const QPoint& point) const;

    BandChart chart_;
    int current_ = -1;
};

}  // namespace ui
