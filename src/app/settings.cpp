// kadrel.ini, beside the program or the user's own (app/locations.h): read
// once at start-up, replaced whole at quit.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/kadrel.h"
#include "app/locations.h"
#include "core/settings_text.h"

char projectPath[MAX_PATHNAME_LEN];
char iniFullPath[MAX_PATHNAME_LEN];

namespace {

// fgets reads at most 511 characters; a longer line comes in pieces.
char lineBuffer[512];

// The user's own kadrel.ini, whose folder the first save makes.
bool perUserSettings = false;

// Permissions a file created by fopen would get.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

char* GetLine(FILE* file) {
    const int previous = SetBreakOnProtectionErrors(0);
    char* line = nullptr;
    while (std::fgets(lineBuffer, sizeof lineBuffer, file) != nullptr) {
        line = TrimSettingsLine(lineBuffer);
        if (*line != '\0') {
            break;
        }
        line = nullptr;
    }
    SetBreakOnProtectionErrors(previous);
    return line;
}

void LocateSettingsFile() {
    GetProjectDir(projectPath);
    MakePathname(projectPath, "kadrel.ini", iniFullPath);
    perUserSettings = !SettingsArePortable(projectPath) && UserSettingsPath(iniFullPath) == 0;
}

void ReadSettingsFile() {
    SetBreakOnLibraryErrors(0);
    FILE* file = std::fopen(iniFullPath, "r");
    SetBreakOnLibraryErrors(1);
    if (file == nullptr) {
        return;
    }
    while (const char* line = GetLine(file)) {
        ApplySettingsLine(line, &settings);
    }
    std::fclose(file);
}

// The new text goes to a temporary file in the same directory, which then
// replaces kadrel.ini in one rename: a failed write leaves the old file whole.
void WriteSettingsFile() {
    if (perUserSettings) {
        MakeParentFolders(iniFullPath);  // a failure shows when the file cannot be made
    }
    const std::string text = SettingsFileText(settings);
    std::string name = std::string(iniFullPath) + ".XXXXXX";  // mkstemp fills in the Xs
    SetBreakOnLibraryErrors(0);
    const int fd = mkstemp(name.data());
    SetBreakOnLibraryErrors(1);
    if (fd < 0) {
        return;
    }
    struct stat existing;
    const mode_t mode =
        stat(iniFullPath, &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
    const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(name.c_str(), iniFullPath) != 0) {
        unlink(name.c_str());
    }
}
