// SPDX-License-Identifier: MIT
// Numeric fields, texts and buttons: values, ranges and commit events.
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <limits>

#include "model/model.h"
#include "panel_fixture.h"

namespace {

class FieldTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        field = NewCtrl(panel, CTRL_NUMERIC, "Focal length (mm)", 20, 100);
        ASSERT_EQ(field, 2);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_CONSTANT_NAME, "FOCAL"), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_DATA_TYPE, VAL_FLOAT), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_MIN_VALUE, 10.0), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, 2000.0), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_PRECISION, 1), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_WIDTH, 75), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_CALLBACK_FUNCTION_POINTER, Record), 0);
        other = NewCtrl(panel, CTRL_NUMERIC, "other", 60, 100);
        DisplayPanel(panel);
        box = widget<QAbstractSpinBox>("FOCAL");
        ASSERT_NE(box, nullptr);
        box->setFocus();
        QApplication::processEvents();
    }

    float value() {
        float v = 0;
        EXPECT_EQ(GetCtrlVal(panel, field, &v), 0);
        return v;
    }

    void type(const char* text) {
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, text);
    }

    int field = 0;
    int other = 0;
    QAbstractSpinBox* box = nullptr;
};

TEST_F(FieldTest, TypedValuesOutsideTheRangeBecomeTheNearerBound) {
    type("5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(value(), 10.0f);
    EXPECT_EQ(box->text(), "10.0");
    type("80000");  // every keystroke is taken
    EXPECT_EQ(box->text(), "80000");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(value(), 2000.0f);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0].control, field);
    EXPECT_EQ(events()[0].event, EVENT_COMMIT);
}

TEST_F(FieldTest, OneCommitPerConfirmedChange) {
    type("50");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Tab);  // leaving without a new edit
    EXPECT_EQ(events().size(), 1u);
    box->setFocus();
    type("60");
    QTest::keyClick(box, Qt::Key_Tab);  // leaving after an edit commits
    EXPECT_EQ(events().size(), 2u);
    EXPECT_EQ(value(), 60.0f);
}

TEST_F(FieldTest, StepsCommitAndStopAtTheBounds) {
    SetCtrlAttribute(panel, field, ATTR_INCR_VALUE, 1.5);
    SetCtrlVal(panel, field, 1999.0);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(value(), 2000.0f);
    QTest::keyClick(box, Qt::Key_Up);  // at the bound: no change, no event
    EXPECT_EQ(events().size(), 1u);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(value(), 1998.5f);
    EXPECT_EQ(events().size(), 2u);
}

TEST_F(FieldTest, WheelStepsCommit) {
    SetCtrlVal(panel, field, 24.0);
    const QPointF at(box->width() / 2.0, box->height() / 2.0);
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(value(), 25.0f);
    EXPECT_EQ(events().size(), 1u);
}

TEST_F(FieldTest, TextThatIsNoNumberBringsTheValueBack) {
    SetCtrlVal(panel, field, 24.0);
    type("abc");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(value(), 24.0f);
    EXPECT_EQ(box->text(), "24.0");
    EXPECT_TRUE(events().empty());
}

// An input field holds finite numbers only: an infinity typed or written, or
// a number too large for a float, leaves the value as nan and abc do. A
// finite number beyond a finite bound still becomes the bound; an indicator
// shows an infinite result.
TEST_F(FieldTest, NonFiniteValuesLeaveAnInputFieldAsItWas) {
    const double inf = std::numeric_limits<double>::infinity();
    SetCtrlVal(panel, field, 24.0);
    SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, inf);
    for (const char* text : {"inf", "infinity", "-inf", "1e39", "1e400", "nan", "abc"}) {
        type(text);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(value(), 24.0f) << text;
        EXPECT_EQ(box->text(), "24.0") << text;
    }
    for (double written : {inf, -inf, 1e39, std::nan("")}) {
        EXPECT_EQ(SetCtrlVal(panel, field, written), 0);
        EXPECT_EQ(value(), 24.0f) << written;
    }
    SetCtrlVal(panel, field, 3.4e38);  // the largest floats are kept
    EXPECT_EQ(value(), 3.4e38f);
    QTest::keyClick(box, Qt::Key_PageUp);  // and stepped no further than a float goes
    EXPECT_EQ(value(), 3.4e38f);
    EXPECT_TRUE(events().empty());

    SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, 2000.0);
    type("inf");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(value(), 2000.0f);  // from 3.4e38, coerced by the new maximum
    SetCtrlVal(panel, field, 24.0);
    type("1e39");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(value(), 2000.0f);
    ASSERT_EQ(events().size(), 1u);

    SetCtrlAttribute(panel, other, ATTR_DATA_TYPE, VAL_FLOAT);
    SetCtrlAttribute(panel, other, ATTR_CTRL_MODE, VAL_INDICATOR);
    SetCtrlVal(panel, other, inf);
    float shown = 0;
    GetCtrlVal(panel, other, &shown);
    EXPECT_EQ(shown, std::numeric_limits<float>::infinity());
}

