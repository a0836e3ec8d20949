// SPDX-License-Identifier: MIT
#include "panels/regular_file.h"

#include <QFile>

#include "model/model.h"
#include "platform/regular_file.h"

namespace ui {

int readRegularFile(const QByteArray& path, qint64 limit, QByteArray* bytes) {
    const std::string name = QFile::decodeName(path).toStdString();
    std::string text;
    const FileFault fault =
        ReadRegularFile(path.toStdString(), static_cast<std::size_t>(limit), &text);
    *bytes = QByteArray::fromStdString(text);
    switch (fault.kind) {
        case FileFault::kNone:
            return 0;
        case FileFault::kCannotOpen:
            return fail(UIEFileNotFound, "cannot open " + name + ": " + fault.Reason());
        case FileFault::kFolder:
        case FileFault::kNotRegular:
            return fail(UIEBadPanelFile, name + " is not a regular file");
        case FileFault::kTooLarge:
            return fail(UIEBadPanelFile,
                        name + " is larger than " + std::to_string(limit) + " bytes");
        case FileFault::kCannotRead:
            break;
    }
    return fail(UIEBadPanelFile, "cannot read " + name + ": " + fault.Reason());
}

}  // namespace ui
