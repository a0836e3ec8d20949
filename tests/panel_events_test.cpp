// SPDX-License-Identifier: MIT
// Panel events, pop-up menus, the number prompt, tooltips and the clipboard's
// text beside a picture.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

#include "panel_fixture.h"

namespace {

struct PanelEvent {
    int control, event, top, left;
    bool operator==(const PanelEvent& o) const {
        return control == o.control && event == o.event && top == o.top && left == o.left;
    }
};

std::vector<PanelEvent>& Raised() {
    static std::vector<PanelEvent> list;
    return list;
}

int Note(int, int control, int event, void*, int top, int left) {
    Raised().push_back({control, event, top, left});
    return 0;
}

// Runs `step` on the next pop-up or modal dialog once it shows.
void OnNextPopup(std::function<void(QWidget*)> step) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        QWidget* popup = QApplication::activePopupWidget();
        popup = popup ? popup : QApplication::activeModalWidget();
        if (popup != nullptr) {
            timer->stop();
            timer->deleteLater();
            step(popup);
        }
    });
    timer->start(10);
}

class PanelEventTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        Raised().clear();
        text = NewCtrl(panel, CTRL_TEXT_MSG, "report", 20, 30);
        field = NewCtrl(panel, CTRL_NUMERIC, "field", 80, 100);
        graph = NewCtrl(panel, CTRL_GRAPH, "graph", 120, 30);
        SetCtrlAttribute(panel, text, ATTR_CONSTANT_NAME, "TEXT");
        SetCtrlVal(panel, text, "report");  // lays the text out
        SetCtrlAttribute(panel, field, ATTR_CONSTANT_NAME, "FIELD");
        SetCtrlAttribute(panel, graph, ATTR_CONSTANT_NAME, "GRAPH");
        SetCtrlAttribute(panel, graph, ATTR_WIDTH, 200);
        SetCtrlAttribute(panel, graph, ATTR_HEIGHT, 100);
        ASSERT_EQ(InstallPanelCallback(panel, Note, nullptr), 0);
        DisplayPanel(panel);
        QApplication::setActiveWindow(widget("TEXT")->window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget("TEXT")->window()));
    }

    static void RightClick(QWidget* w, QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &event);
    }

    int text = 0, field = 0, graph = 0;
};

