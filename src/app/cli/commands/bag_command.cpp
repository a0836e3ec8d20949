// SPDX-License-Identifier: MIT
// kadrel bag: the bag's bodies, lenses and pinned setups, one a line.
#include "cli/commands/bag_command.h"

#include "cli/options/bag_option.h"
#include "cli/options/option_table.h"
#include "core/text/units.h"
#include "services/camera/bag.h"

int RunBag(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    const CommandLine line{"bag",
                           "Usage: kadrel bag\n\nLists the camera bag, its bodies, lenses and "
                           "pinned setups, from bag.ini beside kadrel.ini.\n",
                           {},
                           nullptr,
                           err};
    if (int status = 0; !ReadOrHelp(line, argc, argv, nullptr, out, &status)) {
        return status;
    }
    ReadBagOnce(err);
    std::fprintf(out, "Bag file: %s\n%s", bagFullPath, BagListing(Units::Metric).c_str());
    return 0;
}
