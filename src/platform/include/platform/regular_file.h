// SPDX-License-Identifier: MIT
// Small files read whole so that no odd file can freeze the program: only a
// regular file is taken, opened without waiting on a FIFO's other end or a
// device, and never read past a size cap.
#pragma once

#include <cstddef>
#include <string>

#include "platform/descriptor.h"

// What stopped an open or a read; kNone when nothing did.
struct FileFault {
    enum Kind { kNone, kCannotOpen, kFolder, kNotRegular, kTooLarge, kCannotRead };
    Kind kind = kNone;
    int error = 0;  // errno behind kCannotOpen and kCannotRead

    bool ok() const { return kind == kNone; }
    // Nothing exists at the path at all: the one fault that is no fault of the file.
    bool missing() const;
    // In the system's own words where it has them ("Permission denied",
    // "File too large", "not a regular file"); "" for kNone.
    std::string Reason() const;
};

// Opens path with flags (O_RDONLY or O_WRONLY) into *fd, refusing anything
// but a regular file of at most limit bytes; *size is its size.
FileFault OpenRegularFile(const std::string& path, int flags, std::size_t limit, Descriptor* fd,
                          std::size_t* size);

// The whole regular file at path, of at most limit bytes, in *text; *text
// is empty after a fault.
FileFault ReadRegularFile(const std::string& path, std::size_t limit, std::string* text);
