// SPDX-License-Identifier: MIT
// The second reference: the cheapest Qt window that shows text, one QLabel
// line in a window of the panel's size, ended the same way.
#include <QApplication>
#include <QLabel>

#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window("Hyperfocal dist");
    window.setWindowTitle("K A D R E L");
    window.setGeometry(5, 21, 672, 558);
    QuitAfterFirstPaint();
    window.show();
    return QApplication::exec();
}
