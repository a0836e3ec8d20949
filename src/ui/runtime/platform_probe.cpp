// SPDX-License-Identifier: MIT
#include "runtime/platform_probe.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace ui {

namespace {

QStringList PluginFolders() {
    QStringList folders;
    const QByteArray own = qgetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!own.isEmpty()) {
        folders << QFile::decodeName(own);
    }
    for (const QByteArray& path : qgetenv("QT_PLUGIN_PATH").split(':')) {
        if (!path.isEmpty()) {
            folders << QFile::decodeName(path) + "/platforms";
        }
    }
    return folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms";
}

// Plugins name the platforms they provide in their metadata; reading it does
// not load them.
bool Installed(const QString& platform) {
    for (const QString& folder : PluginFolders()) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonArray keys = QPluginLoader(file.filePath())
                                        .metaData()
                                        .value("MetaData")
                                        .toObject()
                                        .value("Keys")
                                        .toArray();
            for (const QJsonValue& key : keys) {
                if (key.toString().compare(platform, Qt::CaseInsensitive) == 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool WaylandReachable() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
        return true;  // handed over already connected
    }
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        name = "wayland-0";
    }
    if (!name.startsWith('/')) {
        name = qgetenv("XDG_RUNTIME_DIR") + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool reached =
        fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return reached;
}

}  // namespace

bool PlatformProbe::canStart() {
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    // Qt tries the platforms of a list in turn; options follow a colon.
    for (const QByteArray& entry : asked.isEmpty() ? QList<QByteArray>{"xcb"} : asked.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (name.isEmpty() || (!asked.isEmpty() && !Installed(QString::fromLatin1(name)))) {
            continue;
        }
        if (name == "xcb") {
            x_.reset(xcb_connect(nullptr, nullptr));
            if (xcb_connection_has_error(x_.get()) == 0) {
                return true;
            }
        } else if (!name.startsWith("wayland") || WaylandReachable()) {
            return true;
        }
    }
    return false;
}

}  // namespace ui
