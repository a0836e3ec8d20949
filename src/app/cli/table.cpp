// SPDX-License-Identifier: MIT
// kadrel table: the window's cards for the camera options, from the same
// functions, as CSV or PDF.
#include "cli/table.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/output.h"
#include "app/tables.h"
#include "cli/camera_options.h"
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
    "\n"
    "  --csv            the cards as CSV (RFC 4180, C-locale numbers) on stdout\n"
    "  --pdf FILE       the cards as a PDF, each from a new page\n"
    "  --focal LIST     focal lengths in mm, each as --focal below (24,35,50)\n"
    "  --apertures LIST f-numbers (2.8,4,5.6,8)\n"
    "  --distances LIST focus distances, bare numbers in the units' length (1,2,3,5)\n"
    "\n"
    "Options:\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel table --csv --focal 50\n"
    "  kadrel table --pdf cards.pdf --focal 24,35,50 --sensor 36x24 --coc 0.030mm\n";

int Usage(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

// The value of option in args[*i] ("--x V" or "--x=V"), moving *i past it.
bool TakeValue(const std::vector<std::string>& args, std::size_t* i, const char* option,
               std::string* value) {
    const std::string& arg = args[*i];
    const std::size_t n = std::strlen(option);
    if (arg.compare(0, n, option) != 0 || (arg.size() > n && arg[n] != '=')) {
        return false;
    }
    if (arg.size() > n) {
        *value = arg.substr(n + 1);
    } else if (*i + 1 < args.size()) {
        *value = args[++*i];
    } else {
        value->clear();
        *i = args.size();  // flagged by the caller as a missing value
    }
    return true;
}

// Whether arg names option, alone or as "option=value".
bool IsOption(const char* arg, const char* option) {
    const std::size_t n = std::strlen(option);
    return std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=');
}

// The PDF writer needs the toolkit, not a display. Its quit handlers would
// wait for an event loop that never runs here: INT, TERM and HUP keep what
// they came with and end the command as a shell expects, and the file is
// written whole or not at all. Only the command's own words reach stderr.
int WritePdf(const std::string& html, const std::string& path, std::FILE* err) {
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
    if (!failure.empty()) {
        std::fprintf(err, "kadrel: %s: %s\n", path.c_str(), failure.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int RunTable(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    // --focal here is a list; the camera's one aperture and distance have no
    // use beside the lists; the camera options take the rest.
    std::vector<char*> cameraArgs{argv[0]};
    std::vector<std::string> own;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        for (const char* single : {"--aperture", "--distance"}) {
            if (IsOption(argv[i], single)) {
                std::fprintf(err, "kadrel: table: %s is not a table option (use %ss LIST)\n",
                             single, single);
                return 2;
            }
        }
        if (IsOption(argv[i], "--focal")) {
            own.push_back(argv[i]);
            if (argv[i][7] == '\0' && (i + 1 >= argc || argv[i + 1] == nullptr)) {
                std::fprintf(err, "kadrel: --focal needs a value\n");
                return 2;
            }
            if (argv[i][7] == '\0') {
                own.push_back(argv[++i]);
            }
        } else {
            cameraArgs.push_back(argv[i]);
        }
    }
    CameraOptions options{};
    std::vector<std::string> rest;
    if (const int status = ReadCameraOptions(static_cast<int>(cameraArgs.size()), cameraArgs.data(),
                                             &options, &rest, err)) {
        return status;
    }
    if (options.help) {
        std::fprintf(out, "%s%s%s", kUsage, kCameraOptionsHelp, kExamples);
        return 0;
    }
    own.insert(own.end(), rest.begin(), rest.end());
    const Units units = options.preferences.units;
    TableChoice choice;
    bool csv = false;
    std::string pdf;
    for (std::size_t i = 0; i < own.size(); ++i) {
        std::string value;
        const auto list = [&](const char* option, const ItemReader& item,
                              std::vector<double>* values, const char* what) {
            if (!TakeValue(own, &i, option, &value)) {
                return -1;
            }
            return ParseList(value, item, values) ? 0 : Usage(err, option, value, what);
        };
        int status = list("--focal", ReadFocalLength, &choice.focals, "a list of focal lengths");
        if (status < 0) {
            status = list("--apertures", ReadAperture, &choice.apertures, "a list of f-numbers");
        }
        if (status < 0) {
            status = list(
                "--distances",
                [units](const std::string& text, double* metres) {
                    return ReadFocusDistance(text, units, metres);
                },
                &choice.distances, "a list of distances");
        }
        if (status < 0 && TakeValue(own, &i, "--pdf", &value)) {
            status = value.empty() ? Usage(err, "--pdf", value, "a file name") : 0;
            pdf = value;
        }
        if (status < 0 && own[i] == "--csv") {
            csv = true;
            status = 0;
        }
        if (status < 0) {
            std::fprintf(err, "kadrel: table: unknown argument \"%s\" (see kadrel table --help)\n",
                         own[i].c_str());
            return 2;
        }
        if (status > 0) {
            return status;
        }
    }
    if (csv == !pdf.empty()) {
        std::fprintf(err,
                     "kadrel: table: give one of --csv or --pdf FILE (see kadrel table --help)\n");
        return 2;
    }
    if (csv) {
        WriteOutput(out, TablesCsv(options.settings, options.preferences, choice));
        return 0;
    }
    return WritePdf(TablesHtml(options.settings, options.preferences, choice), pdf, err);
}
