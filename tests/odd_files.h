// SPDX-License-Identifier: MIT
// Things a user's settings file may turn out to be: each is told once at
// start-up and left exactly as it was. kadrel.ini and preferences.ini share
// the cases.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

struct OddFile {
    std::function<void()> make;  // puts it at the path
    std::string why;             // what the notice says
};

// A FIFO, devices behind links, a file far too large (starting with
// firstLine), a link to itself.
inline std::vector<OddFile> OddFilesAt(const std::string& path, const std::string& firstLine) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return {
        {[path] { mkfifo(path.c_str(), 0644); }, "not a regular file"},
        {[path] { symlink("/dev/zero", path.c_str()); }, "not a regular file"},
        {[path] { symlink("/dev/null", path.c_str()); }, "not a regular file"},
        {[path, firstLine] { std::ofstream(path) << firstLine << std::string(1024 * 1024, '#'); },
         std::strerror(EFBIG)},
        {[path, name] { symlink(name.c_str(), path.c_str()); }, std::strerror(ELOOP)},
    };
}
