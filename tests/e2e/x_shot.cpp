// Saves a picture of the X screen, pop-up menus and every window included,
// or of the part given. Usage: x_shot FILE.png [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s FILE.png [X Y WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    int part[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 6 && i < 4; ++i) {
        part[i] = std::atoi(argv[i + 2]);
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr ||
        !screen->grabWindow(0, part[0], part[1], part[2], part[3]).save(argv[1], "PNG")) {
        std::fprintf(stderr, "%s: cannot save %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
