// SPDX-License-Identifier: MIT
// Bitmaps, clipboard, pop-ups, paths and the system switches.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "panel_fixture.h"
#include "runtime/platform_probe.h"

namespace {

const char kSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="30" height="20"><rect width="30" height="20" fill="#00ff00"/></svg>)";

std::vector<std::string>& LoggedLines() {
    static std::vector<std::string> lines;
    return lines;
}

// One line per failure while the switch is on, none while it is off.
TEST(Runtime, FailuresAreLoggedOnlyWhileTheSwitchIsOn) {
    LoggedLines().clear();
    SetFailureLog([](const char* line) { LoggedLines().push_back(line); });
    const int before = SetBreakOnLibraryErrors(1);
    EXPECT_EQ(DisplayPanel(9999), UIEBadPanelHandle);
    EXPECT_EQ(SetBreakOnLibraryErrors(0), 1);
    EXPECT_EQ(HidePanel(9998), UIEBadPanelHandle);
    EXPECT_STREQ(LastUIFailure(), "no panel 9998");  // recorded all the same
    SetBreakOnLibraryErrors(before);
    SetFailureLog([](const char*) {});
    EXPECT_EQ(LoggedLines(), std::vector<std::string>{"ui_tests: no panel 9999 (unknown panel)"});
}

TEST(Runtime, PathsNeverOverflow) {
    char dir[MAX_PATHNAME_LEN];
    ASSERT_EQ(GetProjectDir(dir), 0);
    EXPECT_NE(std::strstr(dir, "tests"), nullptr) << dir;  // beside the test program
    char path[MAX_PATHNAME_LEN];
    ASSERT_EQ(MakePathname("/opt/kadrel", "kadrel.ini", path), 0);
    EXPECT_STREQ(path, "/opt/kadrel/kadrel.ini");
    ASSERT_EQ(MakePathname("/", "kadrel.ini", path), 0);
    EXPECT_STREQ(path, "/kadrel.ini");
    std::strcpy(path, "untouched");
    const std::string longDir(MAX_PATHNAME_LEN - 10, 'd');  // one byte too many with "/"
    EXPECT_EQ(MakePathname(longDir.c_str(), "kadrel.ini", path), UIEBufferTooSmall);
    EXPECT_STREQ(path, "untouched");
}

// Tests may point the runtime at another program directory, and back.
TEST(Runtime, ProjectDirCanBeChosenForTests) {
    char own[MAX_PATHNAME_LEN], dir[MAX_PATHNAME_LEN];
    ASSERT_EQ(GetProjectDir(own), 0);
    ASSERT_EQ(SetProjectDir("/tmp/elsewhere"), 0);
    ASSERT_EQ(GetProjectDir(dir), 0);
    EXPECT_STREQ(dir, "/tmp/elsewhere");
    EXPECT_EQ(LoadPanel(0, "missing.uir", 1), UIEFileNotFound);
    EXPECT_EQ(LastUIFailure(),
              "cannot open /tmp/elsewhere/missing.uir: " + std::string(std::strerror(ENOENT)));
    const std::string longDir(MAX_PATHNAME_LEN, 'd');
    EXPECT_EQ(SetProjectDir(longDir.c_str()), UIEBufferTooSmall);
    GetProjectDir(dir);
    EXPECT_STREQ(dir, "/tmp/elsewhere");
    ASSERT_EQ(SetProjectDir(nullptr), 0);
    GetProjectDir(dir);
    EXPECT_STREQ(dir, own);
}

// Run once more under a decimal-comma locale (see CMakeLists.txt).
TEST(Runtime, NumbersKeepADecimalPoint) {
    const char* all = std::getenv("LC_ALL");
    if (all != nullptr && std::strncmp(all, "de_DE", 5) == 0) {
        EXPECT_NE(std::strstr(std::setlocale(LC_CTYPE, nullptr), "de_DE"), nullptr);
    }
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 22.5);
    EXPECT_STREQ(text, "22.5");
    EXPECT_EQ(std::atof("22.5"), 22.5);
}

TEST(Runtime, SystemAttributesAndMonitor) {
    int p = -2;
    EXPECT_EQ(GetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, &p), 0);
    EXPECT_EQ(p, 0);  // Qt already scales for the display
    EXPECT_EQ(SetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, 101), UIEBadValue);
    ASSERT_EQ(SetMonitorAttribute(1, ATTR_WIDTH, 1280), 0);
    int width = 0;
    GetMonitorAttribute(1, ATTR_WIDTH, &width);
    EXPECT_EQ(width, 1280);
    SetMonitorAttribute(1, ATTR_WIDTH, 0);  // back to the real screen
    GetMonitorAttribute(1, ATTR_WIDTH, &width);
    EXPECT_GT(width, 0);
}

