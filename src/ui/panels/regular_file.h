// SPDX-License-Identifier: MIT
// Reading a whole file that the user may have replaced by anything, through
// platform/regular_file.h: only a regular file is read, opened without
// waiting on a FIFO and never past a size limit, with the runtime's failures.
#pragma once

#include <QByteArray>

namespace ui {

// Reads the file at path (the system's bytes, not text) into *bytes: 0, or
// UIEFileNotFound when it cannot be opened, UIEBadPanelFile when it is no
// regular file, cannot be read or is larger than limit. Records the failure.
int readRegularFile(const QByteArray& path, qint64 limit, QByteArray* bytes);

}  // namespace ui
