// SPDX-License-Identifier: MIT
// Keys beyond the mouse: buttons pressed by Return and by shortcut keys, the
// copy key shared between a field's selection and a button, Escape dropping
// an edit, and the keyboard staying on a button that hid itself.
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "panel_fixture.h"

namespace {

class KeyboardTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        field = NewCtrl(panel, CTRL_NUMERIC, "Focal length (mm)", 20, 100);
        SetCtrlAttribute(panel, field, ATTR_CONSTANT_NAME, "FIELD");
        SetCtrlAttribute(panel, field, ATTR_CALLBACK_FUNCTION_POINTER, Record);
        SetCtrlVal(panel, field, 24.0);
        button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "COPY", 60, 100);
        SetCtrlAttribute(panel, button, ATTR_CONSTANT_NAME, "BUTTON");
        SetCtrlAttribute(panel, button, ATTR_CALLBACK_FUNCTION_POINTER, Record);
        DisplayPanel(panel);
        QApplication::setActiveWindow(widget("FIELD")->window());
        edit = widget("FIELD")->findChild<QLineEdit*>();
    }

    int pressed() const {
        int count = 0;
        for (const Event& e : events()) {
            count += e.control == button;
        }
        return count;
    }

    int field = 0, button = 0;
    QLineEdit* edit = nullptr;
};

TEST_F(KeyboardTest, ReturnAndEnterPressAFocusedButton) {
    QWidget* b = widget("BUTTON");
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(pressed(), 3);
    QTest::keyClick(b, Qt::Key_Return, Qt::ShiftModifier);  // not a plain press
    EXPECT_EQ(pressed(), 3);
}

TEST_F(KeyboardTest, ShortcutKeysPressTheirButtonFromAnywhereInTheWindow) {
    EXPECT_EQ(SetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, "F1"), 0);
    widget("FIELD")->setFocus();
    QTest::keyClick(widget("FIELD"), Qt::Key_F1);
    EXPECT_EQ(pressed(), 1);
    std::string key;
    GetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, &key);
    EXPECT_EQ(key, "F1");

    EXPECT_EQ(SetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, "Ctrl+Q"), 0);  // replaces F1
    QTest::keyClick(widget("FIELD"), Qt::Key_F1);
    QTest::keyClick(widget("FIELD"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(pressed(), 2);
    SetCtrlAttribute(panel, button, ATTR_VISIBLE, 0);  // a hidden button is not pressed
    QTest::keyClick(widget("FIELD"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(pressed(), 2);

    for (const char* bad : {"Ctrl+Q, Ctrl+W", "NoSuchKey"}) {
        EXPECT_EQ(SetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, bad), UIEBadValue) << bad;
    }
    GetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, &key);
    EXPECT_EQ(key, "Ctrl+Q");
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_SHORTCUT_KEY, "F2"), UIEBadAttribute);
}

// Ctrl+C copies a field's selected text; with nothing selected it is the
// window's copy key.
TEST_F(KeyboardTest, CopyKeyGoesToTheSelectionFirst) {
    SetCtrlAttribute(panel, button, ATTR_SHORTCUT_KEY, "Ctrl+C");
    QWidget* f = widget("FIELD");
    f->setFocus();
    QApplication::clipboard()->setText("before");
    edit->selectAll();
    QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "24.00");
    EXPECT_EQ(pressed(), 0);
    edit->deselect();
    QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(pressed(), 1);
}

TEST_F(KeyboardTest, EscapeBringsBackTheCommittedValue) {
    QWidget* f = widget("FIELD");
    f->setFocus();
    edit->selectAll();
    QTest::keyClicks(f, "85");
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "24.00");
    QTest::keyClick(f, Qt::Key_Tab);  // leaving after Escape commits nothing
    double value = 0;
    GetCtrlVal(panel, field, &value);
    EXPECT_EQ(value, 24.0);
    EXPECT_TRUE(events().empty());
}

int HideAndShow(int panel, int control, int, void*, int, int) {
    SetCtrlAttribute(panel, control, ATTR_VISIBLE, 0);
    SetCtrlAttribute(panel, control, ATTR_VISIBLE, 1);
    return 0;
}

TEST_F(KeyboardTest, AButtonThatHidItselfKeepsTheKeyboard) {
    SetCtrlAttribute(panel, button, ATTR_CALLBACK_FUNCTION_POINTER, HideAndShow);
    QWidget* b = widget("BUTTON");
    b->setFocus();
    ASSERT_TRUE(b->hasFocus());
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_TRUE(b->hasFocus());
}

}  // namespace
