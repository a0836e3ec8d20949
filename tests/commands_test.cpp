// SPDX-License-Identifier: MIT
// Start-up values, the settings file, and RESET, HELP, COPY and OK.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <tuple>

#include "app_fixture.h"
#include "golden.h"
#include "model/model.h"
#include "program/saved_setup.h"
#include "services/key_files.h"
#include "services/live_setup.h"

namespace {

void Press(int button) {
    CtrlCallbackPtr callback = nullptr;
    GetCtrlAttribute(panelHandle, button, ATTR_CALLBACK_FUNCTION_POINTER, &callback);
    ASSERT_NE(callback, nullptr);
    callback(panelHandle, button, EVENT_COMMIT, nullptr, 0, 0);
}

// Reads a text through GetLine, as the settings reader does.
std::vector<std::string> Lines(const std::string& text) {
    FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    std::vector<std::string> lines;
    while (const char* line = GetLine(file)) {
        lines.emplace_back(line);
    }
    std::fclose(file);
    return lines;
}

TEST(GetLine, SkipsCommentsAndBlanksAndCutsLongLines) {
    EXPECT_TRUE(Lines("").empty());
    EXPECT_TRUE(Lines("# only\n\n   \t\n# comments\n").empty());
    EXPECT_EQ(Lines("XSIZE = 36\r\nYSIZE = 24\r\n"),
              (std::vector<std::string>{"XSIZE = 36", "YSIZE = 24"}));
    const std::string tail = "XSIZE = 36";
    const std::string longLine = std::string(511, 'a') + tail + "\n";
    EXPECT_EQ(Lines(longLine), (std::vector<std::string>{std::string(511, 'a'), tail}));
    // The tail of a long comment is a line of its own, a comment only with its own "#".
    const std::string comment = "#" + std::string(510, 'c');
    EXPECT_EQ(Lines(comment + "tail # XSIZE = 1\n"), (std::vector<std::string>{"tail"}));
    EXPECT_TRUE(Lines(comment + "# XSIZE = 1\n").empty());
}

// The seven inputs show the factory camera, "d max" 10 and not the panel's 20.
void ExpectFactoryFields() {
    const double expected[] = {22.5, 15.0, 3504, 2336, 24.0, 3.5, 10.0};
    for (int field = PANEL_XMM; field <= PANEL_DMAX; ++field) {
        EXPECT_EQ(AppTest::Number(field), expected[field - PANEL_XMM]) << "field " << field;
    }
}

TEST_F(AppTest, StartWithoutSettingsFile) {
    InitPanel();
    ExpectFactoryFields();
    EXPECT_EQ(Text(PANEL_COPYRIGHT), "kadrel v1.2 - Feb 28 2005\nhttps://kadrel.example.org");
}

TEST_F(AppTest, SettingsFileValuesReachTheFields) {
    WriteIni("FOCAL = 50.0\n");
    InitPanel();
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0);
    EXPECT_EQ(Number(PANEL_XMM), 22.5);
    EXPECT_EQ(Number(PANEL_DMAX), 10.0);

    WriteIni("xsize = 36 # full frame\nXSIZE = 35.9\nDMAX = -5\nAPERTURE = 8\n");
    // The command line reads the same start, leaving the running window's alone.
    const Settings read = SetupFromFiles().setup.camera;
    EXPECT_EQ(std::tie(read.xsize, read.dmax, read.aperture, read.focal),
              std::make_tuple(35.9f, 1.0f, 3.5f, 24.0f));
    EXPECT_EQ(settings.focal, 50.0f);
    Restart();
    EXPECT_EQ(Number(PANEL_XMM), 35.9f);  // the later line wins
    EXPECT_EQ(Number(PANEL_DMAX), 1.0);   // the field's lower bound
    EXPECT_EQ(settings.dmax, 1.0f);
    EXPECT_EQ(Number(PANEL_APERTURE), 3.5);
    Press(PANEL_COMMANDBUTTON);
    EXPECT_NE(ReadIni().find("DMAX = 1.0\n"), std::string::npos);
    EXPECT_NE(ReadIni().find("XSIZE = 35.9\t# x\n"), std::string::npos);
}

TEST_F(AppTest, QuitWritesTheFactoryFileByteForByte) {
    InitPanel();
    Press(PANEL_COMMANDBUTTON);
    EXPECT_EQ(ReadIni(), kFactoryFile);
}

TEST_F(AppTest, CloseBoxSavesLikeOk) {
    InitPanel();
    TypeInto("FOCAL", "35");
    Widget<QAbstractSpinBox>("FOCAL")->window()->close();
    EXPECT_NE(ReadIni().find("FOCAL = 35.0\n"), std::string::npos);
}

TEST_F(AppTest, ApertureIsNotKept) {
    InitPanel();
    TypeInto("APERTURE", "8");
    Press(PANEL_COMMANDBUTTON);
    EXPECT_EQ(ReadIni().find("APERTURE"), std::string::npos);
    Restart();
    EXPECT_EQ(Number(PANEL_APERTURE), 3.5);
}

