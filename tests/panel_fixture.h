// SPDX-License-Identifier: MIT
// A fresh panel per test, and a callback that counts commit events.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <vector>

#include "ui/userint.h"

struct Event {
    int panel, control, event, data1;
};

class PanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        events().clear();
        panel = NewPanel(0, "test", 10, 10, 300, 400);
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { DiscardPanel(panel); }

    static std::vector<Event>& events() {
        static std::vector<Event> list;
        return list;
    }
    static int Record(int panel, int control, int event, void*, int data1, int) {
        events().push_back({panel, control, event, data1});
        return 0;
    }
    // A widget of this panel by its constant name.
    template <typename T = QWidget>
    T* widget(const char* constantName) {
        for (QWidget* w : QApplication::allWidgets()) {
            if (w->objectName() == constantName && qobject_cast<T*>(w)) {
                return qobject_cast<T*>(w);
            }
        }
        return nullptr;
    }

    int panel = 0;
};
