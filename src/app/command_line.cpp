// kadrel --version and --help, answered before the runtime starts, so they
// need no display. Every other argument is ignored, as it always was.
#include <cstring>

#include "app/kadrel.h"
#include "app/locations.h"

namespace {

const char kHelpFormat[] =
    "Usage: kadrel [--help | --version]\n"
    "\n"
    "kadrel tells what one digital camera with one lens sees and holds sharp.\n"
    "Enter the sensor's size (mm) and resolution (pixels), the focal length, the\n"
    "aperture and the farthest subject distance: kadrel shows the angles of view,\n"
    "the pixel pitch and a graph of image scale against subject distance, and for\n"
    "the distance under the graph's cursor the hyperfocal distance, the field of\n"
    "view and the depth of field. OK or the window's close box saves the settings\n"
    "and ends kadrel.\n"
    "\n"
    "Keys in the window:\n"
    "  Tab, Shift+Tab   move between the fields, the graph and the buttons\n"
    "  Return           confirm a typed value (leaving the field confirms it too)\n"
    "  Up, Down         step a field's value; Page Up, Page Down: ten steps\n"
    "  Left, Right      move the graph's cursor; with Shift, ten times farther\n"
    "  Space            press the button that has the focus\n"
    "\n"
    "Files:\n"
    "  kadrel.uir   the panel file: beside the program, else in ../share/kadrel/\n"
    "               relative to the program's folder\n"
    "  kadrel.ini   the settings: beside the program when it is there already, or\n"
    "               when the program's folder is writable and holds the panel\n"
    "               file; otherwise $XDG_CONFIG_HOME/kadrel/kadrel.ini (by default\n"
    "               ~/.config/kadrel/kadrel.ini), made on the first save\n"
    "\n"
    "This copy of kadrel uses:\n"
    "  panel file   %s\n"
    "  settings     %s\n";

void PrintHelp(std::FILE* out) {
    LocateSettingsFile();
    char panelFile[MAX_PATHNAME_LEN];
    LocatePanelFile(projectPath, panelFile);
    std::fprintf(out, kHelpFormat, panelFile, SettingsFileShown().c_str());
}

}  // namespace

bool AnswerCommandLine(int argc, char* argv[], std::FILE* out) {
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "%s\n", VersionText().c_str());
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintHelp(out);
            return true;
        }
    }
    return false;
}
