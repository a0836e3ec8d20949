// Saves a window of the X server as PNG, in the server's own pixels, for
// screenshots of the real program. Usage: x_shot WINDOW-ID FILE.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW-ID FILE.png\n", argv[0]);
        return 2;
    }
    qunsetenv("QT_SCALE_FACTOR");  // the shot is of device pixels, whatever the program used
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    if (!ok || app.primaryScreen() == nullptr) {
        std::fprintf(stderr, "%s: bad window id or no screen\n", argv[0]);
        return 2;
    }
    const QPixmap shot = app.primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot grab or save\n", argv[0]);
        return 1;
    }
    return 0;
}
