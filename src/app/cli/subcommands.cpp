// The table of sub-commands and the one place that runs them.
#include "cli/subcommands.h"

#include <cerrno>
#include <cstring>

#include "cli/dof.h"
#include "cli/table.h"
#include "core/text_format.h"

namespace {

const Subcommand kSubcommands[] = {
    {"dof", "depth of field at one distance: the report, the sharp zone, diffraction", RunDof},
    {"table", "depth-of-field cards for focal lengths, apertures, distances: CSV or PDF", RunTable},
};

// What was written must reach its file: a full disk or a closed pipe is a
// failure, as in coreutils.
int Finished(int status, std::FILE* out, std::FILE* err) {
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "kadrel: write error: %s\n", std::strerror(errno ? errno : EIO));
        return 1;
    }
    return status;
}

}  // namespace

bool RunSubcommand(int argc, char* argv[], std::FILE* out, std::FILE* err, int* status) {
    if (argc < 2 || argv[1] == nullptr) {
        return false;
    }
    for (const Subcommand& command : kSubcommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            errno = 0;
            *status = Finished(command.run(argc - 1, argv + 1, out, err), out, err);
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
