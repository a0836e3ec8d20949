// SPDX-License-Identifier: MIT
// The Preferences dialog opened and left with Escape again and again, once
// it has been drawn, as a user would: the resident set after a warm-up and after `count`
// more (1000 unless given), in kilobytes, on one line, so that a dialog that
// leaks shows as growth. On the display it is given (xcb under Xvfb in
// `make bench`), else offscreen.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "windows/menu/menu.h"
#include "windows/preferences/preferences_dialog.h"

namespace {

constexpr int kWarmUp = 100;  // fonts, styles and caches settle first

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

void OpenAndLeave() {
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            (void)QTest::qWaitForWindowExposed(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    OpenPreferences();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    const RuntimeLifetime lifetime;
    RegisterPanelCallbacks();
    panelHandle = LoadPanel(0, "kadrel.uir", PANEL);
    if (panelHandle < 0) {
        return 1;
    }
    InstallExtras(panelHandle);
    DisplayPanel(panelHandle);
    InitPanel();
    QWidget* panel = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        panel = window->isVisible() ? window : panel;
    }
    if (panel == nullptr || !QTest::qWaitForWindowExposed(panel)) {
        return 1;
    }
    for (int i = 0; i < kWarmUp; ++i) {
        OpenAndLeave();
    }
    const long before = ResidentKilobytes();
    for (int i = 0; i < count; ++i) {
        OpenAndLeave();
    }
    std::printf("%ld %ld\n", before, ResidentKilobytes());
    DiscardPanel(panelHandle);
    return 0;
}
