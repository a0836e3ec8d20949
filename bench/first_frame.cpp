// SPDX-License-Identifier: MIT
#include "first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "monotonic_ms.h"
#include "program/kadrel_uir.h"

namespace {

void Report(double milliseconds) {
    const char* fd = std::getenv("KADREL_FIRST_FRAME_FD");
    if (fd != nullptr) {
        char line[64];
        const int length = std::snprintf(line, sizeof line, "%.3f\n", milliseconds);
        [[maybe_unused]] const ssize_t written =
            write(std::atoi(fd), line, static_cast<size_t>(length));
    }
}

// The window paints its first frame while it handles its first expose; a
// timer queued before that runs once the frame is done, ahead of anything the
// painting itself puts off until after the first frame.
class FirstFrame : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed() &&
            window->title() == kPanelTitle) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                Report(MonotonicMilliseconds());
                QApplication::exit(0);
            });
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaint() {
    static FirstFrame filter;
    qApp->installEventFilter(&filter);
}
