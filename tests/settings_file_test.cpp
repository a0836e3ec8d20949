// kadrel.ini as the user may have it: behind a link, replaced by a special
// file, too large, with a byte-order mark; and every way out saving the value
// the user sees, typed or not yet confirmed.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>

#include "app_fixture.h"
#include "odd_files.h"

namespace {

const char kNotice[] =
    "kadrel|kadrel could not read its settings and starts with the factory values. It will not "
    "overwrite this file:\n\n";

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('/'));
}

TEST_F(AppTest, AByteOrderMarkBeforeTheFirstKeyIsSkipped) {
    WriteIni(
        "\xEF\xBB\xBF"
        "FOCAL = 50\nDMAX = 20\n");
    InitPanel();
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0);
    EXPECT_EQ(Number(PANEL_DMAX), 20.0);
}

// A FIFO, devices, a file far too large: the start is told at once, with the
// factory values, and the thing in the file's place is left as it was.
TEST_F(AppTest, OddFilesInPlaceOfTheSettingsAreToldOnceAndLeftAlone) {
    for (const OddFile& c : OddFilesAt(iniFullPath, "FOCAL = 50\n")) {
        std::remove(iniFullPath);
        c.make();
        struct stat before;
        ASSERT_EQ(lstat(iniFullPath, &before), 0);
        PopupAnswerer user;
        Restart();
        EXPECT_EQ(Number(PANEL_FOCAL), 24.0) << c.why;
        EXPECT_EQ(user.said,
                  std::vector<std::string>{kNotice + std::string(iniFullPath) + "\n" + c.why});
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
        EXPECT_EQ(user.said.size(), 1u) << c.why;
        struct stat after;
        ASSERT_EQ(lstat(iniFullPath, &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << c.why;
        EXPECT_EQ(after.st_size, before.st_size) << c.why;
    }
    struct stat null;
    ASSERT_EQ(stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
    EXPECT_EQ(null.st_mode & 0777, 0666u);
}

// A dotfile manager's link: the file it leads to takes the new values.
TEST_F(AppTest, ALinkedSettingsFileIsWrittenThroughItsLink) {
    char folder[] = "/tmp/kadrel-dotfiles-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string target = std::string(folder) + "/kadrel.ini";
    std::ofstream(target) << "FOCAL = 50\n";
    chmod(target.c_str(), 0600);
    ASSERT_EQ(symlink(target.c_str(), iniFullPath), 0);
    InitPanel();
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0);
    TypeInto("FOCAL", "85");
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);

    char link[MAX_PATHNAME_LEN] = {};
    EXPECT_EQ(readlink(iniFullPath, link, sizeof link - 1), static_cast<ssize_t>(target.size()));
    EXPECT_EQ(link, target);
    EXPECT_NE(ReadIni().find("FOCAL = 85.0\n"), std::string::npos);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    std::remove(target.c_str());
    rmdir(folder);
    EXPECT_EQ(FolderOf(iniFullPath), projectPath);
}

// Clicks the focal length, types 85 and does not confirm it.
void TypeWithoutConfirming() {
    auto* field = AppTest::Widget<QAbstractSpinBox>("FOCAL");
    field->setFocus();
    field->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(field, "85");
}

bool Saved85() {
    return AppTest::ReadIni().find("FOCAL = 85.0\n") != std::string::npos;
}

TEST_F(AppTest, EveryWayOutSavesAValueStillBeingTyped) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close box", [] { Widget("FOCAL")->window()->close(); }},
        {"Alt+O",
         [] {
             QTest::keyClick(Widget("FOCAL"), Qt::Key_O, Qt::AltModifier);
             [[maybe_unused]] const bool saved = QTest::qWaitFor(Saved85, 5000);
         }},
    };
    for (const auto& [way, leave] : ways) {
        std::remove(iniFullPath);
        Restart();
        TypeWithoutConfirming();
        leave();
        EXPECT_TRUE(Saved85()) << way << ":\n" << ReadIni();
    }
}

// A logout, a closed terminal, Ctrl+C: saved as by the close box, and the
// signal's own handling back once the loop has ended.
TEST_F(AppTest, QuitSignalsSaveAValueStillBeingTyped) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        std::remove(iniFullPath);
        Restart();
        QTimer::singleShot(0, [signal] {
            TypeWithoutConfirming();
            raise(signal);
        });
        EXPECT_EQ(RunUserInterface(), 0) << strsignal(signal);
        EXPECT_TRUE(Saved85()) << strsignal(signal) << ":\n" << ReadIni();
        struct sigaction now;
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << strsignal(signal);
    }

    // Started under nohup: the hang-up stays ignored and nothing ends.
    std::remove(iniFullPath);
    std::signal(SIGHUP, SIG_IGN);
    QTimer::singleShot(0, [] {
        raise(SIGHUP);
        QTimer::singleShot(50, [] { QuitUserInterface(7); });
    });
    EXPECT_EQ(RunUserInterface(), 7);
    EXPECT_EQ(ReadIni(), "");
    struct sigaction now;
    sigaction(SIGHUP, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
