// SPDX-License-Identifier: MIT
// The main panel loaded from kadrel.uir as the program loads it, with the
// program-wide state reset and a fresh, empty program directory of its own
// for each test, so that no test sees another's kadrel.ini.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/subcommands.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "start/start.h"
#include "windows/menu/menu.h"

// While it lives, answers each message pop-up as a user pressing OK and
// keeps what it said, title and text joined by "|".
class PopupAnswerer {
  public:
    PopupAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said.push_back((box->windowTitle() + "|" + box->text()).toStdString());
                box->accept();
            }
        });
        timer_.start(5);
    }
    std::vector<std::string> said;

  private:
    QTimer timer_;
};

class AppTest : public ::testing::Test {
  public:
    static void SetUpTestSuite() { RegisterPanelCallbacks(); }

    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_EQ(SetProjectDir(programDir.path().toUtf8().constData()), 0);
        settings = kFactorySettings;
        LocateSettingsFile();
        panelHandle = LoadPanel(0, KADREL_UIR, PANEL);
        ASSERT_GT(panelHandle, 0);
        Show();
    }

    // Keyboard focus needs an active window.
    static void Show() {
        DisplayPanel(panelHandle);
        QWidget* window = Widget("XMM")->window();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void TearDown() override {
        DiscardPanel(panelHandle);
        SetProjectDir(nullptr);
    }

    // Restarts as the program does: a fresh panel, then InitPanel.
    void Restart() {
        DiscardPanel(panelHandle);
        settings = kFactorySettings;
        panelHandle = LoadPanel(0, KADREL_UIR, PANEL);
        Show();
        InitPanel();
    }

    static void WriteIni(const std::string& text) { std::ofstream(iniFullPath) << text; }

    static std::string ReadIni() {
        std::ifstream file(iniFullPath);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static double Number(int control) {
        if (Attribute(control, ATTR_DATA_TYPE) == VAL_INTEGER) {
            int i = 0;
            GetCtrlVal(panelHandle, control, &i);
            return i;
        }
        float f = 0;
        GetCtrlVal(panelHandle, control, &f);
        return f;
    }

    static std::string Text(int control) {
        std::string text;
        GetCtrlVal(panelHandle, control, &text);
        return text;
    }

    static int Attribute(int control, int attribute) {
        int v = -1;
        GetCtrlAttribute(panelHandle, control, attribute, &v);
        return v;
    }

    // The widget of a control, found by its constant name.
    template <typename T = QWidget>
    static T* Widget(const char* constantName) {
        for (QWidget* w : QApplication::allWidgets()) {
            if (w->objectName() == constantName && qobject_cast<T*>(w) &&
                w->window()->isVisible()) {
                return qobject_cast<T*>(w);
            }
        }
        return nullptr;
    }

    // Types into a field as a user would and confirms with Return.
    static void TypeInto(const char* constantName, const char* text) {
        auto* field = Widget<QAbstractSpinBox>(constantName);
        ASSERT_NE(field, nullptr) << constantName;
        field->setFocus();
        field->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QTemporaryDir programDir;
};

// The panel as the program starts it, with the menus, windows and tooltips
// that stand beside it.
class ExtrasAppTest : public AppTest {
  public:
    void SetUp() override {
        AppTest::SetUp();
        InstallExtras(panelHandle);
        InitPanel();
    }
};
