// SPDX-License-Identifier: MIT
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
#include <limits>

#include <QAbstractButton>
#include <QInputDialog>
#include <QPointer>

#include "app_fixture.h"
#include "core/settings/sensor_presets.h"
#include "odd_files.h"
#include "program/kadrel.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"
#include "windows/menu/menu.h"

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

// A preset's two decimals and a typed 22.35 come back after OK and a start,
// and with them the grey "square pixels" remark.
TEST_F(AppTest, DecimalsBeyondTheFirstSurviveASave) {
    InitPanel();
    std::size_t count = 0;
    const SensorPreset* presets = SensorPresets(&count);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::string(presets[i].name) == "1/2.3-inch") {
            ApplySensorPreset(i);
        }
    }
    TypeInto("FOCAL", "22.35");
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_NE(ReadIni().find("\nXSIZE = 6.17\t# x\nYSIZE = 4.63\t# y\n"), std::string::npos);
    EXPECT_NE(ReadIni().find("\nFOCAL = 22.35\n"), std::string::npos);
    Restart();
    EXPECT_EQ(Number(PANEL_XMM), double{6.17f});
    EXPECT_EQ(Number(PANEL_YMM), double{4.63f});
    EXPECT_EQ(Number(PANEL_FOCAL), double{22.35f});
    EXPECT_EQ(Text(PANEL_TEXTRATIO2), "square pixels");
}

// inf, infinity and 1e39 (beyond a float) leave a field as nan does, whether
// typed, read from kadrel.ini or given by a prompt; nothing non-finite reaches
// the report or the next save. d max's range ends short of 1e39: its bound.
TEST_F(AppTest, NonFiniteValuesAreRefusedFromEveryPath) {
    InitPanel();
    const std::string report = Text(PANEL_TEXTPARAM);
    for (const char* field : {"XMM", "YMM", "DMAX"}) {
        for (const char* text : {"inf", "infinity", "1e39"}) {
            if (std::string(field) != "DMAX" || text[0] == 'i') {
                TypeInto(field, text);
            }
        }
    }
    TypeInto("FOCAL", "inf");
    TypeInto("XPIX", "-infinity");
    EXPECT_EQ(Number(PANEL_XMM), 22.5);
    EXPECT_EQ(Number(PANEL_YMM), 15.0);
    EXPECT_EQ(Number(PANEL_DMAX), 10.0);
    EXPECT_EQ(Number(PANEL_FOCAL), 24.0);
    EXPECT_EQ(Number(PANEL_XPIX), 3504.0);
    EXPECT_EQ(Text(PANEL_TEXTPARAM), report);
    TypeInto("DMAX", "1e39");  // a finite number past the farthest d max takes that bound
    EXPECT_EQ(Number(PANEL_DMAX), 1e9);

    // From the file: each field keeps the panel's own value, as for nan.
    WriteIni("XSIZE = nan\nYSIZE = nan\nFOCAL = nan\nDMAX = nan\n");
    Restart();
    const double asForNan[] = {Number(PANEL_XMM), Number(PANEL_YMM), Number(PANEL_FOCAL),
                               Number(PANEL_DMAX)};
    WriteIni("XSIZE = inf\nYSIZE = 1e39\nFOCAL = infinity\nDMAX = -inf\n");
    Restart();
    EXPECT_EQ(Number(PANEL_XMM), asForNan[0]);
    EXPECT_EQ(Number(PANEL_YMM), asForNan[1]);
    EXPECT_EQ(Number(PANEL_FOCAL), asForNan[2]);
    EXPECT_EQ(Number(PANEL_DMAX), asForNan[3]);
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(ReadIni().find("inf"), std::string::npos) << ReadIni();
    EXPECT_EQ(ReadIni().find("nan"), std::string::npos) << ReadIni();

    // A prompt: typing inf leaves the number it offered.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* editor = dialog->findChild<QLineEdit*>();
        editor->selectAll();
        QTest::keyClicks(editor, "inf");
        dialog->accept();
    });
    double asked = 3.0;
    const double inf = std::numeric_limits<double>::infinity();
    PromptPopupNumber("kadrel", "Subject distance", &asked, -inf, inf, 2);
    EXPECT_EQ(asked, 3.0);
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

// Keeps the text of each message pop-up that shows, answering none; at the
// first it raises the signal twice, back to back.
class SignalAtFirstMessage {
  public:
    explicit SignalAtFirstMessage(int signal) {
        QObject::connect(&timer_, &QTimer::timeout, [this, signal] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box == shown_) {
                return;
            }
            shown_ = box;
            said.push_back(box->text().toStdString());
            if (said.size() == 1) {
                raise(signal);
                raise(signal);
            }
        });
        timer_.start(5);
    }
    std::vector<std::string> said;

  private:
    QTimer timer_;
    QPointer<QMessageBox> shown_;
};

// A logout, a closed terminal, Ctrl+C: saved as by the close box, whichever
// window is active; with the details window in front and two signals back to
// back as well.
TEST_F(AppTest, QuitSignalsSaveWhicheverWindowIsActive) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        for (bool details : {false, true}) {
            std::remove(iniFullPath);
            Restart();
            QTimer::singleShot(0, [signal, details] {
                TypeWithoutConfirming();
                if (details) {
                    OpenDetails();
                    QWidget* window = nullptr;
                    for (QWidget* w : QApplication::topLevelWidgets()) {
                        if (w->windowTitle() == "kadrel details") {
                            window = w;
                        }
                    }
                    ASSERT_NE(window, nullptr);
                    QApplication::setActiveWindow(window);
                    raise(signal);
                }
                raise(signal);
            });
            EXPECT_EQ(RunUserInterface(), 0) << strsignal(signal);
            EXPECT_TRUE(Saved85()) << strsignal(signal) << (details ? ", details" : "") << ":\n"
                                   << ReadIni();
        }
    }
    CloseSideWindows();
}

// A signal while the save's failure is told ends the program: no second save,
// no second message, nobody needed to press OK.
TEST_F(AppTest, QuitSignalDuringAFailedSaveEndsWithoutRetrying) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        Restart();
        std::strcpy(iniFullPath, "/nonexistent-kadrel-dir/kadrel.ini");
        SignalAtFirstMessage user(signal);
        QTimer::singleShot(0, [] { Widget<QAbstractButton>("COMMANDBUTTON")->click(); });
        EXPECT_EQ(RunUserInterface(), 0) << strsignal(signal);
        EXPECT_EQ(user.said, std::vector<std::string>{"kadrel could not save its settings in\n\n"
                                                      "/nonexistent-kadrel-dir/kadrel.ini\n" +
                                                      std::string(std::strerror(ENOENT))})
            << strsignal(signal);
        LocateSettingsFile();
    }
}

// A signal while the start-up notice shows: the notice ends, the unreadable
// file is left alone, and the run that follows ends at once.
TEST_F(AppTest, QuitSignalDuringTheStartUpNoticeEndsTheRun) {
    ASSERT_EQ(mkfifo(iniFullPath, 0644), 0);
    {
        SignalAtFirstMessage user(SIGTERM);
        Restart();
        EXPECT_EQ(user.said.size(), 1u);
        EXPECT_EQ(RunUserInterface(), 0);
    }
    struct stat info;
    ASSERT_EQ(lstat(iniFullPath, &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    // Qt forgets the exit only in a run of its loop; the next test needs one.
    QTimer::singleShot(0, [] { QuitUserInterface(0); });
    EXPECT_EQ(RunUserInterface(), 0);
}

}  // namespace