TEST_F(PanelEventTest, RightClicksDoubleClicksAndMenuKeysReachThePanel) {
    RightClick(widget("TEXT"), QPoint(2, 3));
    QTest::mouseDClick(widget("TEXT"), Qt::LeftButton, {}, QPoint(1, 1));
    RightClick(widget("TEXT")->window(), QPoint(300, 250));  // the background
    widget("GRAPH")->setFocus();
    QTest::keyClick(widget("GRAPH"), Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(widget("GRAPH"), Qt::Key_Menu);
    const std::vector<PanelEvent> expected{
        {text, EVENT_CONTEXT_MENU, 23, 32},    {text, EVENT_LEFT_DOUBLE_CLICK, 21, 31},
        {0, EVENT_CONTEXT_MENU, 250, 300},     {graph, EVENT_CONTEXT_MENU, 169, 129},
        {graph, EVENT_CONTEXT_MENU, 169, 129},
    };
    EXPECT_EQ(Raised(), expected);

    // A field keeps its editing menu; the panel hears nothing.
    Raised().clear();
    bool fieldMenu = false;
    OnNextPopup([&fieldMenu](QWidget* popup) {
        fieldMenu = qobject_cast<QMenu*>(popup) != nullptr;
        popup->close();
    });
    RightClick(widget("FIELD"), QPoint(5, 5));
    EXPECT_TRUE(fieldMenu);
    EXPECT_TRUE(Raised().empty());
}

TEST_F(PanelEventTest, ShortcutsBeatAFieldsEditingKeys) {
    ASSERT_EQ(AddPanelShortcut(panel, "Ctrl+D", 7), 0);
    EXPECT_EQ(AddPanelShortcut(panel, "", 8), UIEBadValue);
    EXPECT_EQ(AddPanelShortcut(panel + 100, "Ctrl+E", 8), UIEBadPanelHandle);
    SetCtrlVal(panel, field, 123.0);
    auto* editor = widget("FIELD")->findChild<QLineEdit*>();
    widget("FIELD")->setFocus();
    editor->setCursorPosition(0);
    QTest::keyClick(widget("FIELD"), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Raised(), (std::vector<PanelEvent>{{0, EVENT_SHORTCUT, 7, 0}}));
    EXPECT_EQ(editor->text().toStdString().substr(0, 3), "123");
}

TEST_F(PanelEventTest, PopupMenuReturnsTheChosenIdOrZero) {
    const MenuItem items[] = {
        {1, "Presets", 0, 0}, {10, "First & only", 1, 0}, {0, nullptr, 0, 0},
        {2, "Dimmed", 0, 1},  {3, "Last", 0, 0},
    };
    OnNextPopup([](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        EXPECT_EQ(menu->actions().size(), 4);  // submenu, separator, two items
        EXPECT_EQ(menu->actions()[0]->menu()->actions()[0]->text(), "First && only");
        EXPECT_FALSE(menu->actions()[2]->isEnabled());
        menu->setActiveAction(menu->actions()[3]);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(RunPopupMenu(panel, 10, 10, items, std::size(items)), 3);

    OnNextPopup([](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        menu->setActiveAction(menu->actions()[0]);
        QTest::keyClick(menu, Qt::Key_Right);
        OnNextPopup([](QWidget* submenu) { QTest::keyClick(submenu, Qt::Key_Return); });
    });
    EXPECT_EQ(RunPopupMenu(panel, 10, 10, items, std::size(items)), 10);

    OnNextPopup([](QWidget* popup) { QTest::keyClick(popup, Qt::Key_Escape); });
    EXPECT_EQ(RunPopupMenu(panel, 10, 10, items, std::size(items)), 0);

    const MenuItem orphan[] = {{1, "under nothing", 5, 0}};
    EXPECT_EQ(RunPopupMenu(panel, 0, 0, orphan, 1), UIEBadValue);
    EXPECT_EQ(RunPopupMenu(panel + 100, 0, 0, items, 1), UIEBadPanelHandle);
}

TEST_F(PanelEventTest, NumberPromptKeepsToItsRange) {
    double value = 50;
    OnNextPopup([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_EQ(PromptPopupNumber("t", "distance", &value, 0, 10, 2), 1);
    EXPECT_EQ(value, 10.0);  // the start value is brought into range
    OnNextPopup([](QWidget* dialog) {
        static_cast<QInputDialog*>(dialog)->setDoubleValue(3.25);
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_EQ(PromptPopupNumber("t", "distance", &value, 0, 10, 2), 0);
    EXPECT_EQ(value, 10.0);
    EXPECT_EQ(PromptPopupNumber("t", "distance", &value, 10, 0, 2), UIEBadValue);
}

std::string NoOddFirst(const FormField* fields, std::size_t, void*) {
    return fields[0].value == "odd" ? "not odd" : "";
}

// OK runs the check first: a refusal is shown and the form stays; Escape and
// the quit keys leave the values as they were.
TEST_F(PanelEventTest, FormPromptChecksBeforeOkAndTellsHowItWasLeft) {
    const char* const choices[] = {"metric", "imperial"};
    FormField fields[] = {{"TEXT", "&Text", nullptr, 0, 0, "odd"},
                          {"CHOICE", "&Choice", choices, 2, 0, "imperial"}};
    OnNextPopup([](QWidget* dialog) {
        auto* text = dialog->findChild<QLineEdit*>("TEXT");
        EXPECT_EQ(text->accessibleName(), "Text");
        QTest::keyClick(text, Qt::Key_Return);
        EXPECT_EQ(dialog->findChild<QLabel*>("FORM_PROBLEM")->text(), "not odd");
        EXPECT_TRUE(dialog->isVisible());
        text->setText("even");
        dialog->findChild<QComboBox*>("CHOICE")->setCurrentIndex(0);
        QTest::keyClick(text, Qt::Key_Return);
    });
    EXPECT_EQ(PromptPopupForm("t", "m", fields, 2, NoOddFirst, nullptr, "Ctrl+Q"), 1);
    EXPECT_EQ(fields[0].value, "even");
    EXPECT_EQ(fields[1].value, "metric");

    const std::pair<Qt::Key, int> ways[] = {{Qt::Key_Escape, 0}, {Qt::Key_Q, 2}};
    for (const auto& [key, result] : ways) {
        OnNextPopup([key = key](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("TEXT");
            text->setText("changed");
            // A shortcut reaches only the active window, which a busy machine makes late.
            QApplication::setActiveWindow(dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(text, key, key == Qt::Key_Q ? Qt::ControlModifier : Qt::NoModifier);
        });
        EXPECT_EQ(PromptPopupForm("t", nullptr, fields, 2, nullptr, nullptr, "Ctrl+Q"), result);
        EXPECT_EQ(fields[0].value, "even");
    }
    EXPECT_EQ(PromptPopupForm("t", "m", fields, 0, nullptr, nullptr, nullptr), UIEBadValue);
    EXPECT_EQ(PromptPopupForm("t", "m", fields, 2, nullptr, nullptr, "Ctrl+Q, Ctrl+W"),
              UIEBadValue);
}

// A tooltip shows as written, in the control's font, whatever it holds; what
// a screen reader hears as the description of the control and of its caption
// is that same plain text, without the markup that lays it out.
TEST_F(PanelEventTest, TooltipsAndSelectableText) {
    const char* written = "a <b>\n  b & c";
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_TOOLTIP_TEXT, written), 0);
    std::string tip;
    GetCtrlAttribute(panel, field, ATTR_TOOLTIP_TEXT, &tip);
    EXPECT_EQ(tip, written);
    QWidget* shown = widget("FIELD");
    QWidget* caption = nullptr;
    for (auto* label : shown->parentWidget()->findChildren<QLabel*>()) {
        caption = label->buddy() == shown ? label : caption;
    }
    ASSERT_NE(caption, nullptr);
    const auto description = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    for (QWidget* w : {shown, caption}) {
        EXPECT_EQ(description(w), written);
        const QPoint at = w->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &help);
        EXPECT_EQ(QToolTip::text(), "<p style=\"white-space:pre; font-family:'" +
                                        w->font().family() + "'\">a &lt;b&gt;\n  b &amp; c</p>");
        QToolTip::hideText();
    }
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_TOOLTIP_TEXT, ""), 0);
    EXPECT_TRUE(shown->toolTip().isEmpty());
    EXPECT_EQ(description(caption), "");
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_TOOLTIP_TEXT, 1), UIEWrongType);

    ASSERT_EQ(SetCtrlAttribute(panel, text, ATTR_TEXT_SELECTABLE, 1), 0);
    EXPECT_TRUE(widget<QLabel>("TEXT")->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(SetCtrlAttribute(panel, field, ATTR_TEXT_SELECTABLE, 1), UIEBadAttribute);
}

TEST_F(PanelEventTest, ClipboardTextBesideThePicture) {
    int bitmap = 0;
    ASSERT_EQ(GetPanelDisplayBitmap(panel, 0, MakeRect(0, 0, -1, -1), &bitmap), 0);
    ASSERT_EQ(ClipboardPutBitmap(bitmap, "m\xc2\xb2 \xe2\x88\x9e"), 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasImage());
    EXPECT_EQ(data->text(), QString::fromUtf8("m\xc2\xb2 \xe2\x88\x9e"));
    EXPECT_EQ(ClipboardPutBitmap(bitmap + 100, "x"), UIEBadBitmap);
    DiscardBitmap(bitmap);
    ASSERT_EQ(ClipboardPutText("plain"), 0);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "plain");
}

// What a window shows of a text: how many of its labels hold it, how many of
// those as plain text, and the window's size.
struct Shown {
    int labels = 0;
    int plain = 0;
    QSize size;
};

Shown LookFor(QWidget* window, const char* text) {
    Shown shown{0, 0, window->size()};
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() == QString::fromUtf8(text)) {
            ++shown.labels;
            shown.plain += label->textFormat() == Qt::PlainText;
        }
    }
    return shown;
}

