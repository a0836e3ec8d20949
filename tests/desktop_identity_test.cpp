// SPDX-License-Identifier: MIT
// The program's application id and window icon, as the desktop sees them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <string>

#include "ui/userint.h"

namespace {

QColor IconCentre() {
    return QApplication::windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

TEST(DesktopIdentity, IdAlwaysSetIconOnlyFromAReadableSvg) {
    QTemporaryDir dir;
    const std::string green = dir.filePath("green.svg").toStdString();
    const std::string text = dir.filePath("text.svg").toStdString();
    std::ofstream(green) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8">)"
                            R"(<rect width="8" height="8" fill="#00ff00"/></svg>)";
    std::ofstream(text) << "not a picture";

    EXPECT_EQ(SetApplicationIdentity("org.example.first", green.c_str()), 0);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.first");
    const int panel = NewPanel(0, "first", 10, 10, 50, 50);
    DisplayPanel(panel);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    EXPECT_EQ(IconCentre(), QColor(0, 255, 0));

    const std::string missing = dir.filePath("missing.svg").toStdString();
    for (const std::string& bad : {missing, text}) {
        EXPECT_EQ(SetApplicationIdentity("org.example.second", bad.c_str()), UIEBadBitmap) << bad;
        EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.second");
        EXPECT_EQ(IconCentre(), QColor(0, 255, 0)) << "the icon before stays";
    }
    // A frame has been painted: an icon is taken on at once.
    const std::string blue = dir.filePath("blue.svg").toStdString();
    std::ofstream(blue) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8">)"
                           R"(<rect width="8" height="8" fill="#0000ff"/></svg>)";
    EXPECT_EQ(SetApplicationIdentity("org.example.third", blue.c_str()), 0);
    EXPECT_EQ(IconCentre(), QColor(0, 0, 255));
    DiscardPanel(panel);
    QApplication::setWindowIcon(QIcon());
    QGuiApplication::setDesktopFileName(QString());
}

}  // namespace
