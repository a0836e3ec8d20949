// SPDX-License-Identifier: MIT
// Where kadrel finds its panel file and keeps kadrel.ini, portable or
// installed, and what it answers on the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app_fixture.h"
#include "cli/subcommands.h"
#include "program/kadrel.h"
#include "services/locations.h"
#include "services/preferences.h"

namespace {

// A program folder, bin/, in a prefix whose share/kadrel/ may hold the
// installed panel file.
class Prefix {
  public:
    Prefix() { QDir(root_.path()).mkpath("bin"); }
    std::string Bin() const { return root_.path().toStdString() + "/bin"; }
    std::string InstalledPanel() const { return Bin() + "/../share/kadrel/kadrel.uir"; }
    void Put(const std::string& relative) const {
        const QString path = root_.path() + "/" + QString::fromStdString(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

  private:
    QTemporaryDir root_;
};

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(PanelFileLocation, BesideTheProgramFirstThenTheInstalledDataFolder) {
    Prefix prefix;
    char path[MAX_PATHNAME_LEN];
    EXPECT_FALSE(LocatePanelFile(prefix.Bin().c_str(), path));
    EXPECT_EQ(path, prefix.Bin() + "/kadrel.uir");  // neither: the failure names this one

    prefix.Put("share/kadrel/kadrel.uir");
    EXPECT_TRUE(LocatePanelFile(prefix.Bin().c_str(), path));
    EXPECT_EQ(path, prefix.InstalledPanel());

    prefix.Put("bin/kadrel.uir");
    EXPECT_FALSE(LocatePanelFile(prefix.Bin().c_str(), path));
    EXPECT_EQ(path, prefix.Bin() + "/kadrel.uir");

    const std::string deep(MAX_PATHNAME_LEN - 5, 'd');  // no file name fits after it
    EXPECT_FALSE(LocatePanelFile(("/" + deep).c_str(), path));
    EXPECT_STREQ(path, "kadrel.uir");
}

TEST(SettingsLocation, PortableBesideAPanelFileOrAnExistingFileElsePerUser) {
    struct Case {
        const char* copy;
        bool panelBeside, panelInstalled, iniBeside, portable;
    };
    const Case cases[] = {
        {"build tree", true, false, false, true},
        {"installed", false, true, false, false},
        {"installed, kadrel.ini put beside", false, true, true, true},
        {"both panel files", true, true, false, true},
        {"no panel file at all", false, false, false, true},
    };
    for (const Case& c : cases) {
        Prefix prefix;
        if (c.panelBeside) {
            prefix.Put("bin/kadrel.uir");
        }
        if (c.panelInstalled) {
            prefix.Put("share/kadrel/kadrel.uir");
        }
        if (c.iniBeside) {
            prefix.Put("bin/kadrel.ini");
        }
        EXPECT_EQ(SettingsArePortable(prefix.Bin().c_str()), c.portable) << c.copy;
    }
}

// Root may write anywhere, so only an ordinary user sees a read-only folder.
TEST(SettingsLocation, ReadOnlyProgramFolderIsPerUser) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes to read-only folders";
    }
    Prefix prefix;
    prefix.Put("bin/kadrel.uir");
    ASSERT_EQ(chmod(prefix.Bin().c_str(), 0555), 0);
    EXPECT_FALSE(SettingsArePortable(prefix.Bin().c_str()));
    chmod(prefix.Bin().c_str(), 0755);
}

// The whole path of a save from an installed copy, folder made on the way.
TEST(SettingsLocation, InstalledCopySavesIntoTheUsersOwnFolder) {
    Prefix prefix;
    prefix.Put("share/kadrel/kadrel.uir");
    QTemporaryDir config;
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toUtf8().constData());
    ASSERT_EQ(SetProjectDir(prefix.Bin().c_str()), 0);
    LocateSettingsFile();
    const std::string folder = config.path().toStdString() + "/kadrel";
    EXPECT_EQ(iniFullPath, folder + "/kadrel.ini");

    settings = kFactorySettings;
    settings.focal = 85;
    WriteSettingsFile();
    QFile saved(iniFullPath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << iniFullPath;
    EXPECT_TRUE(saved.readAll().contains("\nFOCAL = 85.0\n"));
    struct stat info;
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(prefix.Bin() + "/kadrel.ini")));

    SetProjectDir(nullptr);
    settings = kFactorySettings;
}

TEST(SettingsLocation, UserFileUnderXdgConfigHomeElseHome) {
    const std::string longFolder = "/" + std::string(MAX_PATHNAME_LEN - 12, 'x');
    const std::string noFolder = "neither XDG_CONFIG_HOME nor HOME names an absolute folder";
    struct Case {
        const char *xdg, *home, *expected;  // expected null: the path stays as it was
        std::string why;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/kadrel/kadrel.ini", ""},
        {"/cfg/", "/home/u", "/cfg/kadrel/kadrel.ini", ""},
        {nullptr, "/home/u", "/home/u/.config/kadrel/kadrel.ini", ""},
        {"", "/home/u", "/home/u/.config/kadrel/kadrel.ini", ""},
        {"relative/cfg", "/home/u", "/home/u/.config/kadrel/kadrel.ini", ""},
        {"/cfg", nullptr, "/cfg/kadrel/kadrel.ini", ""},
        {nullptr, nullptr, nullptr, noFolder},
        {"relative/cfg", nullptr, nullptr, noFolder},
        {nullptr, "relative-home", nullptr, noFolder},
        {longFolder.c_str(), "/home/u", nullptr, "XDG_CONFIG_HOME is too long for a path"},
        {nullptr, longFolder.c_str(), nullptr, "HOME is too long for a path"},
    };
    for (const Case& c : cases) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnv home("HOME", c.home);
        char path[MAX_PATHNAME_LEN] = "unchanged";
        EXPECT_EQ(UserSettingsPath(path), c.why) << (c.xdg ? c.xdg : "(unset)");
        EXPECT_STREQ(path, c.expected ? c.expected : "unchanged");
    }
}

