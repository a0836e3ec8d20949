// SPDX-License-Identifier: MIT
// A panel of many controls, created and then loaded back from its file:
// prints the two times in milliseconds. Usage: many_controls [COUNT]
#include <QApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ui/userint.h"

namespace {

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    const RuntimeLifetime lifetime;
    const QTemporaryDir dir;
    const QByteArray file = (dir.path() + "/many.uir").toUtf8();
    auto start = std::chrono::steady_clock::now();
    const int panel = NewPanel(0, "many", 0, 0, 1000, 1000);
    for (int i = 0; i < count; ++i) {
        // Fields take the focus and so join the tab order; text messages do not.
        const int kind = i % 2 == 0 ? CTRL_NUMERIC : CTRL_TEXT_MSG;
        if (NewCtrl(panel, kind, "", (i / 40) * 4 % 1000, (i % 40) * 25) < 0) {
            return 1;
        }
    }
    const double created = Since(start);
    if (SavePanel(panel, file.constData(), 1) < 0) {
        return 1;
    }
    start = std::chrono::steady_clock::now();
    const int loaded = LoadPanel(0, file.constData(), 1);
    const double load = Since(start);
    if (loaded < 0) {
        return 1;
    }
    std::printf("%d %.1f %.1f\n", count, created, load);
    return 0;
}
