// SPDX-License-Identifier: MIT
// Fitting texts into their room: the font steps, captions and text messages
// kept clear of their neighbours on a panel, a field's whole value out of
// editing, texts in front of a graph.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "panel_fixture.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/text/fitting_label.h"
#include "widgets/text/text_fit.h"

namespace {

TEST(FittingFont, CondensedBeforeSmallerAndNeverAnotherFamily) {
    QFont font = QApplication::font();
    font.setPixelSize(13);
    const QString text = "Angle of view (degree)";
    const int natural = ui::textWidth(font, text);
    EXPECT_EQ(ui::fittingFont(font, text, natural), font);  // fits: unchanged

    const QFont slightly = ui::fittingFont(font, text, natural * 95 / 100);
    EXPECT_LT(slightly.stretch(), 100);
    EXPECT_GE(slightly.stretch(), 85);
    EXPECT_EQ(slightly.pixelSize(), 13);  // condensed, not smaller
    EXPECT_LE(ui::textWidth(slightly, text), natural * 95 / 100);

    const QFont smaller = ui::fittingFont(font, text, natural / 2);
    EXPECT_LT(smaller.pixelSize(), 13);
    EXPECT_LE(ui::textWidth(smaller, text), natural / 2);
    for (const QFont& f : {slightly, smaller}) {
        EXPECT_EQ(f.family(), font.family());
        EXPECT_EQ(f.bold(), font.bold());
    }
    // No room at all: the smallest tried, still a third of the size or more.
    EXPECT_GE(ui::fittingFont(font, text, 1).pixelSize(), 13 / 3);
    EXPECT_EQ(ui::textWidth(font, "ab\nabcdef"), ui::textWidth(font, "abcdef"));
}

class ArrangeTest : public PanelTest {
  protected:
    // A field of the given width at left 200 with its caption at labelLeft,
    // and a neighbour ending at 120 on the same row.
    void build(const char* caption, int labelLeft) {
        const int left = NewCtrl(panel, CTRL_NUMERIC, "", 20, 40);
        SetCtrlAttribute(panel, left, ATTR_WIDTH, 80);
        field = NewCtrl(panel, CTRL_NUMERIC, caption, 20, 200);
        SetCtrlAttribute(panel, field, ATTR_CONSTANT_NAME, "FIELD");
        SetCtrlAttribute(panel, field, ATTR_WIDTH, 60);
        SetCtrlAttribute(panel, field, ATTR_LABEL_LEFT, labelLeft);
        SetCtrlAttribute(panel, field, ATTR_LABEL_TOP, 22);
        DisplayPanel(panel);
        for (QWidget* w : QApplication::allWidgets()) {
            if (auto* l = qobject_cast<ui::FittingLabel*>(w); l && l->buddy() == widget("FIELD")) {
                label = l;
            }
        }
        ASSERT_NE(label, nullptr);
    }
    int inkRight() const { return label->x() + ui::textWidth(label->drawnFont(), label->text()); }

    int field = 0;
    ui::FittingLabel* label = nullptr;
};

TEST_F(ArrangeTest, ACaptionThatFitsStaysWhereItWasPut) {
    build("d max", 160);
    EXPECT_EQ(label->pos(), QPoint(160, 22));
    EXPECT_EQ(label->drawnFont(), label->font());
}

TEST_F(ArrangeTest, ACaptionReachingItsFieldTakesTheRoomToItsLeft) {
    build("Focal length", 180);
    EXPECT_LT(label->x(), 180);
    EXPECT_LE(inkRight(), 200 - 3);  // against the field, with the gap
    EXPECT_GE(inkRight(), 200 - 5);
    EXPECT_EQ(label->drawnFont(), label->font());
}

TEST_F(ArrangeTest, ACaptionWithoutRoomIsDrawnNarrowerNotCut) {
    build("Angle of view (degree) of the lens", 180);
    EXPECT_EQ(label->x(), 120 + 3);  // after the neighbour, with the gap
    EXPECT_NE(label->drawnFont(), label->font());
    EXPECT_LE(inkRight(), 200 - 3);
    EXPECT_EQ(label->text(), "Angle of view (degree) of the lens");
    // A shorter caption goes back to its place and its own font.
    SetCtrlAttribute(panel, field, ATTR_LABEL_TEXT, "f");
    EXPECT_EQ(label->pos(), QPoint(180, 22));
    EXPECT_EQ(label->drawnFont(), label->font());
}

// The cursor's horizontal line runs through the rows of two texts: beneath
// the one in front of the graph, over the one behind it.
TEST_F(PanelTest, TextsInFrontOfAGraphLieOnItsPlot) {
    const int graph = NewCtrl(panel, CTRL_GRAPH, "", 20, 20);
    SetCtrlAttribute(panel, graph, ATTR_CONSTANT_NAME, "GRAPH");
    SetCtrlAttribute(panel, graph, ATTR_WIDTH, 300);
    SetCtrlAttribute(panel, graph, ATTR_HEIGHT, 200);
    SetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, 1);
    SetCursorAttribute(panel, graph, 1, ATTR_CURSOR_COLOR, 0x0000FF);
    for (int axis : {VAL_XAXIS, VAL_LEFT_YAXIS}) {
        SetAxisScalingMode(panel, graph, axis, VAL_MANUAL, 0.0, 100.0);
    }
    const int front = NewCtrl(panel, CTRL_TEXT_MSG, "in front", 100, 120);
    SetCtrlAttribute(panel, front, ATTR_CONSTANT_NAME, "FRONT");
    const int behind = NewCtrl(panel, CTRL_TEXT_MSG, "behind", 100, 220);
    SetCtrlAttribute(panel, behind, ATTR_CONSTANT_NAME, "BEHIND");
    SetCtrlAttribute(panel, behind, ATTR_ZPLANE_POSITION, 2);
    DisplayPanel(panel);
    auto* g = widget<ui::GraphWidget>("GRAPH");
    auto* inFront = widget<ui::FittingLabel>("FRONT");
    const QRectF plot = g->plotArea();
    const double row = inFront->geometry().center().y() - g->y();
    SetGraphCursor(panel, graph, 1, 10.0, (plot.bottom() - row) / plot.height() * 100.0);
    const QImage shot = g->parentWidget()->grab().toImage();
    auto blueIn = [&](const char* name) {
        const QRect r = widget<QWidget>(name)->geometry();
        int blue = 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                blue += (shot.pixel(x, y) & 0xFFFFFF) == 0x0000FF;
            }
        }
        return blue;
    };
    EXPECT_EQ(blueIn("FRONT"), 0);
    EXPECT_GT(blueIn("BEHIND"), 0);
}

