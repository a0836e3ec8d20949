// SPDX-License-Identifier: MIT
// The table of sub-commands and the one place that runs them.
#include "cli/subcommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "cli/commands/bag_command.h"
#include "cli/commands/dof.h"
#include "cli/commands/photo.h"
#include "cli/commands/stack.h"
#include "cli/commands/table.h"
#include "cli/commands/tilt_command.h"
#include "cli/options/output.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"

namespace {

const Subcommand kSubcommands[] = {
    {"dof", "depth of field at one distance: the report, the sharp zone, diffraction", RunDof},
    {"stack", "the shots that hold a zone sharp: focus stack, hyperfocal bracketing", RunStack},
    {"table", "depth-of-field cards for focal lengths, apertures, distances: CSV or PDF", RunTable},
    {"photo", "the camera a photo was taken with, as the window would take it", RunPhoto},
    {"tilt", "a tilted lens's wedge of sharpness: hinge, planes, the tilt for a height", RunTilt},
    {"bag", "the camera bag: its bodies, lenses and pinned setups", RunBag},
};

// Letters to change, add or drop to turn a into b.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A word where a sub-command would stand, followed by long options, or by
// any option when it names no file either: meant as a command, not a photo.
bool MeantAsCommand(int argc, char* argv[]) {
    bool options = false;
    bool longOptions = false;
    for (int i = 2; i < argc && argv[i] != nullptr; ++i) {
        options = options || argv[i][0] == '-';
        longOptions = longOptions || std::strncmp(argv[i], "--", 2) == 0;
    }
    struct stat info;
    return argv[1][0] != '-' && (longOptions || (options && stat(argv[1], &info) != 0));
}

int RefuseCommand(const char* word, std::FILE* err) {
    const Subcommand* nearest = nullptr;
    std::size_t distance = 3;  // more letters apart than this is no typing slip
    for (const Subcommand& command : kSubcommands) {
        if (const std::size_t d = EditDistance(word, command.name); d < distance) {
            nearest = &command;
            distance = d;
        }
    }
    const std::string hint = nearest != nullptr ? TextFormat("did you mean '%s'?", nearest->name)
                                                : std::string("see kadrel --help");
    std::fprintf(err, "kadrel: '%s' is not a command (%s)\n", word, hint.c_str());
    return 2;
}

}  // namespace

bool RunSubcommand(int argc, char* argv[], std::FILE* out, std::FILE* err, int* status) {
    if (argc < 2 || argv[1] == nullptr) {
        return false;
    }
    for (const Subcommand& command : kSubcommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            const int ran = command.run(argc - 1, argv + 1, out, err);
            const int written = FinishOutput(out, err);
            *status = ran != 0 ? ran : written;
            return true;
        }
    }
    if (MeantAsCommand(argc, argv)) {
        *status = RefuseCommand(argv[1], err);
        return true;
    }
    return false;
}

std::string SubcommandList() {
    std::string list;
    for (const Subcommand& command : kSubcommands) {
        list += TextFormat("  %-8s %s\n", command.name, command.summary);
    }
    return list;
}
