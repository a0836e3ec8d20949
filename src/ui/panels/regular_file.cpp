// SPDX-License-Identifier: MIT
#include "panels/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/model.h"

namespace ui {

int readRegularFile(const QByteArray& path, qint64 limit, QByteArray* bytes) {
    const std::string name = QFile::decodeName(path).toStdString();
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return fail(UIEFileNotFound, "cannot open " + name + ": " + std::strerror(errno));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return fail(UIEFileNotFound, "cannot open " + name);
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return fail(UIEBadPanelFile, name + " is not a regular file");
    }
    // One byte past the limit tells a file that grew after fstat.
    *bytes = info.st_size > limit ? QByteArray() : file.read(limit + 1);
    if (info.st_size > limit || bytes->size() > limit) {
        bytes->clear();
        return fail(UIEBadPanelFile, name + " is larger than " + std::to_string(limit) + " bytes");
    }
    return 0;
}

}  // namespace ui
