// SPDX-License-Identifier: MIT
// kadrel table: the window's cards for the camera options, from the same
// functions, as CSV or PDF.
#include "cli/commands/table.h"

#include <csignal>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/options/camera_options.h"
#include "cli/options/output.h"
#include "program/kadrel.h"
#include "services/camera/tables.h"
#include "ui/userint.h"

namespace {

const char kUsage[] =
    "Usage: kadrel table (--csv | --pdf FILE) [--focal LIST] [--apertures LIST]\n"
    "                    [--distances LIST] [options]\n"
    "\n"
    "Depth-of-field cards, one per focal length: focus distances down the side,\n"
    "apertures across, the near and far limits of sharpness in each cell (exact\n"
    "thin lens, distances from the lens), and the hyperfocal distance per\n"
    "aperture. Lists are separated by commas. By default the saved focal length,\n"
    "full stops f/1.4 to f/22 and the standard distances of the units.\n"
    "\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel table --csv --focal 50\n"
    "  kadrel table --pdf cards.pdf --focal 24,35,50 --sensor 36x24 --coc 0.030mm\n";

struct TableOptions {
    TableChoice choice;
    bool csv = false;
    std::optional<std::string> pdf, distances;  // the distances read once the units are known
};

OptionRow ListRow(const char* name, const ItemReader& item, std::vector<double>* values,
                  const char* what, const char* help) {
    return {name, "LIST",
            [=](const std::string& text) {
                return ParseList(text, item, values) ? std::string() : NotA(text, what);
            },
            help};
}

// The camera's one aperture and distance have no use beside the lists: the
// row only refuses them, pointing to the list, and is not listed.
OptionRow ListOnly(const char* name) {
    return {name, "N",
            [name](const std::string&) {
                return std::string("not a table option (use --") + name + "s LIST)";
            },
            nullptr};
}

std::vector<OptionRow> TableRows(TableOptions* o) {
    return {SwitchRow("csv", &o->csv, "the cards as CSV (RFC 4180, C-locale numbers) on stdout"),
            {"pdf", "FILE",
             [o](const std::string& path) {
                 o->pdf = path;
                 return path.empty() ? NotA(path, "a file name") : std::string();
             },
             "the cards as a PDF, each from a new page"},
            ListRow("focal", ReadFocalLength, &o->choice.focals, "a list of focal lengths",
                    "focal lengths in mm, 10 to 2000 (24,35,50)"),
            ListRow("apertures", ReadAperture, &o->choice.apertures, "a list of f-numbers",
                    "f-numbers (2.8,4,5.6,8)"),
            KeptRow("distances", "LIST", &o->distances,
                    "focus distances, bare numbers in the units' length (1,2,3,5)"),
            ListOnly("aperture"),
            ListOnly("distance")};
}

// The PDF writer needs the toolkit, not a display. Its quit handlers would
// wait for an event loop that never runs here: INT, TERM and HUP keep what
// they came with and end the command as a shell expects, and the file is
// written whole or not at all. Only the command's own words reach stderr.
int WritePdf(const CommandLine& line, const std::string& html, const std::string& path) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char program[] = "kadrel";
    char* args[] = {program, nullptr};
    const int quits[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction kept[std::size(quits)];
    for (std::size_t i = 0; i < std::size(quits); ++i) {
        sigaction(quits[i], nullptr, &kept[i]);
    }
    SetBreakOnLibraryErrors(0);
    const bool started = InitCVIRTE(nullptr, args, nullptr) != 0;
    for (std::size_t i = 0; i < std::size(quits); ++i) {
        sigaction(quits[i], &kept[i], nullptr);
    }
    const std::string failure = started ? WriteTablesPdf(html, path) : LastUIFailure();
    CloseCVIRTE();
    return failure.empty() ? 0 : Complain(line, 1, path + ": " + failure);
}

}  // namespace

int RunTable(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions camera{};
    TableOptions o;
    const CommandLine line{
        "table",
        kUsage,
        {{nullptr, TableRows(&o), nullptr},
         CameraGroup(&camera, err, "\nOptions:\n", {"focal", "aperture", "distance"})},
        kExamples,
        err};
    if (int status = 0; !ReadCameraLine(line, argc, argv, &camera, out, &status)) {
        return status;
    }
    const Units units = camera.preferences.units;
    const auto distance = [units](const std::string& text, double* metres) {
        return ReadFocusDistance(text, units, metres);
    };
    if (o.distances && !ParseList(*o.distances, distance, &o.choice.distances)) {
        return Refuse(line, "--distances", *o.distances, "a list of distances");
    }
    if (o.csv == o.pdf.has_value()) {
        return Misused(line, "give one of --csv or --pdf FILE");
    }
    if (o.csv) {
        WriteOutput(out, TablesCsv(camera.settings, camera.preferences, o.choice));
        return 0;
    }
    return WritePdf(line, TablesHtml(camera.settings, camera.preferences, o.choice), *o.pdf);
}
