// SPDX-License-Identifier: MIT
// Saves a picture from the X server as PNG, in the server's own pixels, for
// screenshots of the real program: one window, or the whole screen (pop-up
// menus and every window included) or a part of it.
// Usage: x_shot WINDOW-ID FILE.png | x_shot FILE.png [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsPngName(const char* name) {
    const size_t length = std::strlen(name);
    return length > 4 && std::strcmp(name + length - 4, ".png") == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool ofWindow = argc == 3 && !IsPngName(argv[1]);
    if (!ofWindow && argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s WINDOW-ID FILE.png | %s FILE.png [X Y WIDTH HEIGHT]\n",
                     argv[0], argv[0]);
        return 2;
    }
    qunsetenv("QT_SCALE_FACTOR");  // the shot is of device pixels, whatever the program used
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "%s: no screen\n", argv[0]);
        return 2;
    }
    QPixmap shot;
    const char* file = argv[1];
    if (ofWindow) {
        bool ok = false;
        const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
        if (!ok) {
            std::fprintf(stderr, "%s: bad window id %s\n", argv[0], argv[1]);
            return 2;
        }
        shot = screen->grabWindow(window);
        file = argv[2];
    } else {
        int part[4] = {0, 0, -1, -1};
        for (int i = 0; argc == 6 && i < 4; ++i) {
            part[i] = std::atoi(argv[i + 2]);
        }
        shot = screen->grabWindow(0, part[0], part[1], part[2], part[3]);
    }
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(file), "PNG")) {
        std::fprintf(stderr, "%s: cannot grab or save %s\n", argv[0], file);
        return 1;
    }
    return 0;
}
