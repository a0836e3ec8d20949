// SPDX-License-Identifier: MIT
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

bool FileFault::missing() const {
    return kind == kCannotOpen && error == ENOENT;
}

std::string FileFault::Reason() const {
    switch (kind) {
        case kNone:
            return {};
        case kFolder:
        case kNotRegular:
            return "not a regular file";
        case kTooLarge:
            return std::strerror(EFBIG);
        case kCannotOpen:
        case kCannotRead:
            break;
    }
    return std::strerror(error);
}

FileFault OpenRegularFile(const std::string& path, int flags, std::size_t limit, Descriptor* fd,
                          std::size_t* size) {
    fd->reset(open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd->get() < 0) {
        return {FileFault::kCannotOpen, errno};
    }
    struct stat info;
    if (fstat(fd->get(), &info) != 0) {
        return {FileFault::kCannotRead, errno};
    }
    if (!S_ISREG(info.st_mode)) {
        return {S_ISDIR(info.st_mode) ? FileFault::kFolder : FileFault::kNotRegular};
    }
    *size = static_cast<std::size_t>(info.st_size);
    return {*size > limit ? FileFault::kTooLarge : FileFault::kNone};
}

FileFault ReadRegularFile(const std::string& path, std::size_t limit, std::string* text) {
    text->clear();
    Descriptor fd;
    std::size_t size = 0;
    if (const FileFault fault = OpenRegularFile(path, O_RDONLY, limit, &fd, &size); !fault.ok()) {
        return fault;
    }
    // Up to one byte past the limit, since a file can grow after fstat.
    char buffer[65536];
    while (text->size() <= limit) {
        const ssize_t n = read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            text->clear();
            return {FileFault::kCannotRead, error};
        }
        if (n == 0) {
            return {};
        }
        text->append(buffer, static_cast<size_t>(n));
    }
    text->clear();
    return {FileFault::kTooLarge};
}
