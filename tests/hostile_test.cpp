// SPDX-License-Identifier: MIT
// Whatever arrives in kadrel.ini or kadrel.uir, kadrel starts or refuses
// cleanly, shows what IEEE arithmetic gives, and loses no saved settings.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>

#include "app_fixture.h"

namespace {

bool SameBits(const Settings& a, const Settings& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The fields hold values their ranges allow, the report has seven lines, and
// what OK writes reads back to the same settings.
void ExpectSaneAndRoundTrip(const std::string& what) {
    for (int field : {PANEL_XMM, PANEL_YMM, PANEL_FOCAL, PANEL_APERTURE, PANEL_DMAX}) {
        float v = 0;
        GetCtrlVal(panelHandle, field, &v);
        EXPECT_GE(v, 1.0f) << what << " field " << field;
    }
    for (int field : {PANEL_XPIX, PANEL_YPIX}) {
        int v = 0;
        GetCtrlVal(panelHandle, field, &v);
        EXPECT_GE(v, 100) << what;
    }
    std::string report;
    GetCtrlVal(panelHandle, PANEL_TEXTPARAM, &report);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 6) << what;
    EXPECT_EQ(report.substr(report.rfind('\n') + 1, 16), "Depth Of Field  ") << what;

    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    const Settings saved = settings;
    settings = kFactorySettings;
    ReadSettingsFile();
    settings.aperture = saved.aperture;  // never stored
    EXPECT_TRUE(SameBits(settings, saved)) << what << "\n" << AppTest::ReadIni();
}

TEST_F(AppTest, HostileValuesStartSanelyAndSaveWhatTheyShow) {
    const std::string lines[] = {
        "XSIZE = nan",          "XSIZE = inf",   "XSIZE = -inf", "XSIZE = 1e39",
        "YSIZE = -0",           "FOCAL = inf",   "DMAX = nan",   "DMAX = inf",
        "XRESOL = 99999999999", "XRESOL = 0",    "YRESOL = 0",   "YRESOL = -99999999999",
        "XSIZE = 0x1p3",        "FOCAL = 1e-45",
    };
    for (const std::string& line : lines) {
        WriteIni(line + "\n");
        Restart();
        ExpectSaneAndRoundTrip(line);
    }
}

TEST_F(AppTest, DamagedSettingsFilesStartSanely) {
    std::string garbage(4096, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919 + 13) % 256);
    }
    const std::string files[] = {
        garbage,
        std::string("XSIZE = 3\0"
                    "6\nFOCAL = 35\n",
                    22),                                       // NUL inside a line
        std::string(1000 * 1024, 'x') + " = 1\nFOCAL = 35\n",  // just under the cap
        "FOCAL = 35",                                          // no newline at the end
    };
    for (const std::string& text : files) {
        WriteIni(text);
        Restart();
        ExpectSaneAndRoundTrip("file of " + std::to_string(text.size()) + " bytes");
    }
    EXPECT_EQ(Number(PANEL_FOCAL), 35.0);
}

TEST_F(AppTest, SettingsFileThatCannotBeReadIsToldAndKept) {
    PopupAnswerer user;
    ASSERT_EQ(mkdir(iniFullPath, 0755), 0);  // a directory in its place
    Restart();
    EXPECT_EQ(Number(PANEL_XMM), 22.5);
    ASSERT_EQ(user.said.size(), 1u);
    EXPECT_EQ(user.said[0],
              "kadrel|kadrel could not read its settings and starts with the factory values. "
              "It will not overwrite this file:\n\n" +
                  std::string(iniFullPath) + "\nnot a regular file");
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(user.said.size(), 1u);  // told once
    EXPECT_EQ(rmdir(iniFullPath), 0);
}

// A write that fails half-way, as on a full disk, leaves the old file whole.
TEST_F(AppTest, FailedWriteKeepsThePreviousFileByteForByte) {
    const std::string previous = "# mine\nFOCAL = 50.0\n";
    WriteIni(previous);
    InitPanel();
    TypeInto("FOCAL", "85");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit tiny{64, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    PopupAnswerer user;
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(user.said,
              std::vector<std::string>{"kadrel|kadrel could not save its settings in\n\n" +
                                       std::string(iniFullPath) + "\n" + std::strerror(EFBIG)});
    EXPECT_EQ(ReadIni(), previous);
    EXPECT_TRUE(QDir(projectPath).entryList({"kadrel.ini.*"}).isEmpty());
}

TEST_F(AppTest, TypedExtremesScaleAndShowWhole) {
    InitPanel();
    TypeInto("XMM", "1e30");
    TypeInto("DMAX", "1e30");
    TypeInto("XPIX", "2147483647");
    TypeInto("YPIX", "99999999999");
    EXPECT_EQ(Number(PANEL_YPIX), 2147483647.0);
    EXPECT_EQ(Number(PANEL_DMAX), 1e9);  // the farthest d max
    const std::string report = Text(PANEL_TEXTPARAM);
    EXPECT_GT(report.size(), 200u);
    EXPECT_EQ(report.substr(report.rfind('\n') + 1, 16), "Depth Of Field  ");
    double min, max;
    GetAxisRange(panelHandle, PANEL_GRAPH, VAL_XAXIS, &min, &max);
    EXPECT_TRUE(std::isfinite(max) && max >= 1e9);
    EXPECT_FALSE(Widget("GRAPH")->grab().isNull());  // paints without hanging
}

// A panel file that loads but lacks what the program needs is refused whole.
TEST_F(AppTest, IncompletePanelFilesAreRefused) {
    EXPECT_TRUE(PanelMatchesDefinition(panelHandle));
    QFile original(KADREL_UIR);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray good = original.readAll();
    char dir[MAX_PATHNAME_LEN];
    GetProjectDir(dir);
    const QString beside = QString(dir) + "/kadrel.uir";
    const QByteArray damaged[] = {
        QByteArray(good).replace("\"CONSTANT_NAME\": \"TEXTPARAM\"",
                                 "\"CONSTANT_NAME\": \"OTHER\""),
        QByteArray(good).replace("\"DATA_TYPE\": 1", "\"DATA_TYPE\": 3"),
        good.left(good.size() / 3),
    };
    char program[] = "kadrel";
    char* argv[] = {program, nullptr};
    const int saved = panelHandle;
    for (const QByteArray& text : damaged) {
        QFile file(beside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        const int windows = QApplication::topLevelWidgets().size();
        EXPECT_EQ(KadrelMain(1, argv), -1);
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    }
    QFile::remove(beside);
    panelHandle = saved;
}

}  // namespace
