// SPDX-License-Identifier: MIT
#include "platform/replace_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "platform/regular_file.h"

namespace {

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
    Descriptor fd;
    std::size_t size = 0;
    if (const FileFault fault = OpenRegularFile(path, O_WRONLY, SIZE_MAX, &fd, &size);
        !fault.ok()) {
        return fault.Reason();
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
        return FileFault{FileFault::kNotRegular}.Reason();
    }
    // rename would replace a file its owner protected from writing.
    if (*exists && access(path.c_str(), W_OK) != 0) {
        return SystemError();
    }
    return {};
}

}  // namespace

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
