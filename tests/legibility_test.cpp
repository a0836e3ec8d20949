// SPDX-License-Identifier: MIT
// The real panel at the scale factor the test runs under (1, 1.5, 2): no text
// reaches another control, fields show whole values, the report stays clear
// of the graph's lines, pictures are drawn at the screen's pixel density.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <vector>

#include "app_fixture.h"
#include "model/model.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/picture_widget.h"
#include "widgets/text/fitting_label.h"
#include "widgets/text/text_fit.h"

namespace {

using ui::FittingLabel;

// The panel's looks; run again at the scale factors 1.5 and 2.
class Legibility : public AppTest {};

struct PanelText {
    const FittingLabel* label;
    const QWidget* field;  // the control a caption belongs to; none for a text message
};

std::vector<PanelText> PanelTexts() {
    std::vector<PanelText> texts;
    for (const auto& c : ui::findPanel(panelHandle)->controls) {
        if (auto* caption = qobject_cast<FittingLabel*>(c->label)) {
            texts.push_back({caption, c->widget});
        }
        if (auto* text = qobject_cast<FittingLabel*>(c->widget); text && text->isVisible()) {
            texts.push_back({text, nullptr});
        }
    }
    return texts;
}

// The ink of a text, measured in the font it is drawn in.
QRect TextBox(const QLabel& label) {
    const QString shown = QString(label.text()).remove('&');
    const QFont drawn = qobject_cast<const FittingLabel*>(&label)->drawnFont();
    return QRect(label.pos(), QSize(ui::textWidth(drawn, shown), label.height()));
}

// Where a text lies on a control: inside a box, inside a graph's plot.
QRect Inside(const QWidget& control) {
    if (auto* graph = qobject_cast<const ui::GraphWidget*>(&control)) {
        return graph->plotArea().toAlignedRect().translated(graph->pos());
    }
    return control.geometry();
}

void ExpectClear(const PanelText& text) {
    const QRect box = TextBox(*text.label);
    const std::string name = text.label->text().toStdString();
    EXPECT_LE(box.width(), text.label->width()) << name << " is cut";
    for (const auto& c : ui::findPanel(panelHandle)->controls) {
        for (const QWidget* other : {c->widget, static_cast<QWidget*>(c->label)}) {
            if (other == nullptr || other == text.label || !other->isVisible()) {
                continue;
            }
            const QRect o = other == c->label ? TextBox(*c->label) : other->geometry();
            if (other != text.field && o.contains(box.topLeft())) {
                EXPECT_TRUE(Inside(*other).contains(box)) << name << " leaves what it lies on";
            } else {
                EXPECT_FALSE(box.adjusted(-1, 0, 1, 0).intersects(o))
                    << name << " touches " << other->objectName().toStdString() << " "
                    << other->metaObject()->className();
            }
        }
    }
}

TEST_F(Legibility, NoTextReachesItsFieldOrAnotherControl) {
    InitPanel();
    for (const PanelText& text : PanelTexts()) {
        ExpectClear(text);
    }
    // Long remarks and large values grow the texts; they still keep clear.
    TypeInto("DMAX", "1e9");
    TypeInto("XPIX", "123456789");
    for (const PanelText& text : PanelTexts()) {
        ExpectClear(text);
    }
}

// Where each text outside the graph's plot is and the font it is drawn in,
// but for the remarks, which say other things for other values.
std::vector<std::string> TextsBesideTheReport() {
    std::vector<std::string> places;
    for (const PanelText& text : PanelTexts()) {
        const QString name = text.label->objectName();
        if (name != "TEXTPARAM" && !name.startsWith("TEXTRATIO")) {
            const QRect r = text.label->geometry();
            places.push_back(QString("%1 at %2,%3 %4x%5 in %6")
                                 .arg(text.label->text())
                                 .arg(r.x())
                                 .arg(r.y())
                                 .arg(r.width())
                                 .arg(r.height())
                                 .arg(text.label->drawnFont().toString())
                                 .toStdString());
        }
    }
    return places;
}

// However long a report line grows, it is fitted inside the plot: no other
// text moves or shrinks because of it.
TEST_F(Legibility, LongReportLinesMoveNoOtherText) {
    InitPanel();
    const auto before = TextsBesideTheReport();
    const auto expectUnmoved = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(TextsBesideTheReport(), before);
        for (const PanelText& text : PanelTexts()) {
            ExpectClear(text);
        }
    };
    TypeInto("XMM", "1e30");
    expectUnmoved("X size 1e30");
    Restart();
    TypeInto("DMAX", "384400000");
    auto* graph = Widget("GRAPH");
    graph->setFocus();
    QTest::keyClick(graph, Qt::Key_End);
    EXPECT_NE(Text(PANEL_TEXTPARAM).find("Object distance 384400000.00 m"), std::string::npos);
    expectUnmoved("d max 384400000, cursor at its end");
    Restart();
    TypeInto("FOCAL", "10");
    TypeInto("DMAX", "100000");
    expectUnmoved("focal 10 mm, d max 100000");
}

