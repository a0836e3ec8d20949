// SPDX-License-Identifier: MIT
#include "platform/helper_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>

extern char** environ;

HelperProcess::~HelperProcess() {
    Kill();
}

bool HelperProcess::Start(const char* const argv[]) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return false;
    }
    output_.reset(pipeEnds[0]);
    // Only our end waits for nothing: the helper's writes block while its
    // answer outgrows the pipe, as any program's output may.
    if (fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK) != 0) {
        close(pipeEnds[1]);
        output_.reset(-1);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const int spawned =
        posix_spawn(&pid_, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        pid_ = -1;
        output_.reset(-1);
    }
    return spawned == 0;
}

HelperProcess::Reading HelperProcess::ReadReady() {
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(output_.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno == EAGAIN ? Reading::kOpen : Reading::kBroken;
        }
        if (n == 0) {
            return Reading::kEnded;
        }
        if (answer_.size() + static_cast<std::size_t>(n) > kLargestAnswer) {
            return Reading::kBroken;
        }
        answer_.append(buffer, static_cast<std::size_t>(n));
    }
}

bool HelperProcess::Reaped(bool* finished) {
    int status = 0;
    pid_t done = 0;
    do {
        done = waitpid(pid_, &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == 0) {
        return false;
    }
    pid_ = -1;
    *finished = done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return true;
}

void HelperProcess::Kill() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
}

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits up to the deadline for fd to be readable, or for a millisecond
// when fd is -1; false once the deadline has passed.
bool Wait(int fd, Clock::time_point deadline) {
    pollfd p{fd, POLLIN, 0};
    const int left = MillisecondsLeft(deadline);
    poll(&p, 1, fd < 0 && left > 1 ? 1 : left);
    return MillisecondsLeft(deadline) > 0;
}

}  // namespace

HelperOutcome RunHelper(const char* const argv[], int timeoutMs, std::string* output) {
    output->clear();
    HelperProcess helper;
    if (!helper.Start(argv)) {
        return HelperOutcome::kFailed;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    HelperProcess::Reading reading = HelperProcess::Reading::kOpen;
    bool finished = false;
    bool inTime = true;
    while (inTime && (reading = helper.ReadReady()) == HelperProcess::Reading::kOpen) {
        inTime = Wait(helper.output(), deadline);
    }
    // Its output closed, the helper is ending: wait for it as long as allowed.
    while (inTime && reading == HelperProcess::Reading::kEnded && !helper.Reaped(&finished)) {
        inTime = Wait(-1, deadline);
    }
    *output = helper.answer();
    if (!inTime) {
        return HelperOutcome::kTimedOut;
    }
    return reading == HelperProcess::Reading::kEnded && finished ? HelperOutcome::kFinished
                                                                 : HelperOutcome::kFailed;
}
