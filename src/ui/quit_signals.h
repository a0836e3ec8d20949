// The signals that ask a program to end — SIGTERM (a session logging out),
// SIGHUP (its terminal gone) and SIGINT (Ctrl+C) — as a close request: they
// reach the event loop through a pipe and close the panel as its close box
// does, so the program saves on them what it saves on a close.
#pragma once

#include <csignal>
#include <iterator>
#include <memory>

class QSocketNotifier;

namespace ui {

// While one lives the signals are close requests, except one the process was
// started with ignored (nohup); the previous handling comes back at its end.
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
