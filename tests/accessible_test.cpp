// SPDX-License-Identifier: MIT
// What assistive technology reads of the controls. Qt passes change notices
// on only to a live accessibility bridge, so the end-to-end test over AT-SPI
// checks those.
#include <QAccessible>
#include <QTest>

#include <limits>

#include "panel_fixture.h"
#include "widgets/graph/graph_widget.h"

namespace {

// A field, an indicator, a graph described by a text message, a button.
class AccessibleTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        field = NumericField("Aperture F", 10);
        SetCtrlAttribute(panel, field, ATTR_MIN_VALUE, 1.0);
        SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, 50.0);
        SetCtrlAttribute(panel, field, ATTR_INCR_VALUE, 0.5);
        SetCtrlAttribute(panel, field, ATTR_CALLBACK_FUNCTION_POINTER, Record);
        SetCtrlVal(panel, field, 3.5);
        indicator = NumericField("ratio X/Y", 40);
        SetCtrlAttribute(panel, indicator, ATTR_CTRL_MODE, VAL_INDICATOR);
        SetCtrlVal(panel, indicator, 1.5);
        graph = NewCtrl(panel, CTRL_GRAPH, "SCALE", 80, 10);
        SetCtrlAttribute(panel, graph, ATTR_WIDTH, 300);
        SetCtrlAttribute(panel, graph, ATTR_HEIGHT, 150);
        SetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, 1);
        SetCtrlAttribute(panel, graph, ATTR_CALLBACK_FUNCTION_POINTER, Record);
        PlotLine(panel, graph, 2.0, 1.0, 8.0, 4.0, 0x800000);
        SetGraphCursor(panel, graph, 1, 5.0, 2.5);
        report = NewCtrl(panel, CTRL_TEXT_MSG, "first line\nsecond line", 240, 10);
        for (int id : {field, indicator, graph, report}) {
            SetCtrlAttribute(panel, id, ATTR_CONSTANT_NAME,
                             QString("c%1").arg(id).toUtf8().constData());
        }
        DisplayPanel(panel);
    }

    int NumericField(const char* label, int top) {
        const int id = NewCtrl(panel, CTRL_NUMERIC, label, top, 100);
        SetCtrlAttribute(panel, id, ATTR_DATA_TYPE, VAL_FLOAT);
        SetCtrlAttribute(panel, id, ATTR_WIDTH, 90);  // room for every decimal
        return id;
    }

    QWidget* widgetOf(int control) {
        QWidget* found = nullptr;
        for (QWidget* w : QApplication::allWidgets()) {
            if (w->objectName() == QString("c%1").arg(control)) {
                found = w;
            }
        }
        return found;
    }

    QAccessibleInterface* of(int control) {
        QWidget* w = widgetOf(control);
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }

    int field = 0, indicator = 0, graph = 0, report = 0;
};

TEST_F(AccessibleTest, FieldsShowTheirNumberRangeAndStepIndicatorsAreReadOnly) {
    QAccessibleInterface* input = of(field);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->role(), QAccessible::SpinBox);
    EXPECT_EQ(input->text(QAccessible::Name), "Aperture F");
    QAccessibleValueInterface* value = input->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 3.5);
    EXPECT_EQ(value->minimumValue().toDouble(), 1.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 50.0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.5);
    EXPECT_TRUE(input->state().editable);
    EXPECT_FALSE(input->state().readOnly);
    ASSERT_NE(input->textInterface(), nullptr);
    EXPECT_EQ(input->textInterface()->text(0, -1), "3.50");

    QAccessibleInterface* result = of(indicator);
    EXPECT_TRUE(result->state().readOnly);
    EXPECT_FALSE(result->state().editable);
    EXPECT_EQ(result->valueInterface()->currentValue().toDouble(), 1.5);
    EXPECT_EQ(result->valueInterface()->minimumStepSize().toDouble(), 0.0);

    // A value given through assistive technology is settled and committed;
    // an indicator takes none.
    value->setCurrentValue(80.0);
    float aperture = 0;
    GetCtrlVal(panel, field, &aperture);
    EXPECT_EQ(aperture, 50.0f);
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].control, field);
    value->setCurrentValue(std::numeric_limits<double>::infinity());  // refused as typed
    GetCtrlVal(panel, field, &aperture);
    EXPECT_EQ(aperture, 50.0f);
    EXPECT_EQ(events().size(), 1u);
    result->valueInterface()->setCurrentValue(9.0);
    float ratio = 0;
    GetCtrlVal(panel, indicator, &ratio);
    EXPECT_EQ(ratio, 1.5f);
}

