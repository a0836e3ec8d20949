// SPDX-License-Identifier: MIT
// Redraw and Cursor through the real panel: indicators, remarks, line, report.
#include <QMouseEvent>

#include <cmath>

#include "app_fixture.h"
#include "golden.h"
#include "widgets/graph/graph_widget.h"

namespace {

constexpr int kRed = 0xFF0000;
constexpr int kGrey = 0x808080;

std::string Line(const std::string& text, int number) {
    size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = text.find('\n', start) + 1;
    }
    return text.substr(start, text.find('\n', start) - start);
}

void PutCursor(double d) {
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, d, 0.0);
    Cursor(panelHandle, PANEL_GRAPH, EVENT_COMMIT, nullptr, 1, 0);
}

TEST_F(AppTest, FactoryStartShowsEveryDerivedValue) {
    InitPanel();
    EXPECT_EQ(Number(PANEL_RATIO), 1.5);
    EXPECT_DIGITS(Number(PANEL_DIAGONAL), "27.041636");
    EXPECT_DIGITS(Number(PANEL_ANGLE), "58.790985");
    EXPECT_DIGITS(Number(PANEL_PSIV), "34.708050");
    EXPECT_DIGITS(Number(PANEL_PSIH), "50.229671");
    EXPECT_DIGITS(Number(PANEL_PIXSIZE), "6.4212331");
    EXPECT_EQ(dmin, 0.096f);
    EXPECT_EQ(Text(PANEL_TEXTRATIO1), "ratio X/Y 1.50");
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO1, ATTR_TEXT_COLOR), kGrey);
    EXPECT_EQ(Text(PANEL_TEXTRATIO2), "square pixels");
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO2, ATTR_TEXT_COLOR), kGrey);
    double min, max;
    GetAxisRange(panelHandle, PANEL_GRAPH, VAL_XAXIS, &min, &max);
    EXPECT_EQ(max, 10.0);
    // The cursor started at 50 m, beyond the line: it comes to the edge.
    EXPECT_EQ(Line(Text(PANEL_TEXTPARAM), 2), "Object distance 10.00 m");
    EXPECT_EQ(Widget<QAbstractSpinBox>("PIXSIZE")->text(), "6.42");
    EXPECT_EQ(Widget<QAbstractSpinBox>("ANGLE")->text(), "58.8");
}

TEST_F(AppTest, RemarksTurnRed) {
    InitPanel();
    SetCtrlVal(panelHandle, PANEL_XMM, 18.0);
    SetCtrlVal(panelHandle, PANEL_YMM, 13.5);
    SetCtrlVal(panelHandle, PANEL_XPIX, 4000);
    SetCtrlVal(panelHandle, PANEL_YPIX, 3000);
    Redraw(panelHandle, PANEL_YPIX, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(Text(PANEL_TEXTRATIO1), "ratio X/Y 1.33");
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO1, ATTR_TEXT_COLOR), kRed);
    EXPECT_EQ(Text(PANEL_TEXTRATIO2), "square pixels");
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO2, ATTR_TEXT_COLOR), kGrey);
    SetCtrlVal(panelHandle, PANEL_XMM, 22.5);
    SetCtrlVal(panelHandle, PANEL_YMM, 15.0);
    SetCtrlVal(panelHandle, PANEL_XPIX, 3504);
    SetCtrlVal(panelHandle, PANEL_YPIX, 2000);
    Redraw(panelHandle, PANEL_YPIX, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(Text(PANEL_TEXTRATIO2), "rectangular pixels");
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO2, ATTR_TEXT_COLOR), kRed);
    EXPECT_EQ(Attribute(PANEL_TEXTRATIO1, ATTR_TEXT_COLOR), kGrey);
}

TEST_F(AppTest, WorkedExampleReportAndCursorOnTheLine) {
    InitPanel();
    PutCursor(2.0);
    EXPECT_EQ(Text(PANEL_TEXTPARAM), kWorkedExampleReport);
    double d, s;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    EXPECT_EQ(d, 2.0);
    EXPECT_DIGITS(s, "0.5286815");
    EXPECT_DIGITS(dh, "25.629257");
    EXPECT_DIGITS(dof, "0.31405574");
}

