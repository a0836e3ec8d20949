// SPDX-License-Identifier: MIT
#include "core/settings/whole_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// A descriptor closed on every return path.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(-1); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0) {
            close(fd_);
        }
        fd_ = fd;
    }
    // Closes now, since a failing close can be the first sign of a failed write.
    bool close_now() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

  private:
    int fd_;
};

// INT, TERM and HUP wait while a temporary file exists: a signal that ends
// the program then leaves the old file or the new one, never a part of one.
class HeldSignals {
  public:
    HeldSignals() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
            sigaddset(&held, signal);
        }
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

  private:
    sigset_t previous_;
};

std::string SystemError(int error = errno) {
    return std::strerror(error);
}

const char kNotRegular[] = "not a regular file";

// Opens without waiting for a FIFO's other end and checks what was opened.
// *missing, when asked for, tells that nothing is there.
std::string OpenRegular(const std::string& path, int flags, Descriptor* fd, struct stat* info,
                        bool* missing = nullptr) {
    fd->reset(open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd->get() < 0) {
        const int error = errno;
        if (missing != nullptr) {
            *missing = error == ENOENT;
        }
        return SystemError(error);
    }
    if (fstat(fd->get(), info) != 0) {
        return SystemError();
    }
    return S_ISREG(info->st_mode) ? std::string() : kNotRegular;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Permissions a newly created file gets.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// For a folder that cannot take a temporary file: truncate, write, sync.
std::string RewriteInPlace(const std::string& path, const std::string& text) {
    Descriptor fd(-1);
    struct stat info;
    if (std::string problem = OpenRegular(path, O_WRONLY, &fd, &info); !problem.empty()) {
        return problem;
    }
    if (ftruncate(fd.get(), 0) != 0 || !WriteAll(fd.get(), text) || fsync(fd.get()) != 0 ||
        !fd.close_now()) {
        return SystemError();
    }
    return {};
}

// The new file takes the old one's owner and group where the system lets it
// (the group alone when the owner cannot be given away), then its mode, since
// a change of owner clears the set-id bits.
bool TakeOver(int fd, const struct stat* old) {
    if (old == nullptr) {
        return fchmod(fd, NewFileMode()) == 0;
    }
    if (fchown(fd, old->st_uid, old->st_gid) != 0) {
        [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    }
    return fchmod(fd, old->st_mode & 07777) == 0;
}

// Looks at path without opening it, so that nothing there can block.
std::string Replaceable(const std::string& path, struct stat* old, bool* exists) {
    *exists = stat(path.c_str(), old) == 0;
    if (!*exists && errno != ENOENT) {
        return SystemError();
    }
    if (*exists && !S_ISREG(old->st_mode)) {
        return kNotRegular;
    }
    // rename would replace a file its owner protected from writing.
    if (*exists && access(path.c_str(), W_OK) != 0) {
        return SystemError();
    }
    return {};
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::size_t limit, std::string* text,
                          bool* missing) {
    text->clear();
    Descriptor fd(-1);
    struct stat info;
    *missing = false;
    if (std::string problem = OpenRegular(path, O_RDONLY, &fd, &info, missing); !problem.empty()) {
        return problem;
    }
    // Up to one byte past the limit, since a file can grow after fstat.
    char buffer[65536];
    while (info.st_size <= static_cast<off_t>(limit) && text->size() <= limit) {
        const ssize_t n = read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return SystemError();
        }
        if (n == 0) {
            return {};
        }
        text->append(buffer, static_cast<size_t>(n));
    }
    text->clear();
    return SystemError(EFBIG);
}

std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {  // the system's own limit on a chain of links
        struct stat info;
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        char target[PATH_MAX];
        const ssize_t n = readlink(current.c_str(), target, sizeof target - 1);
        if (n <= 0) {
            return current;
        }
        target[n] = '\0';
        current = target[0] == '/' ? std::string(target) : Folder(current) + "/" + target;
    }
    return current;
}

std::string CheckReplaceable(const std::string& path) {
    struct stat old;
    bool exists = false;
    return Replaceable(path, &old, &exists);
}

std::string ReplaceWholeFile(const std::string& path, const std::string& text) {
    struct stat old;
    bool exists = false;
    if (std::string problem = Replaceable(path, &old, &exists); !problem.empty()) {
        return problem;
    }
    const HeldSignals held;
    std::string temporary = path + ".XXXXXX";  // mkstemp fills in the Xs
    Descriptor fd(mkstemp(temporary.data()));
    if (fd.get() < 0) {
        const int error = errno;
        return exists && error == EACCES ? RewriteInPlace(path, text) : SystemError(error);
    }
    const bool written = TakeOver(fd.get(), exists ? &old : nullptr) && WriteAll(fd.get(), text) &&
                         fsync(fd.get()) == 0;
    const int error = errno;
    if (!fd.close_now() || !written || rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string problem = SystemError(written ? errno : error);
        unlink(temporary.c_str());
        return problem;
    }
    // The rename itself is kept only once the folder is on disk.
    Descriptor folder(open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        fsync(folder.get());
    }
    return {};
}