TEST(SettingsFolder, MissingFoldersAreMadeForTheOwnerOnly) {
    QTemporaryDir root;
    const std::string base = root.path().toStdString();
    const mode_t mask = umask(022);
    EXPECT_EQ(MakeParentFolders((base + "/home/.config/kadrel/kadrel.ini").c_str()), 0);
    umask(mask);
    struct stat info;
    for (const char* folder : {"/home", "/home/.config", "/home/.config/kadrel"}) {
        ASSERT_EQ(stat((base + folder).c_str(), &info), 0) << folder;
        EXPECT_TRUE(S_ISDIR(info.st_mode)) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(base + "/home/.config/kadrel/kadrel.ini")));
    EXPECT_EQ(MakeParentFolders((base + "/home/.config/kadrel/kadrel.ini").c_str()), 0);

    QFile((root.path() + "/file")).open(QIODevice::WriteOnly);
    errno = 0;
    EXPECT_EQ(MakeParentFolders((base + "/file/kadrel/kadrel.ini").c_str()), -1);
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(MakeParentFolders(("/" + std::string(MAX_PATHNAME_LEN, 'x')).c_str()), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
}

// What a run prints on out, and whether it answered.
std::pair<bool, std::string> Answer(std::initializer_list<const char*> args) {
    std::vector<char*> argv;
    for (const char* arg : args) {
        argv.push_back(const_cast<char*>(arg));
    }
    argv.push_back(nullptr);
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    const bool answered = AnswerCommandLine(static_cast<int>(args.size()), argv.data(), out);
    std::fclose(out);
    std::string printed(text, size);
    std::free(text);
    return {answered, printed};
}

TEST(CommandLine, VersionAndHelpAnswerAndEverythingElseIsIgnored) {
    EXPECT_EQ(Answer({"kadrel", "--version"}),
              std::make_pair(true, std::string("kadrel v1.2 - Feb 28 2005\n"
                                               "https://kadrel.example.org\n")));

    const auto [answered, help] =
        Answer({"kadrel", "-platform", "offscreen", "--help", "--version"});
    EXPECT_TRUE(answered);
    EXPECT_EQ(help.rfind("Usage: kadrel [-h | --help | --version | PHOTO]\n"
                         "       kadrel COMMAND [OPTIONS]   (kadrel COMMAND --help tells more)\n\n",
                         0),
              0u)
        << help;
    char programDir[MAX_PATHNAME_LEN];
    GetProjectDir(programDir);
    const std::string dir = programDir;
    EXPECT_NE(help.find("\n  panel file   " + dir + "/kadrel.uir\n"), std::string::npos) << help;
    EXPECT_NE(help.find("\n  settings     " + dir + "/kadrel.ini\n"), std::string::npos) << help;
    EXPECT_NE(help.find("\n  preferences  " + dir + "/preferences.ini\n"), std::string::npos)
        << help;

    for (auto args : {std::initializer_list<const char*>{"kadrel"},
                      {"kadrel", "-platform", "offscreen"},
                      {"kadrel", "--versions"},
                      {"kadrel", "-help"},
                      {"kadrel", "--Help"}}) {
        EXPECT_EQ(Answer(args), std::make_pair(false, std::string())) << *(args.end() - 1);
    }
}

// With no folder of the user's own, an installed copy reads nothing, writes
// nothing beside itself (where it would make every later copy portable and
// unable to save), and says at quit that it could not save.
TEST(SettingsLocation, InstalledCopyWithNoUserFolderSavesNowhereAndSaysSo) {
    const std::string tooLong = "/" + std::string(MAX_PATHNAME_LEN + 10, 'x');
    struct Case {
        const char *xdg, *home, *why;
    } const cases[] = {
        {nullptr, nullptr, "neither XDG_CONFIG_HOME nor HOME names an absolute folder"},
        {"relative/cfg", nullptr, "neither XDG_CONFIG_HOME nor HOME names an absolute folder"},
        {tooLong.c_str(), "/home/u", "XDG_CONFIG_HOME is too long for a path"},
    };
    for (const Case& c : cases) {
        Prefix prefix;
        prefix.Put("share/kadrel/kadrel.uir");
        const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnv home("HOME", c.home);
        ASSERT_EQ(SetProjectDir(prefix.Bin().c_str()), 0);
        LocateSettingsFile();
        EXPECT_STREQ(iniFullPath, "") << c.why;
        EXPECT_NE(Answer({"kadrel", "--help"})
                      .second.find(std::string("\n  settings     none: ") + c.why + "\n"),
                  std::string::npos)
            << c.why;
        settings = kFactorySettings;
        ReadSettingsFile();
        settings.focal = 85;
        PopupAnswerer user;
        WriteSettingsFile();
        LocatePreferencesFile();
        EXPECT_FALSE(WritePreferencesFile());
        const std::string where =
            "\n\n$XDG_CONFIG_HOME/kadrel or ~/.config/kadrel\n" + std::string(c.why);
        EXPECT_EQ(user.said, (std::vector<std::string>{
                                 "kadrel|kadrel could not save its settings in" + where,
                                 "kadrel|kadrel could not save its preferences in" + where}));
        EXPECT_TRUE(QDir(QString::fromStdString(prefix.Bin())).entryList(QDir::Files).isEmpty())
            << c.why;
        SetProjectDir(nullptr);
    }
    settings = kFactorySettings;
}

}  // namespace