// What the screen shows between each caption and its field: only the panel's
// colour, so no letter runs on under the field.
TEST_F(Legibility, ScreenShowsAGapBeforeEveryField) {
    InitPanel();
    QWidget* panel = Widget("XMM")->parentWidget();
    const QImage shot = panel->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const PanelText& text : PanelTexts()) {
        if (text.field == nullptr || text.field->x() < text.label->x()) {
            continue;  // a text message, or the graph's title above its plot
        }
        const QRect gap(text.field->x() - 2, text.label->y(), 2, text.label->height());
        for (int y = qRound(gap.top() * ratio); y < qRound((gap.bottom() + 1) * ratio); ++y) {
            for (int x = qRound(gap.left() * ratio); x < qRound((gap.right() + 1) * ratio); ++x) {
                ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFF, 0xF0F0F0u)
                    << text.label->text().toStdString() << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(Legibility, FieldsShowAllLeadingDigitsOutOfEditing) {
    InitPanel();
    auto* dmax = Widget<QAbstractSpinBox>("DMAX");
    auto* edit = dmax->findChild<QLineEdit*>();
    const struct {
        const char* typed;
        double value;
        const char* digits;
    } cases[] = {{"2500", 2500, "2500"}, {"123456", 123456, "123456"}, {"1e9", 1e9, "1000000000"}};
    for (const auto& c : cases) {
        TypeInto("DMAX", c.typed);  // Return commits; the field keeps the focus
        for (int away = 0; away < 2; ++away) {
            EXPECT_TRUE(edit->text().startsWith(c.digits)) << edit->text().toStdString();
            EXPECT_LE(ui::textWidth(edit->font(), edit->text()), edit->width() - 5)
                << edit->text().toStdString();
            EXPECT_EQ(Number(PANEL_DMAX), c.value);
            EXPECT_EQ(settings.dmax, static_cast<float>(c.value));
            Widget("XMM")->setFocus();
        }
        dmax->setFocus();  // editing again: every decimal, in the field's own font
        EXPECT_EQ(edit->text(), QString(c.digits) + ".00");
        EXPECT_EQ(edit->font(), dmax->font());
    }
    // Values that fit keep all their decimals and the field's font.
    Widget("XMM")->setFocus();
    TypeInto("FOCAL", "35");
    Widget("XMM")->setFocus();
    EXPECT_EQ(Widget<QAbstractSpinBox>("FOCAL")->text(), "35.00");
    WriteSettingsFile();
    EXPECT_NE(ReadIni().find("DMAX = 1000000000.0"), std::string::npos) << ReadIni();
}

// No pixel of the cursor's colour or the grid's white among the report's
// letters: the lines pass beneath it.
void ExpectReportClear(const char* when) {
    const auto* report = AppTest::Widget<FittingLabel>("TEXTPARAM");
    QWidget* panel = report->parentWidget();
    const QImage shot = panel->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const QRect& line : report->lineRects()) {
        const QRect r = line.translated(report->pos());
        for (int y = qRound(r.top() * ratio); y < qRound((r.bottom() + 1) * ratio); ++y) {
            for (int x = qRound(r.left() * ratio); x < qRound((r.right() + 1) * ratio); ++x) {
                const QRgb rgb = shot.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(rgb != 0x0000FF && rgb != 0xFFFFFF) << when << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(Legibility, ReportReadsCleanlyAtTheStartAndWhileDragging) {
    InitPanel();
    ExpectReportClear("at the start");
    auto* graph = Widget<ui::GraphWidget>("GRAPH");
    const QRectF plot = graph->plotArea();
    const QPoint start = plot.center().toPoint();
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    for (double fraction : {0.05, 0.15, 0.3, 0.5, 0.8}) {
        QTest::mouseMove(graph, QPoint(plot.left() + fraction * plot.width(), start.y()));
        ExpectReportClear("while dragging");
    }
    QTest::mouseRelease(graph, Qt::LeftButton, {}, start);
}

// d max 384400000 m: the x axis runs to 4e8 in steps of 1e8, and its last
// label, centred under the axis's end, stays whole inside the graph.
TEST_F(Legibility, TheLastTickLabelIsWholeWithAVeryLargeDmax) {
    InitPanel();
    TypeInto("DMAX", "384400000");
    auto* graph = Widget<ui::GraphWidget>("GRAPH");
    const ui::AxisScale x = graph->visibleScale(VAL_XAXIS);
    ASSERT_EQ(x.max, 4e8);
    EXPECT_EQ(ui::TickLabel(x.max, x), "4e+08");
    const QRectF plot = graph->plotArea();
    EXPECT_LE(plot.right() + ui::textWidth(graph->font(), "4e+08") / 2.0, graph->width());
    EXPECT_GE(plot.left() - ui::textWidth(graph->font(), "0") / 2.0, 0);
}

// A picture drawn from its SVG at the screen's density matches the SVG drawn
// straight at that many pixels; one scaled up from a single-density raster
// would not.
TEST_F(Legibility, PicturesAreDrawnAtTheScreensPixelDensity) {
    InitPanel();
    auto* picture = Widget<ui::PictureWidget>("PICTURE");
    ASSERT_FALSE(picture->svg().isEmpty());  // kept through kadrel.uir
    const QImage shot = picture->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    QImage expected(shot.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(shot.pixel(0, 0));
    QPainter painter(&expected);
    const QRect target = picture->imageRect();
    QSvgRenderer(picture->svg())
        .render(&painter, QRectF(target.topLeft() * ratio, QSizeF(target.size()) * ratio));
    painter.end();
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor a = shot.pixelColor(x, y), b = expected.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                             std::abs(a.blue() - b.blue()) >
                         6;
        }
    }
    EXPECT_EQ(differing, 0) << "of " << shot.width() << " x " << shot.height();
}

}  // namespace