TEST_F(FieldTest, ProgramWritesKeepPrecisionRaiseNoEventAndIgnoreNaN) {
    EXPECT_EQ(SetCtrlVal(panel, field, 36.04), 0);
    EXPECT_EQ(value(), 36.04f);  // one decimal shown, full float kept
    EXPECT_EQ(box->text(), "36.0");
    EXPECT_EQ(SetCtrlVal(panel, field, std::nan("")), 0);
    EXPECT_EQ(value(), 36.04f);
    SetCtrlVal(panel, field, 5000);
    EXPECT_EQ(value(), 2000.0f);
    EXPECT_TRUE(events().empty());
}

// A field out of editing shows what its value, precision and width give,
// however it was shown before: after editing, a narrower or wider field, a
// write of the same value.
TEST_F(FieldTest, TheDisplayFollowsEveryChangeOutOfEditing) {
    auto* shown = widget<QAbstractSpinBox>("FOCAL")->findChild<QLineEdit*>();
    SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, 1e12);
    SetCtrlAttribute(panel, field, ATTR_PRECISION, 2);
    SetCtrlVal(panel, field, 123456.25);
    box->setFocus();
    EXPECT_EQ(shown->text(), "123456.25");  // editing: every decimal
    shown->end(false);
    box->clearFocus();
    const QString fitted = shown->text();
    EXPECT_TRUE(QStringList({"123456.25", "123456.3", "123456"}).contains(fitted))
        << fitted.toStdString();
    EXPECT_EQ(shown->cursorPosition(), 0);  // the leading digits in view
    SetCtrlAttribute(panel, field, ATTR_WIDTH, 200);
    EXPECT_EQ(shown->text(), "123456.25");
    SetCtrlAttribute(panel, field, ATTR_PRECISION, 0);
    EXPECT_EQ(shown->text(), "123456");
    shown->setText("typed");
    shown->setCursorPosition(0);
    SetCtrlVal(panel, field, 123456.25);
    EXPECT_EQ(shown->text(), "123456");
}

TEST_F(FieldTest, WrongTypesAndUnknownHandlesAreRefused) {
    int i = 7;
    double d = 7;
    std::string text;
    EXPECT_EQ(GetCtrlVal(panel, field, &i), UIEWrongType);
    EXPECT_EQ(GetCtrlVal(panel, field, &d), UIEWrongType);
    EXPECT_EQ(GetCtrlVal(panel, field, &text), UIEWrongType);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(SetCtrlVal(panel, field, "12"), UIEWrongType);
    EXPECT_EQ(SetCtrlVal(panel, 99, 1.0), UIEBadControlId);
    EXPECT_EQ(SetCtrlVal(panel + 100, field, 1.0), UIEBadPanelHandle);
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_PRECISION, 1.5), UIEWrongType);
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_XNAME, "x"), UIEBadAttribute);
    EXPECT_EQ(value(), 10.0f);  // nothing changed
}

