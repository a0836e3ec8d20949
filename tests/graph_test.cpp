// SPDX-License-Identifier: MIT
// Graph plots, autoscaling and the free cursor.
#include <QTest>

#include <cmath>
#include <set>

#include "panel_fixture.h"
#include "widgets/graph/graph_widget.h"

namespace {

class GraphTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        graph = NewCtrl(panel, CTRL_GRAPH, "graph", 10, 10);
        SetCtrlAttribute(panel, graph, ATTR_CONSTANT_NAME, "GRAPH");
        SetCtrlAttribute(panel, graph, ATTR_WIDTH, 380);
        SetCtrlAttribute(panel, graph, ATTR_HEIGHT, 280);
        SetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, 1);
        SetCtrlAttribute(panel, graph, ATTR_CALLBACK_FUNCTION_POINTER, Record);
        for (int axis : {VAL_XAXIS, VAL_LEFT_YAXIS, VAL_RIGHT_YAXIS}) {
            SetAxisScalingMode(panel, graph, axis, VAL_AUTOSCALE, 0.0, 100.0);
        }
        DisplayPanel(panel);
        w = widget<ui::GraphWidget>("GRAPH");
        ASSERT_NE(w, nullptr);
    }

    void cursor(double* x, double* y) { ASSERT_EQ(GetGraphCursor(panel, graph, 1, x, y), 0); }

    int graph = 0;
    ui::GraphWidget* w = nullptr;
};

TEST_F(GraphTest, AxesFollowTheDataOrTheManualRange) {
    double min, max;
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_EQ(min, 0);  // no data: the manual range
    EXPECT_EQ(max, 100);
    const int plot = PlotLine(panel, graph, 0.096, 0.0192637, 10, 2.6690925, 0x800000);
    EXPECT_GT(plot, 0);
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 10);
    GetAxisRange(panel, graph, VAL_LEFT_YAXIS, &min, &max);
    EXPECT_EQ(max, 3);
    SetAxisScalingMode(panel, graph, VAL_XAXIS, VAL_MANUAL, 0.0, 100.0);
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(SetAxisScalingMode(panel, graph, VAL_XAXIS, VAL_MANUAL, 5.0, 5.0), UIEBadValue);
}

// Autoscaling reads only finite ends, leaves the right y axis at its manual
// range, keeps the manual range for later, and falls back to it when nothing
// finite is plotted.
TEST_F(GraphTest, AutoscaleEdgeCases) {
    auto range = [&](int axis) {
        double min = NAN, max = NAN;
        EXPECT_EQ(GetAxisRange(panel, graph, axis, &min, &max), 0);
        return std::pair{min, max};
    };
    const auto manual = std::pair{0.0, 100.0};
    PlotLine(panel, graph, NAN, INFINITY, -INFINITY, NAN, 0);
    EXPECT_EQ(range(VAL_XAXIS), manual);
    EXPECT_EQ(range(VAL_LEFT_YAXIS), manual);
    PlotLine(panel, graph, 8, 8, 1, 1, 0);           // drawn backwards
    PlotLine(panel, graph, 3, 3, INFINITY, NAN, 0);  // one finite end
    EXPECT_EQ(range(VAL_XAXIS), std::pair(1.0, 8.0));
    EXPECT_EQ(range(VAL_LEFT_YAXIS), std::pair(1.0, 8.0));
    EXPECT_EQ(range(VAL_RIGHT_YAXIS), manual);
    int mode = -1;
    double min = NAN, max = NAN;
    GetAxisScalingMode(panel, graph, VAL_XAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_EQ(std::pair(min, max), manual);

    DeleteGraphPlot(panel, graph, -1, VAL_IMMEDIATE_DRAW);
    PlotLine(panel, graph, -0.0032106, -0.0032106, 0.0192637, 0.0192637, 0);
    EXPECT_DOUBLE_EQ(range(VAL_XAXIS).first, -0.005);
    EXPECT_DOUBLE_EQ(range(VAL_XAXIS).second, 0.02);
    // A cursor on the right axis keeps to that axis's manual range.
    SetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, 2);
    SetCursorAttribute(panel, graph, 2, ATTR_CURSOR_YAXIS, VAL_RIGHT_YAXIS);
    SetGraphCursor(panel, graph, 2, 50.0, 150.0);
    double x, y;
    GetGraphCursor(panel, graph, 2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 0.02);
    EXPECT_EQ(y, 100.0);
}

