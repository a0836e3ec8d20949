// SPDX-License-Identifier: MIT
// A helper program run for its answer on stdout: stdin and stderr go to
// /dev/null, the answer is capped at kLargestAnswer, and a helper still
// running when its owner lets go of it is killed. The helper sets its own
// resource limits; the wall-clock limit is the caller's.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "platform/descriptor.h"

constexpr std::size_t kLargestAnswer = 1 << 20;

enum class HelperOutcome {
    kFinished,   // ended by itself with status 0, its answer whole
    kFailed,     // could not start, failed, crashed or answered too much
    kTimedOut,   // killed for taking longer than allowed
    kCancelled,  // killed because the user stopped it
};

class HelperProcess {
  public:
    HelperProcess() = default;
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // Starts argv[0] with argv (null-terminated); false when it cannot.
    bool Start(const char* const argv[]);
    // The read end of its stdout, which never blocks.
    int output() const { return output_.get(); }

    enum class Reading { kOpen, kEnded, kBroken };
    // Takes what the pipe holds now: kEnded once the helper closed it,
    // kBroken on a read error or past kLargestAnswer.
    Reading ReadReady();
    const std::string& answer() const { return answer_; }

    // Whether it has ended, without waiting; *finished then tells status 0.
    bool Reaped(bool* finished);
    void Kill();

  private:
    pid_t pid_ = -1;
    Descriptor output_;
    std::string answer_;
};

// Runs argv to its end or for at most timeoutMs, blocking the caller; its
// answer in *output (what it wrote before a failure too).
HelperOutcome RunHelper(const char* const argv[], int timeoutMs, std::string* output);
