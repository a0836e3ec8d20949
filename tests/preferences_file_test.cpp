// SPDX-License-Identifier: MIT
// preferences.ini beside kadrel.ini: read at start-up, saved whole by the
// dialog's OK, with the same guarantees and the same odd files as
// kadrel.ini, as bag.ini; and the panel's report and kadrel.ini untouched.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app_fixture.h"
#include "golden.h"
#include "odd_files.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/preferences.h"

namespace {

const char kNotice[] =
    "kadrel|kadrel could not read its preferences and uses one pixel and metres. It will not "
    "overwrite this file:\n\n";

const char kDefaultFile[] =
    "# preferences.ini: the choices behind kadrel's figures beside the panel's report\n"
    "#\n"
    "# distances in metres or in feet and inches: metric or imperial\n"
    "units = metric\n"
    "# circle of confusion: \"1 px\" to \"10 px\", \"d/1500\" (the sensor diagonal over\n"
    "# 1500), \"0.030 mm\", or \"print 297 mm at 500 mm\" (a print's long side and how\n"
    "# far it is viewed from)\n"
    "coc = 1 px\n";

std::string ReadPrefs() {
    std::ifstream file(prefsFullPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class PreferencesTest : public AppTest {
  public:
    void SetUp() override {
        AppTest::SetUp();
        preferences = Preferences{};
        InitPanel();
    }
};

TEST_F(PreferencesTest, BesideKadrelIniAndRoundTrip) {
    EXPECT_EQ(std::string(prefsFullPath), std::string(projectPath) + "/preferences.ini");
    ASSERT_TRUE(WritePreferencesFile());
    EXPECT_EQ(ReadPrefs(), kDefaultFile);

    preferences.units = Units::Imperial;
    ASSERT_TRUE(ParseCoc("print 297 mm at 500 mm", &preferences.coc));
    ASSERT_TRUE(WritePreferencesFile());
    Restart();
    EXPECT_EQ(preferences.units, Units::Imperial);
    EXPECT_EQ(CocText(preferences.coc), "print 297 mm at 500 mm");
}

// What a user may write by hand: any letter case, comments, a byte-order
// mark, CRLF; a value that does not read leaves that choice at its default.
TEST_F(PreferencesTest, HandWrittenFiles) {
    const struct {
        const char* text;
        Units units;
        const char* coc;
    } table[] = {
        {"\xEF\xBB\xBFUNITS = Imperial\r\nCoC = d/1730  # the old tables\r\n", Units::Imperial,
         "d/1730"},
        {"units=imperial\ncoc=0.030 mm\nunits = metric\n", Units::Metric, "0.03 mm"},
        {"units = feet\ncoc = 3 furlongs\n", Units::Metric, "1 px"},
        {"# only comments\n\n", Units::Metric, "1 px"},
        {"coc\nunits\n= metric\nlens = 50\n", Units::Metric, "1 px"},
    };
    for (const auto& row : table) {
        std::ofstream(prefsFullPath) << row.text;
        Restart();
        EXPECT_EQ(preferences.units, row.units) << row.text;
        EXPECT_EQ(CocText(preferences.coc), row.coc) << row.text;
    }
}

// bag.ini beside it alike: told once, started empty, never replaced.
TEST_F(PreferencesTest, OddFilesAreToldOnceAndNeverReplaced) {
    const struct {
        const char* path;
        const char* firstLine;
        std::string notice;
        bool (*write)();
    } files[] = {
        {prefsFullPath, "units = imperial\n", kNotice, WritePreferencesFile},
        {bagFullPath, "[pin]\n",
         "kadrel|kadrel could not read its camera bag and starts with an empty one. It will not "
         "overwrite this file:\n\n",
         WriteBagFile},
    };
    for (const auto& f : files) {
        for (const OddFile& c : OddFilesAt(f.path, f.firstLine)) {
            std::remove(f.path);
            c.make();
            struct stat before;
            ASSERT_EQ(lstat(f.path, &before), 0);
            PopupAnswerer user;
            Restart();
            EXPECT_EQ(preferences.units, Units::Metric) << c.why;
            EXPECT_TRUE(bag.bodies.empty() && pins.empty()) << c.why;
            ASSERT_EQ(user.said.size(), 1u) << c.why;
            EXPECT_EQ(user.said[0], f.notice + f.path + "\n" + c.why);
            EXPECT_FALSE(f.write()) << c.why;
            EXPECT_EQ(user.said.size(), 2u) << c.why;
            struct stat after;
            ASSERT_EQ(lstat(f.path, &after), 0);
            EXPECT_EQ(after.st_mode, before.st_mode) << c.why;
            EXPECT_EQ(after.st_size, before.st_size) << c.why;
        }
        std::remove(f.path);
    }
}

// A dotfile manager's link: the file it leads to takes the new text, with
// its mode; the link stays.
TEST_F(PreferencesTest, ALinkedFileIsWrittenThroughItsLinkKeepingItsMode) {
    char folder[] = "/tmp/kadrel-dotfiles-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string target = std::string(folder) + "/preferences.ini";
    std::ofstream(target) << "units = imperial\n";
    chmod(target.c_str(), 0600);
    ASSERT_EQ(symlink(target.c_str(), prefsFullPath), 0);
    Restart();
    EXPECT_EQ(preferences.units, Units::Imperial);
    ASSERT_TRUE(ParseCoc("d/1500", &preferences.coc));
    ASSERT_TRUE(WritePreferencesFile());
    struct stat link;
    ASSERT_EQ(lstat(prefsFullPath, &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    std::ifstream file(target);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("\ncoc = d/1500\n"), std::string::npos);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    std::remove(target.c_str());
    rmdir(folder);
    std::remove(prefsFullPath);
}

// The preferences shape the panel's report, its axis and d max; kadrel.ini
// keeps metres. By hand for the worked example with c = 27.0416/1000 mm:
// H = 6.0858 m = 239.6″; 2 m = 629.9 eighths; depths 0.978985 m (308.3
// eighths), 0.494684 m (155.8) and 1.47367 m (464.1); the field 1.8525 ×
// 1.235 m = 6.0778 × 4.0518 ft; 10 m = 32.808 ft.
TEST_F(PreferencesTest, ReportInTheChosenUnitsAndSettingsFileInMetres) {
    std::ofstream(prefsFullPath) << "units = imperial\ncoc = d/1000\n";
    Restart();
    ASSERT_EQ(preferences.units, Units::Imperial);
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, 2.0, 0);
    Cursor(panelHandle, PANEL_GRAPH, EVENT_COMMIT, nullptr, 1, 0);
    EXPECT_EQ(Text(PANEL_TEXTPARAM),
              "Hyperfocal dist.20\u2032 0\u2033\n"
              "Object distance 6\u2032 6\u00be\u2033\n"
              "Scale           0.53 mm/pix\n"
              "Field size WxH  6.08x4.05 ft = 24.63 ft\u00b2\n"
              "Rear dof        3\u2032 2\u00bd\u2033\n"
              "Front dof       1\u2032 7\u00bd\u2033\n"
              "Depth Of Field  4\u2032 10\u2033\n"
              "CoC 0.0270 mm = d/1000");
    const std::string copied = PlainReportText();
    EXPECT_EQ(copied.find("CoC"), copied.rfind("CoC")) << copied;  // the circle named once
    EXPECT_NEAR(Number(PANEL_DMAX), 32.808, 0.001);
    std::string axis;
    GetCtrlAttribute(panelHandle, PANEL_GRAPH, ATTR_XNAME, &axis);
    EXPECT_EQ(axis, "subject distance d [ft]");
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(ReadIni(), kFactoryFile);
    EXPECT_EQ(ReadPrefs(), "units = imperial\ncoc = d/1000\n");
}

}  // namespace
