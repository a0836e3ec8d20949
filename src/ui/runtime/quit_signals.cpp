// SPDX-License-Identifier: MIT
#include "runtime/quit_signals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "model/model.h"
#include "panels/panels.h"

namespace ui {

namespace {

// Made once and kept for the whole process: a handler may still be writing
// when the loop ends.
int pipeEnds[2] = {-1, -1};

extern "C" void OnQuitSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t ignored = write(pipeEnds[1], &byte, 1);
    errno = saved;
}

// Closes windows as the user would, the active one first, then the others,
// until one of them ends the program: closing a secondary window may only
// hide it, and the signal asks for the end. Once a quit is under way (a close
// still running, say a message that the save failed, or the loop already
// told to end), a signal ends the loops at once, without a second save or
// message.
void CloseOnSignal() {
    char bytes[64];
    while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    Runtime& rt = runtime();
    if (rt.quitAsked || rt.closing > 0) {
        QuitUserInterface(rt.quitAsked ? rt.quitCode : 0);
        return;
    }
    QWidget* active = QApplication::activeWindow();
    std::vector<int> order;
    for (const auto& [handle, panel] : rt.panels) {
        if (panel->window) {
            order.insert(panel->window.get() == active ? order.begin() : order.end(), handle);
        }
    }
    for (int handle : order) {
        // A close callback may discard other panels.
        if (findPanel(handle) != nullptr && closePanel(handle) && rt.quitAsked) {
            return;
        }
    }
    QuitUserInterface(0);  // nothing ended it: end as the signal asked
}

}  // namespace

QuitSignals::QuitSignals() {
    if (pipeEnds[0] < 0 && pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] { CloseOnSignal(); });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A signal ignored from the start stays ignored, as nohup asks.
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler != SIG_IGN) {
            sigaction(kSignals[i], &action, nullptr);
        }
    }
}

QuitSignals::~QuitSignals() {
    if (!notifier_) {
        return;
    }
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
}

}  // namespace ui
