// SPDX-License-Identifier: MIT
#include "core/settings/whole_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

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

TEST(WholeFileRead, OnlyRegularFilesUpToTheLimitAndNeverBlocking) {
    Folder folder;
    std::string text = "left as it was";
    bool missing = false;
    Write(folder / "small", "XSIZE = 36\n");
    EXPECT_EQ(ReadWholeFile(folder / "small", 11, &text, &missing), "");
    EXPECT_EQ(text, "XSIZE = 36\n");
    EXPECT_FALSE(missing);

    EXPECT_EQ(ReadWholeFile(folder / "small", 10, &text, &missing), "File too large");
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadWholeFile(folder / "none", 10, &text, &missing), "No such file or directory");
    EXPECT_TRUE(missing);

    // A FIFO with no writer, devices that never end, a folder, a 4 GiB hole.
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    Write(folder / "sparse", "");
    ASSERT_EQ(truncate((folder / "sparse").c_str(), 4LL << 30), 0);
    const std::pair<std::string, const char*> refused[] = {
        {folder / "fifo", "not a regular file"}, {"/dev/zero", "not a regular file"},
        {"/dev/urandom", "not a regular file"},  {folder.path(), "not a regular file"},
        {folder / "sparse", "File too large"},
    };
    for (const auto& [path, why] : refused) {
        EXPECT_EQ(ReadWholeFile(path, 1 << 20, &text, &missing), why) << path;
        EXPECT_FALSE(missing) << path;
    }
}

TEST(WholeFileRead, AFileTheUserCannotReadIsNoMissingFile) {
    Folder folder;
    chmod(folder.path().c_str(), 0777);
    EXPECT_EQ(AsNobody([&] {
                  Write(folder / "locked", "FOCAL = 85\n", 0);
                  std::string text;
                  bool missing = true;
                  const std::string why = ReadWholeFile(folder / "locked", 100, &text, &missing);
                  return why == "Permission denied" && !missing ? "" : "read gave: " + why;
              }),
              "");
}

TEST(WholeFileLinks, FollowedToTheEndEvenWhereNothingIsYet) {
    Folder folder;
    mkdir((folder / "dotfiles").c_str(), 0755);
    symlink("dotfiles/kadrel.ini", (folder / "relative").c_str());
    symlink((folder / "relative").c_str(), (folder / "absolute").c_str());
    EXPECT_EQ(FollowLinks(folder / "absolute"), folder / "dotfiles/kadrel.ini");
    EXPECT_EQ(FollowLinks(folder / "plain"), folder / "plain");
    symlink("loop", (folder / "loop").c_str());
    EXPECT_EQ(FollowLinks(folder / "loop"), folder / "loop");  // ends; writing it then fails
}

TEST(WholeFileReplace, KeepsModeAndLinksAndLeavesNothingBehind) {
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
TEST(WholeFileReplace, AFailedWriteKeepsThePreviousFileByteForByte) {
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

TEST(WholeFileReplace, PermissionsOfAnOrdinaryUser) {
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
TEST(WholeFileReplace, SharedFileKeepsItsGroupAndRootKeepsItsOwner) {
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
