// SPDX-License-Identifier: MIT
// The bare reference: an empty Qt window of the panel's size, ended the same way.
#include <QApplication>
#include <QWidget>

#include "first_frame.h"
#include "program/kadrel_uir.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(kPanelTitle);
    const PanelGeometry& g = kPanelGeometry;
    window.setGeometry(g.left, g.top, g.width, g.height);
    QuitAfterFirstPaint();
    window.show();
    return QApplication::exec();
}