TEST_F(GraphTest, DeletingEveryPlot) {
    const int a = PlotLine(panel, graph, 0, 0, 1, 1, 0);
    const int b = PlotLine(panel, graph, 0, 0, 2, 2, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(DeleteGraphPlot(panel, graph, a, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_EQ(DeleteGraphPlot(panel, graph, a, VAL_IMMEDIATE_DRAW), UIEBadValue);
    EXPECT_EQ(DeleteGraphPlot(panel, graph, -1, VAL_IMMEDIATE_DRAW), 0);
    double min, max;
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_EQ(max, 100);  // back to the manual range: nothing plotted
}

TEST_F(GraphTest, CursorOutsideTheAxesComesToTheEdge) {
    SetGraphCursor(panel, graph, 1, 50.0, 50.118203);
    double x, y;
    cursor(&x, &y);
    EXPECT_EQ(x, 50.0);
    EXPECT_EQ(y, 50.118203);
    PlotLine(panel, graph, 0.096, 0.0192637, 10, 2.6690925, 0x800000);  // axes shrink
    cursor(&x, &y);
    EXPECT_EQ(x, 10.0);
    EXPECT_EQ(y, 3.0);
    SetGraphCursor(panel, graph, 1, -4.0, NAN);
    cursor(&x, &y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(SetGraphCursor(panel, graph, 2, 1.0, 1.0), UIEBadValue);
    EXPECT_TRUE(events().empty());
}

TEST_F(GraphTest, DraggingCommitsAsTheCursorMovesAndOnRelease) {
    PlotLine(panel, graph, 0, 0, 10, 10, 0x800000);
    const QPoint centre(w->width() / 2, w->height() / 2);
    QTest::mousePress(w, Qt::LeftButton, {}, centre);
    double x0, y0;
    cursor(&x0, &y0);
    EXPECT_GT(x0, 2);
    EXPECT_LT(x0, 8);
    QTest::mouseMove(w, centre + QPoint(40, 0));
    double x1, y1;
    cursor(&x1, &y1);
    EXPECT_GT(x1, x0);
    const size_t duringDrag = events().size();
    EXPECT_GE(duringDrag, 2u);  // the press and the move
    QTest::mouseRelease(w, Qt::LeftButton, {}, centre + QPoint(40, 0));
    EXPECT_EQ(events().size(), duringDrag + 1);
    EXPECT_EQ(events().back().control, graph);
    EXPECT_EQ(events().back().data1, 1);  // cursor number
    QTest::mouseMove(w, centre);          // no longer dragging
    EXPECT_EQ(events().size(), duringDrag + 1);
}

TEST_F(GraphTest, ArrowKeysMoveTheCursorWhenFocused) {
    PlotLine(panel, graph, 0, 0, 10, 10, 0x800000);
    SetGraphCursor(panel, graph, 1, 5.0, 5.0);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Right);
    double x, y;
    cursor(&x, &y);
    EXPECT_DOUBLE_EQ(x, 5.1);
    EXPECT_EQ(events().size(), 1u);
}

// The graph keeps its axes and plots as pictures between changes; every
// change shows on the next paint, and a cursor moves over the same picture.
TEST_F(GraphTest, EveryChangeShowsOnTheNextPaint) {
    SetAxisScalingMode(panel, graph, VAL_XAXIS, VAL_MANUAL, 0.0, 10.0);
    SetAxisScalingMode(panel, graph, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 10.0);
    SetCursorAttribute(panel, graph, 1, ATTR_CURSOR_COLOR, 0x0000FF);
    // The colours of the three columns around a fraction of the plot's width,
    // from a fraction of its height up, off the grid; in two paints, as the
    // second may draw what the first kept.
    auto column = [&](double fx, double fy, int pixels) {
        const QRectF area = w->plotArea();
        const int x = qRound(area.left() + fx * area.width());
        const int y = qRound(area.bottom() - fy * area.height());
        std::set<QRgb> colours;
        for (int paint = 0; paint < 2; ++paint) {
            const QImage shot = w->grab().toImage();
            for (int i = 0; i < pixels; ++i) {
                for (int dx : {-1, 0, 1}) {
                    colours.insert(shot.pixel(x + dx, y - i) & 0xFFFFFF);
                }
            }
        }
        return colours;
    };
    using Colours = std::set<QRgb>;
    EXPECT_EQ(column(0.33, 0.73, 1), Colours{0xE0E0E0});
    SetCtrlAttribute(panel, graph, ATTR_PLOT_BGCOLOR, 0x00FF00);
    EXPECT_EQ(column(0.33, 0.73, 1), Colours{0x00FF00});

    const int plot = PlotLine(panel, graph, 0, 7.3, 10, 7.3, 0xFF0000);
    EXPECT_NE(column(0.33, 0.73, 1), Colours{0x00FF00});
    SetAxisScalingMode(panel, graph, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 20.0);  // the line halves
    EXPECT_EQ(column(0.33, 0.73, 1), Colours{0x00FF00});
    EXPECT_NE(column(0.33, 0.365, 1), Colours{0x00FF00});
    DeleteGraphPlot(panel, graph, plot, VAL_IMMEDIATE_DRAW);
    EXPECT_EQ(column(0.33, 0.365, 1), Colours{0x00FF00});

    SetAxisScalingMode(panel, graph, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 10.0);
    SetGraphCursor(panel, graph, 1, 3.3, 1.0);
    EXPECT_EQ(column(0.33, 0.53, 4).count(0x0000FF), 1u);  // on its dotted vertical line
    SetGraphCursor(panel, graph, 1, 6.7, 1.0);
    EXPECT_EQ(column(0.33, 0.53, 4), Colours{0x00FF00});
}

TEST_F(GraphTest, InfiniteAndNaNDataNeitherHangNorCrash) {
    PlotLine(panel, graph, 0, 0, INFINITY, NAN, 0x800000);
    PlotLine(panel, graph, -1e300, 1e300, 1e300, -1e300, 0x800000);
    PlotLine(panel, graph, 1, 1, 1, 1, 0x800000);
    double min, max;
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_TRUE(std::isfinite(min) && std::isfinite(max) && min < max);
    EXPECT_FALSE(w->grab().isNull());  // paints
}

}  // namespace
