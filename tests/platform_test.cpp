// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/helper_process.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
constexpr gid_t kUsers = 100;

std::string Read(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& text, mode_t mode = 0644) {
    std::ofstream(path) << text;
    chmod(path.c_str(), mode);
}

struct stat Stat(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info;
}

// A fresh folder under /tmp, removed with all it holds.
class Folder {
  public:
    Folder() {
        char name[] = "/tmp/kadrel-file-XXXXXX";
        path_ = mkdtemp(name);
        chmod(path_.c_str(), 0755);
    }
    ~Folder() { std::system(("chmod -R u+rwx " + path_ + "; rm -rf " + path_).c_str()); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Runs a check as the unprivileged user nobody, whose permissions root would
// bypass; "" from the check is success. Without root the check runs as is.
std::string AsNobody(const std::function<std::string()>& check, gid_t extraGroup = kNogroup) {
    if (geteuid() != 0) {
        return check();
    }
    int ends[2];
    if (pipe(ends) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        const gid_t groups[] = {kNogroup, extraGroup};
        std::string result =
            setgroups(2, groups) == 0 && setgid(kNogroup) == 0 && setuid(kNobody) == 0
                ? check()
                : "cannot become nobody";
        [[maybe_unused]] ssize_t n = write(ends[1], result.data(), result.size());
        _exit(0);
    }
    close(ends[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<size_t>(n));
    }
    close(ends[0]);
    waitpid(child, nullptr, 0);
    return result;
}

TEST(RegularFileRead, OnlyRegularFilesUpToTheCapAndNeverBlocking) {
    Folder folder;
    Write(folder / "small", "XSIZE = 36\n");
    // A FIFO with no writer, devices that never end, a folder, a 4 GiB hole.
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    Write(folder / "sparse", "");
    ASSERT_EQ(truncate((folder / "sparse").c_str(), 4LL << 30), 0);
    const struct {
        std::string path;
        std::size_t limit;
        FileFault::Kind kind;
        const char* why;
        const char* text;
    } cases[] = {
        {folder / "small", 11, FileFault::kNone, "", "XSIZE = 36\n"},
        {folder / "small", 10, FileFault::kTooLarge, "File too large", ""},
        {folder / "none", 10, FileFault::kCannotOpen, "No such file or directory", ""},
        {folder / "fifo", 1 << 20, FileFault::kNotRegular, "not a regular file", ""},
        {"/dev/zero", 1 << 20, FileFault::kNotRegular, "not a regular file", ""},
        {"/dev/urandom", 1 << 20, FileFault::kNotRegular, "not a regular file", ""},
        {folder.path(), 1 << 20, FileFault::kFolder, "not a regular file", ""},
        {folder / "sparse", 1 << 20, FileFault::kTooLarge, "File too large", ""},
    };
    for (const auto& c : cases) {
        std::string text = "left as it was";
        const FileFault fault = ReadRegularFile(c.path, c.limit, &text);
        EXPECT_EQ(fault.kind, c.kind) << c.path;
        EXPECT_EQ(fault.Reason(), c.why) << c.path;
        EXPECT_EQ(fault.missing(), c.kind == FileFault::kCannotOpen) << c.path;
        EXPECT_EQ(text, c.text) << c.path;
    }
}

TEST(RegularFileRead, AFileTheUserCannotReadIsNoMissingFile) {
    Folder folder;
    chmod(folder.path().c_str(), 0777);
    EXPECT_EQ(AsNobody([&] {
                  Write(folder / "locked", "FOCAL = 85\n", 0);
                  std::string text;
                  const FileFault fault = ReadRegularFile(folder / "locked", 100, &text);
                  return fault.Reason() == "Permission denied" && !fault.missing()
                             ? ""
                             : "read gave: " + fault.Reason();
              }),
              "");
}

// Each helper a shell's few words; the deadline 300 ms.
TEST(HelperRun, EndsByItselfOrIsStoppedAndSaysHow) {
    const std::string tooMuch = "head -c " + std::to_string(kLargestAnswer + 1) + " /dev/zero";
    // Far more than a pipe holds, as the lens database's list is: the helper
    // must be able to wait while its answer is read.
    const std::string long_answer(200000, 'x');
    const std::string lens_list = "head -c 200000 /dev/zero | tr '\\0' x";
    const struct {
        std::string script;
        HelperOutcome outcome;
        std::optional<std::string> answer;
    } cases[] = {
        {lens_list, HelperOutcome::kFinished, long_answer},
        {"printf 'kadrel-photo 1\\nend\\n'", HelperOutcome::kFinished, "kadrel-photo 1\nend\n"},
        {"read line; printf \"[$line]\"; echo gone >&2", HelperOutcome::kFinished, "[]"},
        {"printf half; exit 3", HelperOutcome::kFailed, "half"},
        {"printf half; kill -SEGV $$", HelperOutcome::kFailed, "half"},
        {tooMuch, HelperOutcome::kFailed, std::nullopt},  // what came before the cap is not asked
        {"printf begun; exec sleep 60", HelperOutcome::kTimedOut, "begun"},
        {"exec >&-; sleep 60", HelperOutcome::kTimedOut, ""},
    };
    for (const auto& c : cases) {
        const char* argv[] = {"/bin/sh", "-c", c.script.c_str(), nullptr};
        std::string answer = "left as it was";
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(RunHelper(argv, 300, &answer), c.outcome) << c.script;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.script;
        if (c.answer) {
            EXPECT_EQ(answer, *c.answer) << c.script;
        }
    }
    const char* missing[] = {"/no/such/helper", nullptr};
    std::string answer;
    EXPECT_EQ(RunHelper(missing, 300, &answer), HelperOutcome::kFailed);
}

TEST(ReplaceFileLinks, FollowedToTheEndEvenWhereNothingIsYet) {
    Folder folder;
    mkdir((folder / "dotfiles").c_str(), 0755);
    symlink("dotfiles/kadrel.ini", (folder / "relative").c_str());
    symlink((folder / "relative").c_str(), (folder / "absolute").c_str());
    EXPECT_EQ(FollowLinks(folder / "absolute"), folder / "dotfiles/kadrel.ini");
    EXPECT_EQ(FollowLinks(folder / "plain"), folder / "plain");
    symlink("loop", (folder / "loop").c_str());
    EXPECT_EQ(FollowLinks(folder / "loop"), folder / "loop");  // ends; writing it then fails
}

TEST(ReplaceFile, KeepsModeAndLinksAndLeavesNothingBehind) {
    Folder folder;
    const mode_t mask = umask(022);
    EXPECT_EQ(ReplaceWholeFile(folder / "new", "one\n"), "");
    EXPECT_EQ(Stat(folder / "new").st_mode & 07777, 0644u);
    Write(folder / "kept", "old\n", 0640);
    EXPECT_EQ(ReplaceWholeFile(folder / "kept", "two\n"), "");
    EXPECT_EQ(Read(folder / "kept"), "two\n");
    EXPECT_EQ(Stat(folder / "kept").st_mode & 07777, 0640u);
    umask(mask);

    mkdir((folder / "place").c_str(), 0755);
    EXPECT_EQ(ReplaceWholeFile(folder / "place", "x"), "not a regular file");
    EXPECT_EQ(ReplaceWholeFile(folder / "no/such/folder", "x"), "No such file or directory");
    EXPECT_EQ(std::system(("test $(ls " + folder.path() + " | wc -l) -eq 3").c_str()), 0);
}

// As on a full disk: the write fails half-way and the old file stays whole.
TEST(ReplaceFile, AFailedWriteKeepsThePreviousFileByteForByte) {
    Folder folder;
    Write(folder / "kadrel.ini", "# mine\nFOCAL = 50.0\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit tiny{8, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    const std::string why = ReplaceWholeFile(folder / "kadrel.ini", std::string(100, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(why, "File too large");
    EXPECT_EQ(Read(folder / "kadrel.ini"), "# mine\nFOCAL = 50.0\n");
    EXPECT_EQ(std::system(("test $(ls " + folder.path() + " | wc -l) -eq 1").c_str()), 0);
}

TEST(ReplaceFile, PermissionsOfAnOrdinaryUser) {
    Folder folder;
    chmod(folder.path().c_str(), 0777);
    // The folder is closed to the user, the file open: rewritten in place.
    EXPECT_EQ(AsNobody([&] {
                  mkdir((folder / "closed").c_str(), 0755);
                  const std::string file = folder / "closed/kadrel.ini";
                  Write(file, "old, and longer than the new text\n", 0600);
                  const ino_t inode = Stat(file).st_ino;
                  chmod((folder / "closed").c_str(), 0555);
                  const std::string why = ReplaceWholeFile(file, "new\n");
                  return why.empty() && Read(file) == "new\n" && Stat(file).st_ino == inode
                             ? ""
                             : "in place gave: " + why + ", text " + Read(file);
              }),
              "");
    // A file its owner protected from writing stays as it is.
    EXPECT_EQ(AsNobody([&] {
                  Write(folder / "protected", "old\n", 0444);
                  const std::string why = ReplaceWholeFile(folder / "protected", "new\n");
                  return why == "Permission denied" && Read(folder / "protected") == "old\n"
                             ? ""
                             : "protected gave: " + why;
              }),
              "");
}

// A file shared through a group: the user may write it and keeps its group.
TEST(ReplaceFile, SharedFileKeepsItsGroupAndRootKeepsItsOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to set up files of other users";
    }
    Folder folder;
    chown(folder.path().c_str(), 0, kUsers);
    chmod(folder.path().c_str(), 0770);
    Write(folder / "shared", "old\n", 0660);
    chown((folder / "shared").c_str(), 0, kUsers);
    EXPECT_EQ(AsNobody([&] { return ReplaceWholeFile(folder / "shared", "new\n"); }, kUsers), "");
    EXPECT_EQ(Read(folder / "shared"), "new\n");
    EXPECT_EQ(Stat(folder / "shared").st_gid, kUsers);
    EXPECT_EQ(Stat(folder / "shared").st_mode & 07777, 0660u);

    chown((folder / "shared").c_str(), kNobody, kNogroup);
    EXPECT_EQ(ReplaceWholeFile(folder / "shared", "by root\n"), "");
    EXPECT_EQ(Stat(folder / "shared").st_uid, kNobody);
    EXPECT_EQ(Stat(folder / "shared").st_gid, kNogroup);
}

}  // namespace
