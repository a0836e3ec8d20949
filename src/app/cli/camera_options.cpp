// SPDX-License-Identifier: MIT
// Reading the shared camera options over the saved settings.
#include "cli/camera_options.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <optional>

#include "app/bag.h"
#include "app/kadrel.h"
#include "app/preferences.h"
#include "core/text/units.h"
#include "panel_definition.h"
#include "services/live_setup.h"

const char kCameraOptionsHelp[] =
    "  --sensor WxH     sensor size in mm, e.g. 36x24\n"
    "  --pixels WxH     pixels across and down, e.g. 6000x4000\n"
    "  --focal MM       focal length in mm (10 to 2000)\n"
    "  --aperture N     f-number (1 to 50)\n"
    "  --distance D     subject distance from the lens: 3, \"3 m\", \"300 cm\", \"10 ft\",\n"
    "                   \"10' 6\\\"\", \"126 in\"; a bare number is in metres, or in\n"
    "                   feet with --units imperial\n"
    "  --coc C          circle of confusion: \"1 px\" to \"10 px\", d/1500 (the sensor\n"
    "                   diagonal over 1500), \"0.030 mm\", \"print 297 mm at 500 mm\"\n"
    "  --units U        metric or imperial\n"
    "  --body NAME      a body from the camera bag (kadrel bag lists it)\n"
    "  --lens NAME      a lens from the bag: the focal length kept in its range,\n"
    "                   the aperture no wider than it opens there\n"
    "  --help           this help\n"
    "Options not given come from kadrel.ini and preferences.ini, as the window\n"
    "would start (the aperture starts at f/3.5).\n";

namespace {

using definition::FieldNumber;

int Usage(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

// Within the field's range, and a number the program's floats can hold.
bool InRange(int control, double value) {
    const definition::Number& range = FieldNumber(control);
    return value >= range.min && value <= range.max && value <= FLT_MAX;
}

// "36x24" (x, X or ×): two numbers each within its field's range.
bool Pair(const std::string& text, int first, int second, double* a, double* b) {
    for (const char* by : {"x", "X", "\u00d7"}) {
        const auto at = text.find(by);
        if (at != std::string::npos) {
            return ParsePlainNumber(text.substr(0, at), a) &&
                   ParsePlainNumber(text.substr(at + std::strlen(by)), b) && InRange(first, *a) &&
                   InRange(second, *b);
        }
    }
    return false;
}

bool Number(const std::string& text, int control, double* value) {
    return ParsePlainNumber(text, value) && InRange(control, *value);
}

// One option and its value; 0, or 2 after the message.
int Apply(const char* option, const std::string& value, CameraOptions* o,
          std::optional<std::string>* distance, std::FILE* err) {
    double a = 0;
    double b = 0;
    Settings& s = o->settings;
    if (std::strcmp(option, "--sensor") == 0) {
        if (!Pair(value, PANEL_XMM, PANEL_YMM, &a, &b)) {
            return Usage(err, option, value, "a sensor size in mm such as 36x24");
        }
        s.xsize = static_cast<float>(a);
        s.ysize = static_cast<float>(b);
    } else if (std::strcmp(option, "--pixels") == 0) {
        if (!Pair(value, PANEL_XPIX, PANEL_YPIX, &a, &b) || a != std::floor(a) ||
            b != std::floor(b)) {
            return Usage(err, option, value, "a pixel count such as 6000x4000");
        }
        s.xresol = static_cast<int>(a);
        s.yresol = static_cast<int>(b);
    } else if (std::strcmp(option, "--focal") == 0) {
        if (!Number(value, PANEL_FOCAL, &a)) {
            return Usage(err, option, value, "a focal length from 10 to 2000 mm");
        }
        s.focal = static_cast<float>(a);
    } else if (std::strcmp(option, "--aperture") == 0) {
        if (!Number(value, PANEL_APERTURE, &a)) {
            return Usage(err, option, value, "an f-number from 1 to 50");
        }
        s.aperture = static_cast<float>(a);
    } else if (std::strcmp(option, "--coc") == 0) {
        if (!ParseCoc(value, &o->preferences.coc)) {
            return Usage(err, option, value, "a circle of confusion");
        }
    } else if (std::strcmp(option, "--body") == 0 || std::strcmp(option, "--lens") == 0) {
        return ApplyBagOption(option, value, &s, err);
    } else if (std::strcmp(option, "--units") == 0) {
        if (!ParseUnits(value, &o->preferences.units)) {
            return Usage(err, option, value, "metric or imperial");
        }
    } else {
        *distance = value;  // read once the units are known
    }
    return 0;
}

const char* const kValueOptions[] = {"--sensor",   "--focal", "--pixels", "--aperture", "--coc",
                                     "--distance", "--units", "--body",   "--lens"};

// The option named by arg ("--focal" or "--focal=50"), or null.
const char* ValueOption(const char* arg, const char** inlineValue) {
    for (const char* option : kValueOptions) {
        const std::size_t n = std::strlen(option);
        if (std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=')) {
            *inlineValue = arg[n] == '=' ? arg + n + 1 : nullptr;
            return option;
        }
    }
    return nullptr;
}

}  // namespace

int ReadCameraOptions(int argc, char* argv[], CameraOptions* o, std::vector<std::string>* rest,
                      std::FILE* err) {
    const SavedSetup saved = SetupFromFiles();
    o->settings = saved.setup.camera;
    o->preferences = saved.setup.preferences;
    if (!saved.settingsWhy.empty()) {
        std::fprintf(err, "kadrel: %s: %s; using the factory camera\n", iniFullPath,
                     saved.settingsWhy.c_str());
    }
    if (!saved.preferencesWhy.empty()) {
        std::fprintf(err, "kadrel: %s: %s; using 1 px and metric\n", prefsFullPath,
                     saved.preferencesWhy.c_str());
    }
    o->distance = std::nan("");
    o->help = false;
    std::optional<std::string> distance;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const char* value = nullptr;
        const char* option = ValueOption(argv[i], &value);
        if (option == nullptr) {
            o->help =
                o->help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
            rest->push_back(argv[i]);
            continue;
        }
        if (value == nullptr && (i + 1 >= argc || argv[i + 1] == nullptr)) {
            std::fprintf(err, "kadrel: %s needs a value\n", option);
            return 2;
        }
        if (const int status = Apply(option, value ? value : argv[++i], o, &distance, err)) {
            return status;
        }
    }
    // No farther than d max may reach, where the figures still mean something.
    if (distance && !(ParseDistance(*distance, o->preferences.units, false, &o->distance) &&
                      o->distance <= FieldNumber(PANEL_DMAX).max)) {
        return Usage(err, "--distance", *distance, "a distance");
    }
    return 0;
}
