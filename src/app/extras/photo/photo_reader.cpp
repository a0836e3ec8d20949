// SPDX-License-Identifier: MIT
// Runs kadrel-photo and reads its answer, with a wall-clock limit.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <sstream>

#include "app/photo.h"

#include "app/locations.h"

extern char** environ;

namespace {

constexpr std::size_t kLargestAnswer = 1 << 20;

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Reads from fd until its end, the cap or the deadline; true at its end.
bool ReadUntilEnd(int fd, Clock::time_point deadline, std::string* output) {
    char buffer[65536];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (output->size() + static_cast<std::size_t>(n) > kLargestAnswer) {
            return false;
        }
        output->append(buffer, static_cast<std::size_t>(n));
    }
}

// Its status once it ends by the deadline; killed and -1 otherwise.
int Reap(pid_t pid, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0 && errno != EINTR) {
            return -1;
        }
        if (MillisecondsLeft(deadline) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(1000);
    }
}

}  // namespace

bool RunReader(const char* const argv[], int timeoutMs, std::string* output, bool* timedOut) {
    output->clear();
    *timedOut = false;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return false;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const bool complete = ReadUntilEnd(pipeEnds[0], deadline, output);
    close(pipeEnds[0]);
    if (!complete) {
        *timedOut = MillisecondsLeft(deadline) == 0;
        kill(pid, SIGKILL);
    }
    return Reap(pid, deadline) == 0 && complete;
}

bool ReadPhotoWith(const char* helper, const char* path, PhotoCamera* camera, std::string* why) {
    const char* argv[] = {helper, path, nullptr};
    std::string answer;
    bool timedOut = false;
    const bool finished = RunReader(argv, kPhotoReaderSeconds * 1000, &answer, &timedOut);
    if (ParsePhotoProtocol(answer, camera, why) && finished) {
        return true;
    }
    if (timedOut) {
        *why = "reading it took too long";
    } else if (why->empty()) {
        *why = "the photo reader failed on it";
    }
    return false;
}

bool ReadCameraBodiesWith(const char* helper, std::vector<CameraBody>* bodies) {
    const char* argv[] = {helper, "--cameras", nullptr};
    std::string answer;
    bool timedOut = false;
    return RunReader(argv, kPhotoReaderSeconds * 1000, &answer, &timedOut) &&
           ParseCameraList(answer, bodies) && !bodies->empty();
}

bool ReadLensesWith(const char* helper, const char* database, std::vector<BagLens>* lenses) {
    const char* argv[] = {helper, "--lenses", database, nullptr};
    std::string answer;
    bool timedOut = false;
    BagReader reader;
    if (RunReader(argv, kPhotoReaderSeconds * 1000, &answer, &timedOut)) {
        std::istringstream lines(answer);
        for (std::string line; std::getline(lines, line);) {
            reader.Line(line.c_str());
        }
    }
    *lenses = reader.Result().lenses;
    return !lenses->empty();
}

bool FindPhotoHelper(char (&helper)[MAX_PATHNAME_LEN]) {
    char programDir[MAX_PATHNAME_LEN] = "";
    GetProjectDir(programDir);
    return LocatePhotoHelper(programDir, helper);
}
