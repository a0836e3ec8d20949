// SPDX-License-Identifier: MIT
// The signals that ask a program to end — SIGTERM (a session logging out),
// SIGHUP (its terminal gone) and SIGINT (Ctrl+C) — as a close request: they
// reach the event loop through a pipe and close the program's windows as
// their close boxes do, so the program saves on them what it saves on a close.
#pragma once

#include <csignal>
#include <iterator>
#include <memory>

class QSocketNotifier;

namespace ui {

// While one lives the signals are close requests, except one the process was
// started with ignored (nohup); the previous handling comes back at its end.
// The runtime holds one from its start, so a signal during a start-up
// message is handled as any other.
class QuitSignals {
  public:
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

  private:
    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[std::size(kSignals)];
};

}  // namespace ui