TEST_F(FieldTest, IntegerFieldsSaturate) {
    SetCtrlAttribute(panel, other, ATTR_DATA_TYPE, VAL_INTEGER);
    SetCtrlAttribute(panel, other, ATTR_MIN_VALUE, 100);
    SetCtrlAttribute(panel, other, ATTR_MAX_VALUE, 2147483647.0);
    int v = 0;
    SetCtrlVal(panel, other, 1e12);
    GetCtrlVal(panel, other, &v);
    EXPECT_EQ(v, 2147483647);
    SetCtrlVal(panel, other, 99);
    GetCtrlVal(panel, other, &v);
    EXPECT_EQ(v, 100);
}

TEST_F(FieldTest, LabelIsTheAccessibleName) {
    EXPECT_EQ(box->accessibleName(), "Focal length (mm)");
}

TEST_F(PanelTest, TextMessagesGrowToFitTheirText) {
    const int text = NewCtrl(panel, CTRL_TEXT_MSG, "ratio1", 10, 10);
    SetCtrlAttribute(panel, text, ATTR_WIDTH, 29);
    SetCtrlAttribute(panel, text, ATTR_HEIGHT, 15);
    SetCtrlVal(panel, text, "a much longer remark than before\nand a second line");
    int width = 0, height = 0;
    GetCtrlAttribute(panel, text, ATTR_WIDTH, &width);
    GetCtrlAttribute(panel, text, ATTR_HEIGHT, &height);
    EXPECT_GT(width, 100);
    EXPECT_GT(height, 25);
    std::string back;
    GetCtrlVal(panel, text, &back);
    EXPECT_EQ(back, "a much longer remark than before\nand a second line");
}

// A typed line: one commit per edit, by Return or by leaving it, and before a
// button acts on it; the program's writes raise nothing.
TEST_F(PanelTest, StringFieldsCommitEachEditOnce) {
    const int near = NewCtrl(panel, CTRL_STRING, "Near end", 30, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, near, ATTR_CONSTANT_NAME, "NEAR"), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, near, ATTR_CALLBACK_FUNCTION_POINTER, Record), 0);
    const int go = NewCtrl(panel, CTRL_COMMAND_BUTTON, "Go", 80, 10);
    SetCtrlAttribute(panel, go, ATTR_CALLBACK_FUNCTION_POINTER, Record);
    DisplayPanel(panel);
    auto* line = widget<QLineEdit>("NEAR");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->accessibleName(), "Near end");
    EXPECT_EQ(SetCtrlVal(panel, near, "1.5 m"), 0);
    EXPECT_TRUE(events().empty());
    line->setFocus();
    QApplication::processEvents();
    line->selectAll();
    line->insert(QString::fromUtf8("\u221e"));  // as typed; QTest types ASCII only
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_Return);  // nothing new to commit
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].control, near);
    std::string text;
    EXPECT_EQ(GetCtrlVal(panel, near, &text), 0);
    EXPECT_EQ(text, "\u221e");
    QTest::keyClicks(line, "x");
    QTest::keyClick(line, Qt::Key_Tab);
    EXPECT_EQ(events().size(), 2u);
    line->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(line, "y");
    ui::commit(panel, go);  // as a shortcut key presses it, the keyboard still in the line
    ASSERT_EQ(events().size(), 4u);
    EXPECT_EQ(events()[2].control, near);
    EXPECT_EQ(events()[3].control, go);

    EXPECT_EQ(SetCtrlAttribute(panel, near, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    EXPECT_TRUE(line->isReadOnly());
    EXPECT_EQ(SetCtrlAttribute(panel, near, ATTR_DFLT_VALUE, "2 m"), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, near, ATTR_DFLT_VALUE, 2.0), UIEWrongType);
    EXPECT_EQ(DefaultCtrl(panel, near), 0);
    EXPECT_EQ(line->text(), "2 m");
    double number = 0;
    EXPECT_EQ(GetCtrlVal(panel, near, &number), UIEWrongType);
    EXPECT_EQ(SetCtrlAttribute(panel, near, ATTR_PRECISION, 2), UIEBadAttribute);
}

TEST_F(PanelTest, ButtonsCommitAndShowTheirMnemonic) {
    const int ok = NewCtrl(panel, CTRL_COMMAND_BUTTON, "__OK", 10, 10);
    SetCtrlAttribute(panel, ok, ATTR_CONSTANT_NAME, "OKBUTTON");
    SetCtrlAttribute(panel, ok, ATTR_CALLBACK_FUNCTION_POINTER, Record);
    auto* button = widget<QPushButton>("OKBUTTON");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "&OK");
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].control, ok);
}

