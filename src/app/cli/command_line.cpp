// SPDX-License-Identifier: MIT
// kadrel --version and --help, answered before the runtime starts, so they
// need no display; a photo as the one argument opens with its camera. Every
// other argument is ignored, as it always was.
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/options/option_table.h"
#include "cli/options/output.h"
#include "cli/subcommands.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"
#include "services/keys.h"
#include "services/locations.h"
#include "services/preferences.h"

namespace {

const char kAbout[] =
    "Usage: kadrel [-h | --help | --version | PHOTO]\n"
    "       kadrel COMMAND [OPTIONS]   (kadrel COMMAND --help tells more)\n"
    "\n"
    "kadrel tells what one digital camera with one lens sees and holds sharp.\n"
    "Enter the sensor's size (mm) and resolution (pixels), the focal length, the\n"
    "aperture and the farthest subject distance: kadrel shows the angles of view,\n"
    "the pixel pitch and a graph of image scale against subject distance, and for\n"
    "the distance under the graph's cursor the hyperfocal distance, the field of\n"
    "view and the depth of field. OK or the window's close box saves the settings\n"
    "and ends kadrel. Given a photo, kadrel starts from the camera that took it.\n"
    "\n"
    "Commands, answered on the command line without a window:\n"
    "%s"
    "\n"
    "Keys in the window:\n";

const char kFilesFormat[] =
    "\n"
    "Files:\n"
    "  kadrel.uir   the panel file: beside the program, else in ../share/kadrel/\n"
    "               relative to the program's folder\n"
    "  kadrel.ini   the settings: beside the program when it is there already, or\n"
    "               when the program's folder is writable and holds the panel\n"
    "               file; otherwise $XDG_CONFIG_HOME/kadrel/kadrel.ini (by default\n"
    "               ~/.config/kadrel/kadrel.ini), made on the first save\n"
    "  preferences.ini\n"
    "               the circle of confusion and units of the figures beside the\n"
    "               report, in the same folder as kadrel.ini\n"
    "  bag.ini      the camera bag: bodies, lenses and pinned setups, in the same\n"
    "               folder as kadrel.ini\n"
    "\n"
    "This copy of kadrel uses:\n"
    "  panel file   %s\n"
    "  settings     %s\n"
    "  preferences  %s\n"
    "  bag          %s\n";

void PrintHelp(std::FILE* out) {
    LocateSettingsFile();
    char panelFile[MAX_PATHNAME_LEN];
    LocatePanelFile(projectPath, panelFile);
    LocatePreferencesFile();
    LocateBagFile();
    // Composed whole and written at once: it is longer than stdout's buffer,
    // and a write that fails on the way must keep its reason for the status.
    char* keys = nullptr;
    std::size_t length = 0;
    if (std::FILE* memory = open_memstream(&keys, &length)) {
        PrintKeys(memory);
        std::fclose(memory);
    }
    WriteOutput(out, TextFormat(kAbout, SubcommandList().c_str()) +
                         std::string(keys != nullptr ? keys : "", length) +
                         TextFormat(kFilesFormat, panelFile, SettingsFileShown().c_str(),
                                    prefsFullPath, bagFullPath));
    std::free(keys);
}

}  // namespace

bool AnswerCommandLine(int argc, char* argv[], std::FILE* out) {
    bool version = false;
    const CommandLine line{
        "",      nullptr, {{nullptr, {SwitchRow("version", &version, nullptr)}, nullptr}},
        nullptr, stderr,  true};
    std::vector<std::string> ignored;
    // Reading stops at --help: a --version seen is one that came first.
    const ReadStatus status = ReadCommandLine(line, argc, argv, &ignored);
    if (version) {
        std::fprintf(out, "%s\n", VersionText().c_str());
    } else if (status == kHelpAsked) {
        PrintHelp(out);
    }
    return version || status == kHelpAsked;
}

char* PhotoOnCommandLine(int argc, char* argv[]) {
    return argc == 2 && argv[1] != nullptr && argv[1][0] != '-' && argv[1][0] != '\0' ? argv[1]
                                                                                      : nullptr;
}