TEST_F(AppTest, ResetBringsTheFactoryValuesBackButNotIntoTheFile) {
    WriteIni("XSIZE = 36.0\n");
    InitPanel();
    TypeInto("YMM", "24");
    TypeInto("XPIX", "6000");
    TypeInto("YPIX", "4000");
    TypeInto("FOCAL", "85");
    TypeInto("APERTURE", "11");
    TypeInto("DMAX", "30");
    Press(PANEL_RESETBUTTON);
    ExpectFactoryFields();
    EXPECT_EQ(settings.xsize, 22.5f);
    EXPECT_EQ(settings.aperture, 3.5f);
    EXPECT_EQ(Text(PANEL_TEXTRATIO1), "ratio X/Y 1.50");
    EXPECT_EQ(ReadIni(), "XSIZE = 36.0\n");
    Press(PANEL_COMMANDBUTTON);
    EXPECT_EQ(ReadIni(), kFactoryFile);
}

// The offscreen screen is 800 x 800: no side of the panel holds the message,
// so it goes beside the illustration, over the rest of the panel.
TEST_F(AppTest, HelpShowsTheIllustrationInFrontWhileOpenAndLeavesItInView) {
    InitPanel();
    int visible = -1, position = -1;
    QString text;
    QRect message, illustration;
    QTimer::singleShot(0, [&] {
        visible = Attribute(PANEL_DOFPICTURE, ATTR_VISIBLE);
        position = Attribute(PANEL_DOFPICTURE, ATTR_ZPLANE_POSITION);
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        text = dialog->windowTitle() + "|" + dialog->findChild<QLabel*>()->text();
        message = dialog->frameGeometry();
        QWidget* picture = Widget("DOFPICTURE");
        illustration = QRect(picture->mapToGlobal(QPoint(0, 0)), picture->size());
        dialog->accept();
    });
    Press(PANEL_HELPBUTTON);
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(Attribute(PANEL_DOFPICTURE, ATTR_VISIBLE), 0);
    EXPECT_TRUE(text.startsWith("kadrel|"));
    EXPECT_TRUE(text.contains("\n\n1) set the sensor size of your digital camera\n"));
    EXPECT_TRUE(text.endsWith("\n\nbutton [COPY] stores the panel in the clipboard"));
    EXPECT_EQ(text.count('\n'), 16);  // seventeen lines
    EXPECT_EQ(illustration.size(), QSize(501, 345));
    EXPECT_FALSE(message.intersects(illustration));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(message));
}

TEST_F(AppTest, CopyPutsThePanelWithoutTheButtonOnTheClipboard) {
    InitPanel();
    QGuiApplication::clipboard()->clear();
    Press(PANEL_COPYBUTTON);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), kPanelGeometry.width);
    EXPECT_EQ(image.height(), kPanelGeometry.height);
    for (int y = 526; y < 526 + 23; ++y) {
        for (int x = 573; x < 573 + 40; ++x) {
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0xF0F0F0u) << x << "," << y;
        }
    }
    EXPECT_EQ(Attribute(PANEL_COPYBUTTON, ATTR_VISIBLE), 1);
}

// With no picture to take, the clipboard is left alone and nothing is freed.
TEST_F(AppTest, CopyWithoutAPictureTouchesNothing) {
    InitPanel();
    QGuiApplication::clipboard()->setText("kept");
    const size_t bitmaps = ui::runtime().bitmaps.size();
    SavePanelButtonCallback(panelHandle + 1000, PANEL_COPYBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_EQ(ui::runtime().bitmaps.size(), bitmaps);
    EXPECT_EQ(Attribute(PANEL_COPYBUTTON, ATTR_VISIBLE), 1);
}

TEST_F(AppTest, UnwritableSettingsAreReportedAndLeaveNoTemporaryFile) {
    InitPanel();
    PopupAnswerer user;
    std::strcpy(iniFullPath, "/nonexistent-kadrel-dir/kadrel.ini");
    Press(PANEL_COMMANDBUTTON);
    ASSERT_EQ(user.said.size(), 1u);
    EXPECT_EQ(user.said[0],
              "kadrel|kadrel could not save its settings in\n\n"
              "/nonexistent-kadrel-dir/kadrel.ini\n" +
                  std::string(std::strerror(ENOENT)));

    // A directory in the file's place is left alone, and nothing is left over.
    LocateSettingsFile();
    ASSERT_EQ(mkdir(iniFullPath, 0755), 0);
    Press(PANEL_COMMANDBUTTON);
    ASSERT_EQ(user.said.size(), 2u);
    EXPECT_EQ(user.said[1], "kadrel|kadrel could not save its settings in\n\n" +
                                std::string(iniFullPath) + "\nnot a regular file");
    struct stat info;
    ASSERT_EQ(stat(iniFullPath, &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    rmdir(iniFullPath);
    const QStringList leftovers = QDir(projectPath).entryList({"kadrel.ini.*"});
    EXPECT_TRUE(leftovers.isEmpty()) << leftovers.join(" ").toStdString();
}

TEST_F(AppTest, ReplacedFileKeepsItsPermissions) {
    WriteIni("FOCAL = 50.0\n");
    chmod(iniFullPath, 0640);
    InitPanel();
    Press(PANEL_COMMANDBUTTON);
    struct stat info;
    ASSERT_EQ(stat(iniFullPath, &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_NE(ReadIni().find("FOCAL = 50.0\n"), std::string::npos);
}

}  // namespace