TEST_F(AppTest, ApertureChangesOnlyTheDepths) {
    InitPanel();
    PutCursor(5.0);
    const std::string before = Text(PANEL_TEXTPARAM);
    SetCtrlVal(panelHandle, PANEL_XMM, 30.0);  // not committed: Redraw must not run
    TypeInto("APERTURE", "22");
    const std::string after = Text(PANEL_TEXTPARAM);
    EXPECT_EQ(Number(PANEL_RATIO), 1.5);
    EXPECT_EQ(settings.xsize, 22.5f);
    for (int line = 2; line <= 4; ++line) {
        EXPECT_EQ(Line(before, line), Line(after, line));
    }
    EXPECT_EQ(Line(after, 1), "Hyperfocal dist.4.08 m");
    EXPECT_EQ(Line(after, 5), "Rear dof        inf m");
    EXPECT_EQ(Line(after, 6), "Front dof       2.75 m");
    EXPECT_EQ(Line(after, 7), "Depth Of Field  inf m");
}

TEST_F(AppTest, GeometryMovesTheCursorOntoTheNewLine) {
    InitPanel();
    PutCursor(5.0);
    TypeInto("FOCAL", "50");
    double d, s;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    EXPECT_EQ(d, 5.0);
    EXPECT_DOUBLE_EQ(s, ScaleAt(pixelsize, 50.0f, 5.0));
    EXPECT_EQ(Line(Text(PANEL_TEXTPARAM), 2), "Object distance 5.00 m");
}

TEST_F(AppTest, ReportFollowsTheCursorDuringADrag) {
    InitPanel();
    auto* graph = Widget<ui::GraphWidget>("GRAPH");
    ASSERT_NE(graph, nullptr);
    const QPoint start(graph->width() / 3, graph->height() / 2);
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    const std::string atPress = Line(Text(PANEL_TEXTPARAM), 2);
    QTest::mouseMove(graph, start + QPoint(60, 0));
    const std::string whileDragging = Line(Text(PANEL_TEXTPARAM), 2);
    EXPECT_NE(atPress, whileDragging);
    QTest::mouseRelease(graph, Qt::LeftButton, {}, start + QPoint(60, 0));
    double d, s;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    EXPECT_DOUBLE_EQ(s, ScaleAt(pixelsize, settings.focal, d));  // on the line
}

TEST_F(AppTest, OnlyTheCommitEventDoesAnything) {
    InitPanel();
    const std::string report = Text(PANEL_TEXTPARAM);
    SetCtrlVal(panelHandle, PANEL_XMM, 36.0);
    SetCtrlVal(panelHandle, PANEL_APERTURE, 11.0);
    for (CtrlCallbackPtr callback :
         {Redraw, Cursor, ResetCallback, HelpCallback, SavePanelButtonCallback, QuitCallback}) {
        EXPECT_EQ(callback(panelHandle, 0, 2, nullptr, 0, 0), 0);
    }
    EXPECT_EQ(Text(PANEL_TEXTPARAM), report);
    EXPECT_EQ(Number(PANEL_XMM), 36.0);
    EXPECT_EQ(Number(PANEL_RATIO), 1.5);
    EXPECT_EQ(ReadIni(), "");
}

TEST_F(AppTest, HugeValuesScaleAndShowWhole) {
    InitPanel();
    SetCtrlVal(panelHandle, PANEL_XMM, 1e30);
    SetCtrlVal(panelHandle, PANEL_DMAX, 1e30);
    SetCtrlVal(panelHandle, PANEL_XPIX, 2147483647);
    SetCtrlVal(panelHandle, PANEL_YPIX, 2147483647);
    Redraw(panelHandle, PANEL_XMM, EVENT_COMMIT, nullptr, 0, 0);
    const std::string report = Text(PANEL_TEXTPARAM);
    EXPECT_EQ(Line(report, 7).substr(0, 16), "Depth Of Field  ");
    EXPECT_FALSE(Widget<ui::GraphWidget>("GRAPH")->grab().isNull());
}

}  // namespace
