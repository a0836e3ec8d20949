// SPDX-License-Identifier: MIT
// Reading the shared camera options over the saved settings.
#include "cli/options/camera_options.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "cli/options/bag_option.h"
#include "cli/options/option_table.h"
#include "core/text/units.h"
#include "program/kadrel.h"
#include "program/panel_definition.h"
#include "program/saved_setup.h"
#include "services/camera/bag.h"
#include "services/locations.h"
#include "services/preferences.h"

namespace {

using definition::FieldNumber;

// The saved camera and preferences, each unreadable file said once.
void StartFromSaved(CameraOptions* o, std::FILE* err) {
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
    o->distanceText.reset();
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

// A row whose value is one number within control's field, into *value.
OptionRow NumberRow(const char* name, const char* argument, int control, float* value,
                    const char* what, const char* help) {
    return {name, argument,
            [=](const std::string& text) {
                double number = 0;
                if (!ParsePlainNumber(text, &number) || !InRange(control, number)) {
                    return NotA(text, what);
                }
                *value = static_cast<float>(number);
                return std::string();
            },
            help};
}

std::string SetSensor(const std::string& text, Settings* s) {
    double a = 0, b = 0;
    if (!Pair(text, PANEL_XMM, PANEL_YMM, &a, &b)) {
        return NotA(text, "a sensor size in mm such as 36x24");
    }
    s->xsize = static_cast<float>(a);
    s->ysize = static_cast<float>(b);
    return std::string();
}

std::string SetPixels(const std::string& text, Settings* s) {
    double a = 0, b = 0;
    if (!Pair(text, PANEL_XPIX, PANEL_YPIX, &a, &b) || a != std::floor(a) || b != std::floor(b)) {
        return NotA(text, "a pixel count such as 6000x4000");
    }
    s->xresol = static_cast<int>(a);
    s->yresol = static_cast<int>(b);
    return std::string();
}

}  // namespace

int RefuseInsideFocal(const CommandLine& line) {
    return Complain(line, kUsageError, "--distance: the subject must be beyond the focal length");
}

OptionRow UnitsRow(Units* units, const char* help) {
    return {"units", "U",
            [units](const std::string& v) {
                return ParseUnits(v, units) ? std::string() : NotA(v, "metric or imperial");
            },
            help};
}

OptionGroup CameraGroup(CameraOptions* o, std::FILE* err, const char* heading,
                        const std::vector<std::string>& without) {
    Settings* s = &o->settings;
    Preferences* p = &o->preferences;
    std::vector<OptionRow> rows = {
        {"sensor", "WxH", [s](const std::string& v) { return SetSensor(v, s); },
         "sensor size in mm, e.g. 36x24"},
        {"pixels", "WxH", [s](const std::string& v) { return SetPixels(v, s); },
         "pixels across and down, e.g. 6000x4000"},
        NumberRow("focal", "MM", PANEL_FOCAL, &s->focal, "a focal length from 10 to 2000 mm",
                  "focal length in mm (10 to 2000)"),
        NumberRow("aperture", "N", PANEL_APERTURE, &s->aperture, "an f-number from 1 to 50",
                  "f-number (1 to 50)"),
        KeptRow("distance", "D", &o->distanceText,
                "subject distance from the lens: 3, \"3 m\", \"300 cm\", \"10 ft\",\n"
                "\"10' 6\\\"\", \"126 in\"; a bare number is in metres, or in\n"
                "feet with --units imperial"),
        {"coc", "C",
         [p](const std::string& v) {
             return ParseCoc(v, &p->coc) ? std::string() : NotA(v, "a circle of confusion");
         },
         "circle of confusion: \"1 px\" to \"10 px\", d/1500 (the sensor\n"
         "diagonal over 1500), \"0.030 mm\", \"print 297 mm at 500 mm\""},
        UnitsRow(&p->units, "metric or imperial"),
        {"body", "NAME", [=](const std::string& v) { return ApplyBagOption("--body", v, s, err); },
         "a body from the camera bag (kadrel bag lists it)"},
        {"lens", "NAME", [=](const std::string& v) { return ApplyBagOption("--lens", v, s, err); },
         "a lens from the bag: the focal length kept in its range,\n"
         "the aperture no wider than it opens there"},
        {"help", nullptr, nullptr, "this help"},
    };
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](const OptionRow& row) {
                                  return std::find(without.begin(), without.end(), row.name) !=
                                         without.end();
                              }),
               rows.end());
    return {heading, rows,
            "Options not given come from kadrel.ini and preferences.ini, as the window\n"
            "would start (the aperture starts at f/3.5).\n"};
}

bool ReadCameraLine(const CommandLine& line, int argc, char* argv[], CameraOptions* o,
                    std::FILE* out, int* status) {
    StartFromSaved(o, line.err);
    if (!ReadOrHelp(line, argc, argv, nullptr, out, status)) {
        return false;
    }
    // No farther than d max may reach, where the figures still mean something.
    const std::optional<std::string>& d = o->distanceText;
    if (d && !(ParseDistance(*d, o->preferences.units, false, &o->distance) &&
               o->distance <= FieldNumber(PANEL_DMAX).max)) {
        *status = Refuse(line, "--distance", *d, "a distance");
    }
    return *status == 0;
}