TEST_F(AccessibleTest, NamesAndDescriptionsComeFromAttributes) {
    QAccessibleInterface* input = of(field);
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_ACCESSIBLE_DESCRIPTION, "f-number"), 0);
    EXPECT_EQ(input->text(QAccessible::Description), "f-number");
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_ACCESSIBLE_NAME, "aperture"), 0);
    SetCtrlAttribute(panel, field, ATTR_LABEL_TEXT, "Aperture __F");  // the name stays
    EXPECT_EQ(input->text(QAccessible::Name), "aperture");
    SetCtrlAttribute(panel, field, ATTR_ACCESSIBLE_NAME, "");  // back to the label
    EXPECT_EQ(input->text(QAccessible::Name), "Aperture F");
    std::string kept;
    GetCtrlAttribute(panel, field, ATTR_ACCESSIBLE_DESCRIPTION, &kept);
    EXPECT_EQ(kept, "f-number");

    // A description taken from a text message follows its text; with the
    // link cut the control's own description is back.
    QAccessibleInterface* slider = of(graph);
    EXPECT_EQ(SetCtrlAttribute(panel, graph, ATTR_DESCRIBED_BY, report + 5), 0);  // not yet made
    EXPECT_EQ(slider->text(QAccessible::Description), "");
    SetCtrlAttribute(panel, graph, ATTR_ACCESSIBLE_DESCRIPTION, "graph");
    SetCtrlAttribute(panel, graph, ATTR_DESCRIBED_BY, report);
    SetCtrlVal(panel, report, "d = 5 m\nscale 2.5");
    EXPECT_EQ(slider->text(QAccessible::Description), "d = 5 m\nscale 2.5");
    SetCtrlAttribute(panel, graph, ATTR_DESCRIBED_BY, 0);
    EXPECT_EQ(slider->text(QAccessible::Description), "graph");
    EXPECT_EQ(SetCtrlAttribute(panel, graph, ATTR_DESCRIBED_BY, -1), UIEBadValue);
}

TEST_F(AccessibleTest, GraphIsASliderOverTheCursor) {
    QAccessibleInterface* slider = of(graph);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->text(QAccessible::Name), "SCALE");
    QAccessibleValueInterface* value = slider->valueInterface();
    ASSERT_NE(value, nullptr);
    double min = 0, max = 0;
    GetAxisRange(panel, graph, VAL_XAXIS, &min, &max);
    EXPECT_EQ(value->currentValue().toDouble(), 5.0);
    EXPECT_EQ(value->minimumValue().toDouble(), min);
    EXPECT_EQ(value->maximumValue().toDouble(), max);
    EXPECT_DOUBLE_EQ(value->minimumStepSize().toDouble(), (max - min) / 100);
    value->setCurrentValue(7.0);
    double x, y;
    GetGraphCursor(panel, graph, 1, &x, &y);
    EXPECT_EQ(x, 7.0);
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].data1, 1);
}

TEST_F(AccessibleTest, TextMessagesAreReadableText) {
    QAccessibleInterface* text = of(report);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_TRUE(text->state().readOnly);
    EXPECT_EQ(text->text(QAccessible::Name), "first line\nsecond line");
    QAccessibleTextInterface* t = text->textInterface();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->characterCount(), 22);
    EXPECT_EQ(t->text(0, -1), "first line\nsecond line");
    EXPECT_EQ(t->text(11, 17), "second");
    EXPECT_EQ(t->text(30, 40), "");
    int start = 0, end = 0;
    EXPECT_EQ(t->textAtOffset(13, QAccessible::LineBoundary, &start, &end), "second line");
    EXPECT_EQ(start, 11);
    // A line chosen is the selection a screen reader reads.
    EXPECT_EQ(t->selectionCount(), 0);
    SetCtrlAttribute(panel, report, ATTR_TEXT_SELECTABLE, VAL_SELECT_LINES);
    ASSERT_EQ(SetCtrlIndex(panel, report, 1), 0);
    t->selection(0, &start, &end);
    EXPECT_EQ(t->text(start, end), "second line");
    int line = 0;
    GetCtrlIndex(panel, report, &line);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(SetCtrlIndex(panel, report, 2), UIEBadValue);
}

// The keys a slider answers move the cursor along x: Home and End to the
// plotted data's ends, Page Up and Down by a tenth of the axis.
TEST(GraphKeys, HomeEndAndPageKeysMoveLikeASlider) {
    const int panel = NewPanel(0, "keys", 10, 10, 300, 400);
    const int graph = NewCtrl(panel, CTRL_GRAPH, "", 10, 10);
    SetCtrlAttribute(panel, graph, ATTR_CONSTANT_NAME, "KEYGRAPH");
    SetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, 1);
    PlotLine(panel, graph, 0.096, 0.1, 10.0, 2.6, 0x800000);  // x axis 0..10
    SetGraphCursor(panel, graph, 1, 5.0, 1.0);
    DisplayPanel(panel);
    QWidget* g = nullptr;
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() == "KEYGRAPH") {
            g = w;
        }
    }
    ASSERT_NE(g, nullptr);
    const struct {
        Qt::Key key;
        double x;
    } steps[] = {
        {Qt::Key_PageUp, 6.0},   {Qt::Key_PageUp, 7.0},  {Qt::Key_Right, 7.1},
        {Qt::Key_PageDown, 6.1}, {Qt::Key_Home, 0.096},  {Qt::Key_PageDown, 0.0},
        {Qt::Key_End, 10.0},     {Qt::Key_PageUp, 10.0}, {Qt::Key_Left, 9.9},
    };
    for (const auto& step : steps) {
        QTest::keyClick(g, step.key);
        double x, y;
        GetGraphCursor(panel, graph, 1, &x, &y);
        EXPECT_NEAR(x, step.x, 1e-12) << "after key " << step.key;
    }
    DiscardPanel(panel);
}

}  // namespace
