// SPDX-License-Identifier: MIT
// How the desktop knows the program: its application id and window icon.
#include <QApplication>
#include <QIcon>
#include <QSvgRenderer>

#include <string>

#include "model/model.h"
#include "runtime/after_first_frame.h"

using namespace ui;

int SetApplicationIdentity(const char* desktopId, const char* iconFile) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "SetApplicationIdentity before InitCVIRTE");
    }
    QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopId));
    // QIcon loads lazily and would take a missing file without a word.
    const QString icon = QString::fromUtf8(iconFile);
    if (!QSvgRenderer(icon).isValid()) {
        return fail(UIEBadBitmap, std::string("no SVG icon in ") + iconFile);
    }
    afterFirstFrame([icon] { QApplication::setWindowIcon(QIcon(icon)); });
    return 0;
}
