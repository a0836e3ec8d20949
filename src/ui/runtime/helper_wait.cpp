// SPDX-License-Identifier: MIT
// A helper program waited for inside a nested event loop, so that the
// windows stay alive while it runs: its output and its end come through
// the loop, and so do the deadline and the user's Escape.
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>

#include "model/model.h"

namespace {

constexpr int kReapMilliseconds = 5;  // how often an ending helper is looked at

// Escape in any window of the program, while no pop-up has the keys.
class EscapeKey : public QObject {
  public:
    explicit EscapeKey(std::function<void()> pressed) : pressed_(std::move(pressed)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
            QApplication::activeModalWidget() != nullptr ||
            QApplication::activePopupWidget() != nullptr) {
            return QObject::eventFilter(watched, event);
        }
        pressed_();
        return true;
    }

  private:
    std::function<void()> pressed_;
};

}  // namespace

HelperOutcome RunHelperResponsive(const char* const argv[], int timeoutMs, std::string* output) {
    output->clear();
    HelperProcess helper;
    if (!ui::runtime().app || !helper.Start(argv)) {
        return HelperOutcome::kFailed;
    }
    QEventLoop loop;
    // What is left when the loop ends from outside: a quit cancels the read.
    HelperOutcome outcome = HelperOutcome::kCancelled;
    const auto end = [&](HelperOutcome how) {
        outcome = how;
        loop.quit();
    };
    QTimer reaping;
    QObject::connect(&reaping, &QTimer::timeout, [&] {
        bool finished = false;
        if (helper.Reaped(&finished)) {
            end(finished ? HelperOutcome::kFinished : HelperOutcome::kFailed);
        }
    });
    QSocketNotifier reading(helper.output(), QSocketNotifier::Read);
    QObject::connect(&reading, &QSocketNotifier::activated, [&] {
        const HelperProcess::Reading state = helper.ReadReady();
        if (state == HelperProcess::Reading::kBroken) {
            end(HelperOutcome::kFailed);
        } else if (state == HelperProcess::Reading::kEnded) {
            reading.setEnabled(false);
            reaping.start(kReapMilliseconds);
        }
    });
    QTimer::singleShot(timeoutMs, &loop, [&] { end(HelperOutcome::kTimedOut); });
    const EscapeKey escape([&] { end(HelperOutcome::kCancelled); });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    loop.exec();
    QApplication::restoreOverrideCursor();
    *output = helper.answer();
    return outcome;
}
