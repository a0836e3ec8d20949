// SPDX-License-Identifier: MIT
// Where the panel file and kadrel.ini are, for a portable or installed copy.
#include "services/locations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/install_layout.h"

namespace {

// Present as a name, even as a link to nothing: a kadrel.ini the user put
// there marks the copy as portable whatever it points to.
bool Present(const char* path) {
    struct stat info;
    return lstat(path, &info) == 0;
}

bool InstalledPanelFile(const char* programDir, char (&path)[MAX_PATHNAME_LEN]) {
    char relative[MAX_PATHNAME_LEN];
    return MakePathname(kKadrelDataFromProgram, "kadrel.uir", relative) == 0 &&
           MakePathname(programDir, relative, path) == 0 && Present(path);
}

bool Executable(const char* directory, const char* relative, char (&path)[MAX_PATHNAME_LEN]) {
    char inside[MAX_PATHNAME_LEN];
    return MakePathname(relative, "kadrel-photo", inside) == 0 &&
           MakePathname(directory, inside, path) == 0 && access(path, X_OK) == 0;
}

}  // namespace

bool LocatePanelFile(const char* programDir, char (&path)[MAX_PATHNAME_LEN]) {
    char installed[MAX_PATHNAME_LEN];
    if (MakePathname(programDir, "kadrel.uir", path) != 0) {
        std::strcpy(path, "kadrel.uir");  // fails to load, naming the file
        return false;
    }
    if (Present(path) || !InstalledPanelFile(programDir, installed)) {
        return false;
    }
    std::memcpy(path, installed, sizeof installed);
    return true;
}

bool SettingsArePortable(const char* programDir) {
    char path[MAX_PATHNAME_LEN];
    if (MakePathname(programDir, "kadrel.ini", path) == 0 && Present(path)) {
        return true;
    }
    return access(programDir, W_OK) == 0 && !LocatePanelFile(programDir, path);
}

std::string UserSettingsPath(char (&path)[MAX_PATHNAME_LEN]) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const bool fromConfig = config != nullptr && config[0] == '/';  // a relative one is ignored
    if (!fromConfig && (home == nullptr || home[0] != '/')) {
        return "neither XDG_CONFIG_HOME nor HOME names an absolute folder";
    }
    char folder[MAX_PATHNAME_LEN];
    char file[MAX_PATHNAME_LEN];
    if ((fromConfig ? MakePathname(config, "kadrel", folder)
                    : MakePathname(home, ".config/kadrel", folder)) != 0 ||
        MakePathname(folder, "kadrel.ini", file) != 0) {
        return fromConfig ? "XDG_CONFIG_HOME is too long for a path"
                          : "HOME is too long for a path";
    }
    std::memcpy(path, file, sizeof file);
    return "";
}

int PathBeside(const char* path, const char* name, char (&beside)[MAX_PATHNAME_LEN]) {
    const char* slash = std::strrchr(path, '/');
    const std::size_t folder = slash == nullptr ? 0 : static_cast<std::size_t>(slash - path + 1);
    const std::size_t length = std::strlen(name);
    if (folder + length >= MAX_PATHNAME_LEN) {
        return -1;
    }
    std::memcpy(beside, path, folder);
    std::memcpy(beside + folder, name, length + 1);
    return 0;
}

int MakeParentFolders(const char* path) {
    char folder[MAX_PATHNAME_LEN];
    const size_t length = std::strlen(path);
    if (length >= sizeof folder) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(folder, path, length + 1);
    for (char* slash = std::strchr(folder + 1, '/'); slash != nullptr;
         slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        struct stat info;
        if (mkdir(folder, 0700) != 0 &&
            (errno != EEXIST || stat(folder, &info) != 0 || !S_ISDIR(info.st_mode))) {
            if (errno == EEXIST) {
                errno = ENOTDIR;
            }
            return -1;
        }
        *slash = '/';
    }
    return 0;
}

bool LocatePhotoHelper(const char* programDir, char (&path)[MAX_PATHNAME_LEN]) {
    return Executable(programDir, kKadrelHelperBesideProgram, path) ||
           Executable(programDir, kKadrelHelperFromProgram, path);
}