// A label keeps its measured size and lines for a new text only where that is
// exact: whatever it answers is what a label given that text at once measures.
TEST(FittingLabelSize, AlwaysWhatAPlainLabelMeasures) {
    QFont mono("DejaVu Sans Mono");
    mono.setPixelSize(12);
    QFont proportional = QApplication::font();
    proportional.setPixelSize(13);
    const QString texts[] = {
        "Field size WxH  2.48x1.65 m = 4.09 m\u00b2\nRear dof        0.31 m",
        "Field size WxH  4.51x3.01 m = 3.56 m\u00b2\nRear dof        1.12 m",   // same cells
        "Field size WxH  4.48x2.99 m = 13.41 m\u00b2\nRear dof        1.11 m",  // one more
        "Field size WxH  4.48x2.99 m = 3.41 m   \nRear dof        1.11 m",      // trailing spaces
        "Field size WxH  4.48x2.99 m = 3.41 m&&\nRear dof        1.11 m",
        "Field size WxH  4.48x2.99 m = 3.41 m\u00b2\nRear dof\t1.11 m\nDepth",
        "Field size WxH  4.48x2.99 m = 3.41 \u4e2d\u00b2\nRear dof        1.11 m",
        "    ",
        "",
        "iiiiiiiiii",
        "WWWWWWWWWW",
    };
    for (const QFont& font : {mono, proportional}) {
        ui::FittingLabel label(nullptr);
        QLabel plain;
        for (QLabel* l : {static_cast<QLabel*>(&label), &plain}) {
            l->setFont(font);
            l->setAlignment(Qt::AlignRight);
            l->resize(400, 60);
        }
        for (const QString& text : texts) {
            label.setText(text);
            plain.setText(text);
            ui::FittingLabel fresh(nullptr);
            fresh.setFont(font);
            fresh.setAlignment(Qt::AlignRight);
            fresh.resize(400, 60);
            fresh.setText(text);
            EXPECT_EQ(label.sizeHint(), plain.sizeHint()) << "[" << text.toStdString() << "]";
            EXPECT_EQ(label.lineRects(), fresh.lineRects()) << "[" << text.toStdString() << "]";
        }
    }
}

// The plot area makes room for the widest y tick label, whatever scale came
// before.
TEST_F(PanelTest, ThePlotMakesRoomForTheWidestTickLabel) {
    const int graph = NewCtrl(panel, CTRL_GRAPH, "", 20, 20);
    SetCtrlAttribute(panel, graph, ATTR_CONSTANT_NAME, "GRAPH");
    SetCtrlAttribute(panel, graph, ATTR_WIDTH, 300);
    SetCtrlAttribute(panel, graph, ATTR_HEIGHT, 200);
    auto* g = widget<ui::GraphWidget>("GRAPH");
    auto leftFor = [&](double max) {
        SetAxisScalingMode(panel, graph, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, max);
        return g->plotArea().left();
    };
    const double narrow = leftFor(5.0);
    const double wide = leftFor(500000.0);
    EXPECT_GT(wide, narrow + ui::textWidth(g->font(), "0000"));
    EXPECT_EQ(leftFor(5.0), narrow);
    QFont larger = g->font();
    larger.setPixelSize(30);
    g->setFont(larger);
    EXPECT_GT(leftFor(5.0), narrow);
}

}  // namespace