TEST_F(PanelTest, CloseBoxRaisesTheCloseControlsCommit) {
    const int ok = NewCtrl(panel, CTRL_COMMAND_BUTTON, "OK", 10, 10);
    SetCtrlAttribute(panel, ok, ATTR_CALLBACK_FUNCTION_POINTER, Record);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_CLOSE_CTRL, ok), 0);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_CLOSE_CTRL, 77), UIEBadControlId);
    DisplayPanel(panel);
    QWidget* window = ui::findPanel(panel)->widget;
    EXPECT_FALSE(window->close());  // the window stays; the program decides
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].control, ok);
}

// What the user sees at a point where three boxes overlap: the newest, until
// another is put in front; a caption stays above its own field.
TEST_F(PanelTest, StackingFollowsTheFrontToBackOrder) {
    const int a = NewCtrl(panel, CTRL_BOX, "", 10, 10);
    const int b = NewCtrl(panel, CTRL_BOX, "", 20, 20);
    const int n = NewCtrl(panel, CTRL_NUMERIC, "n", 30, 30);
    for (int box : {a, b}) {
        SetCtrlAttribute(panel, box, ATTR_WIDTH, 100);
        SetCtrlAttribute(panel, box, ATTR_HEIGHT, 100);
        std::string name = "box" + std::to_string(box);
        SetCtrlAttribute(panel, box, ATTR_CONSTANT_NAME, name.c_str());
    }
    SetCtrlAttribute(panel, n, ATTR_CONSTANT_NAME, "field");
    SetCtrlAttribute(panel, n, ATTR_LABEL_TOP, 40);
    SetCtrlAttribute(panel, n, ATTR_LABEL_LEFT, 40);
    QWidget* window = ui::findPanel(panel)->widget;
    auto top = [&](int x, int y) {
        QWidget* w = window->childAt(x, y);
        while (w->parentWidget() != window) {
            w = w->parentWidget();
        }
        return w->objectName().toStdString();
    };
    EXPECT_EQ(top(42, 45), "");  // the caption, over its field
    EXPECT_EQ(top(35, 35), "field");
    EXPECT_EQ(top(25, 25), "box3");
    SetCtrlAttribute(panel, a, ATTR_ZPLANE_POSITION, 0);
    EXPECT_EQ(top(25, 25), "box2");
    EXPECT_EQ(top(35, 35), "box2");
}

TEST_F(PanelTest, IdentifiersOrdersAndDefaults) {
    const int a = NewCtrl(panel, CTRL_NUMERIC, "a", 0, 0);
    const int b = NewCtrl(panel, CTRL_NUMERIC, "b", 0, 0);
    const int c = NewCtrl(panel, CTRL_COMMAND_BUTTON, "c", 0, 0);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(c, 4);
    int position = -1;
    GetCtrlAttribute(panel, a, ATTR_ZPLANE_POSITION, &position);
    EXPECT_EQ(position, 2);  // newest in front
    SetCtrlAttribute(panel, a, ATTR_ZPLANE_POSITION, 0);
    GetCtrlAttribute(panel, a, ATTR_ZPLANE_POSITION, &position);
    EXPECT_EQ(position, 0);
    SetCtrlAttribute(panel, c, ATTR_CTRL_TAB_POSITION, 0);
    GetCtrlAttribute(panel, a, ATTR_CTRL_TAB_POSITION, &position);
    EXPECT_EQ(position, 1);
    SetCtrlAttribute(panel, b, ATTR_DFLT_VALUE, 4.25);
    SetCtrlVal(panel, b, 9.0);
    EXPECT_EQ(DefaultCtrl(panel, b), 0);
    double v = 0;
    GetCtrlVal(panel, b, &v);
    EXPECT_EQ(v, 4.25);
    SetCtrlAttribute(panel, b, ATTR_VISIBLE, 0);
    GetCtrlAttribute(panel, b, ATTR_VISIBLE, &position);
    EXPECT_EQ(position, 0);
}

}  // namespace
