// SPDX-License-Identifier: MIT
// The table of sub-commands and the one place that runs them.
#include "cli/subcommands.h"

#include <cstring>

#include "app/bag.h"
#include "app/output.h"
#include "cli/dof.h"
#include "cli/photo.h"
#include "cli/stack.h"
#include "cli/table.h"
#include "core/text/text_format.h"

namespace {

const Subcommand kSubcommands[] = {
    {"dof", "depth of field at one distance: the report, the sharp zone, diffraction", RunDof},
    {"stack", "the shots that hold a zone sharp: focus stack, hyperfocal bracketing", RunStack},
    {"table", "depth-of-field cards for focal lengths, apertures, distances: CSV or PDF", RunTable},
    {"photo", "the camera a photo was taken with, as the window would take it", RunPhoto},
    {"bag", "the camera bag: its bodies, lenses and pinned setups", RunBag},
};

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
    return false;
}

std::string SubcommandList() {
    std::string list;
    for (const Subcommand& command : kSubcommands) {
        list += TextFormat("  %-8s %s\n", command.name, command.summary);
    }
    return list;
}