TEST(Runtime, ImagesFromSvgText) {
    int bitmap = 0, width = 0, height = 0;
    ASSERT_EQ(GetUserBitmapFromText(kSvg, VAL_SVG_IMAGE_TEXT, &bitmap), 0);
    GetBitmapSize(bitmap, &width, &height);
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 20);
    EXPECT_EQ(DiscardBitmap(bitmap), 0);
    EXPECT_EQ(DiscardBitmap(bitmap), UIEBadBitmap);
    EXPECT_EQ(GetUserBitmapFromText("<not svg", VAL_SVG_IMAGE_TEXT, &bitmap), UIEBadBitmap);
    EXPECT_EQ(GetUserBitmapFromText(kSvg, 102, &bitmap), UIEBadBitmap);
    EXPECT_EQ(bitmap, 0);
}

TEST_F(PanelTest, PanelPictureToClipboardAndBack) {
    SetPanelAttribute(panel, ATTR_BACKCOLOR, 0x123456);
    DisplayPanel(panel);
    int bitmap = 0;
    ASSERT_EQ(GetPanelDisplayBitmap(panel, 0, MakeRect(0, 0, -1, -1), &bitmap), 0);
    ASSERT_EQ(ClipboardPutBitmap(bitmap), 0);
    DiscardBitmap(bitmap);
    int back = 0, available = 0;
    ASSERT_EQ(ClipboardGetBitmap(&back, &available), 0);
    ASSERT_EQ(available, 1);
    int width = 0, height = 0;
    GetBitmapSize(back, &width, &height);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
    DiscardBitmap(back);
    EXPECT_EQ(GetPanelDisplayBitmap(panel, 0, MakeRect(500, 0, -1, -1), &bitmap), UIEBadValue);
}

TEST(Runtime, MessagePopupIsModalAndReturnsWhenDismissed) {
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = box->windowTitle() + "|" + box->text();
        box->accept();
    });
    EXPECT_EQ(MessagePopup("kadrel", "line one\nline two"), 0);
    EXPECT_EQ(seen, "kadrel|line one\nline two");
}

TEST_F(PanelTest, ResizingScalesContentsOnlyWhileAsked) {
    const int box = NewCtrl(panel, CTRL_BOX, "", 100, 200);
    SetCtrlAttribute(panel, box, ATTR_WIDTH, 100);
    SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1);
    SetPanelAttribute(panel, ATTR_WIDTH, 200);  // half as wide
    int left = 0, width = 0;
    GetCtrlAttribute(panel, box, ATTR_LEFT, &left);
    GetCtrlAttribute(panel, box, ATTR_WIDTH, &width);
    EXPECT_EQ(left, 100);
    EXPECT_EQ(width, 50);
    SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 0);
    SetPanelAttribute(panel, ATTR_WIDTH, 400);
    GetCtrlAttribute(panel, box, ATTR_LEFT, &left);
    EXPECT_EQ(left, 100);
}

// A sizable window larger than its screen opens on the screen's free area,
// wholly on it, and says so with its new size, as after the user's resizing.
TEST_F(PanelTest, SizableWindowOpensFittedToItsScreen) {
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    DisplayPanel(panel);  // shown once, its frame is known
    HidePanel(panel);
    SetPanelAttribute(panel, ATTR_HEIGHT, area.height() + 500);
    SetPanelAttribute(panel, ATTR_WIDTH, area.width() + 500);
    SetPanelAttribute(panel, ATTR_SIZABLE, 1);
    InstallPanelCallback(panel, Record, nullptr);
    DisplayPanel(panel);
    int top = 0, left = 0, height = 0, width = 0;
    GetPanelAttribute(panel, ATTR_TOP, &top);
    GetPanelAttribute(panel, ATTR_LEFT, &left);
    GetPanelAttribute(panel, ATTR_HEIGHT, &height);
    GetPanelAttribute(panel, ATTR_WIDTH, &width);
    EXPECT_TRUE(area.contains(QRect(left, top, width, height)));
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].event, EVENT_PANEL_SIZE);
    EXPECT_EQ(events()[0].data1, height);
    DisplayPanel(panel);
    EXPECT_EQ(events().size(), 1u);  // the same size raises nothing
}

// What Qt would abort on is refused before Qt is asked.
TEST(Runtime, PlatformProbeRefusesWhatQtCouldNotStart) {
    const char* const variables[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char* name : variables) {
        saved.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                        : std::nullopt);
    }
    qputenv("DISPLAY", ":65000");  // no X server there
    qputenv("WAYLAND_DISPLAY", "/nonexistent/wayland-0");
    const std::pair<const char*, bool> cases[] = {
        {"offscreen", true},
        {"minimal:enable_fonts", true},
        {"nosuch;offscreen", true},
        {"nosuch", false},
        {"wayland", false},
        {"xcb", false},
        {"", false},
        {"wayland;xcb", false},
    };
    for (const auto& [platform, starts] : cases) {
        qputenv("QT_QPA_PLATFORM", platform);
        ui::PlatformProbe probe;
        EXPECT_EQ(probe.canStart(), starts) << "QT_QPA_PLATFORM=" << platform;
    }
    for (size_t i = 0; i < saved.size(); ++i) {
        if (saved[i]) {
            qputenv(variables[i], *saved[i]);
        } else {
            qunsetenv(variables[i]);
        }
    }
}

}  // namespace