// Shows the text in a pop-up and looks at it there before closing it.
Shown InPopup(const char* text, const std::function<void()>& open) {
    Shown shown;
    OnNextPopup([&](QWidget* dialog) {
        shown = LookFor(dialog, text);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    open();
    return shown;
}

std::string Echo(const FormField* fields, std::size_t, void*) {
    return fields[0].value;
}

// Text from a photo, a file, a name or a field is shown as written wherever
// the runtime shows it: never as markup, line breaks kept, the window of a
// sane size, whatever markup it holds.
TEST_F(PanelEventTest, OutsideTextIsShownAsWritten) {
    const char* const hostile[] = {"<b>Bold</b> <a href=x>link</a>", "<img src=/dev/zero>",
                                   "<img src=x width=20000 height=20000>",
                                   "<i>first</i> line\nsecond line"};
    const std::pair<const char*, std::function<Shown(const char*)>> places[] = {
        {"text message",
         [&](const char* t) {
             SetCtrlVal(panel, text, t);
             return LookFor(widget("TEXT")->window(), t);
         }},
        {"caption",
         [&](const char* t) {
             SetCtrlAttribute(panel, field, ATTR_LABEL_TEXT, t);
             return LookFor(widget("TEXT")->window(), t);
         }},
        {"message", [](const char* t) { return InPopup(t, [t] { MessagePopup("m", t); }); }},
        {"message beside",
         [&](const char* t) {
             return InPopup(t, [&, t] { MessagePopupBeside(panel, field, "m", t); });
         }},
        {"text prompt",
         [](const char* t) {
             std::string value;
             return InPopup(t, [&, t] { PromptPopupText("m", t, &value); });
         }},
        {"number prompt",
         [](const char* t) {
             double value = 1;
             return InPopup(t, [&, t] { PromptPopupNumber("m", t, &value, 0, 2, 1); });
         }},
        {"choice",
         [](const char* t) {
             const char* const items[] = {"a"};
             int chosen = 0;
             return InPopup(t, [&, t] { PromptPopupChoice("m", t, items, 1, &chosen); });
         }},
        {"form message and label",
         [](const char* t) {
             FormField fields[] = {{"F", t, nullptr, 0, 0, ""}};
             const Shown shown = InPopup(
                 t, [&, t] { PromptPopupForm("m", t, fields, 1, nullptr, nullptr, nullptr); });
             return Shown{shown.labels == 2 ? 1 : 0, shown.plain == 2 ? 1 : 0, shown.size};
         }},
        {"form refusal",
         [](const char* t) {
             FormField fields[] = {{"F", "f", nullptr, 0, 0, t}};
             Shown shown;
             OnNextPopup([&](QWidget* dialog) {
                 QTest::keyClick(dialog->findChild<QLineEdit*>("F"), Qt::Key_Return);
                 shown = LookFor(dialog, t);
                 QMetaObject::invokeMethod(dialog, "reject");
             });
             PromptPopupForm("m", "m", fields, 1, Echo, nullptr, nullptr);
             return shown;
         }},
    };
    for (const auto& [place, show] : places) {
        for (const char* t : hostile) {
            const Shown shown = show(t);
            EXPECT_GE(shown.labels, 1) << place << ": " << t;
            EXPECT_EQ(shown.plain, shown.labels) << place << ": " << t;
            EXPECT_LT(shown.size.width(), 1000) << place << ": " << t;
            EXPECT_LT(shown.size.height(), 1000) << place << ": " << t;
        }
    }
}

}  // namespace
