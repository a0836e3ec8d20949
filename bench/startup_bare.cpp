// The bare reference: an empty Qt window of the panel's size, ended the same way.
#include <QApplication>
#include <QWidget>

#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("K A D R E L");
    window.setGeometry(5, 21, 672, 558);
    QuitAfterFirstPaint();
    window.show();
    return QApplication::exec();
}
