// SPDX-License-Identifier: MIT
// kadrel tilt: the tilt view's figures on the command line, from the same
// functions as the window.
#include "closeup/tilt_command.h"

#include <cmath>
#include <string>
#include <vector>

#include "closeup/closeup_options.h"
#include "core/macro/macro_text.h"
#include "core/optics/circle_of_confusion.h"
#include "core/optics/thin_lens.h"
#include "core/text/text_format.h"

namespace {

const char kUsage[] =
    "Usage: kadrel tilt (--tilt DEG | --height H | --through D,H,D,H) [--at D] [options]\n"
    "\n"
    "A lens tilted towards the ground, seen from the side: the hinge line\n"
    "(f / sin tilt below the lens), the plane of focus and the near and far\n"
    "planes of the wedge of sharpness, and how much of the wedge is sharp at a\n"
    "distance out. With --tilt, --distance is where the plane of focus crosses\n"
    "the lens's axis (default: infinity, the plane parallel to the axis).\n"
    "\n"
    "  --tilt DEG       the lens's tilt in degrees (-15 to 15, not 0)\n"
    "  --height H       instead, the tilt that lays the plane of focus on the\n"
    "                   ground from a camera H above it\n"
    "  --through D,H,D,H  or the tilt and focus that lay it through two points,\n"
    "                   each D out from the lens and H below its axis\n"
    "  --at D           the distance out at which to give the sharp zone\n"
    "                   (default: the focus, or the hyperfocal distance)\n"
    "\n"
    "Options:\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel tilt --focal 24 --tilt 0.7\n"
    "  kadrel tilt --focal 24 --aperture 8 --height 1.6 --at 10\n"
    "  kadrel tilt --focal 24 --through 2,1.5,10,1\n";

constexpr double kMaxTilt = 15;  // degrees: more than tilt-shift lenses give

int NotA(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: tilt: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

int FromDegrees(const std::string& degrees, TiltSetup* setup, std::FILE* err) {
    const bool up = !degrees.empty() && degrees[0] == '-';
    double magnitude = 0;
    if (!ParsePlainNumber(up ? degrees.substr(1) : degrees, &magnitude) || magnitude == 0 ||
        magnitude > kMaxTilt) {
        return NotA(err, "--tilt", degrees, "a tilt from -15 to 15 degrees, not 0");
    }
    setup->tilt = up ? -magnitude : magnitude;
    return 0;
}

// The plane of focus on the ground: parallel to the axis, h below it.
int FromHeight(const std::string& height, Units units, TiltSetup* setup, std::string* lead,
               std::FILE* err) {
    double h = 0;
    if (!ParseDistance(height, units, false, &h)) {
        return NotA(err, "--height", height, "a height");
    }
    setup->tilt = TiltForHeight(setup->lens.focal, h);
    setup->focus = HUGE_VAL;
    if (!(std::fabs(setup->tilt) <= kMaxTilt)) {
        return NotA(err, "--height", height, "a height the tilt can reach (15 degrees at most)");
    }
    *lead = TextFormat("A tilt of %.2f\u00b0 lays the plane of focus on the ground ", setup->tilt) +
            FormatDistance(h, units) + " below the lens.\n";
    return 0;
}

// "D1,H1,D2,H2": two points, each a distance out and a height below the axis.
int FromPoints(const std::string& points, Units units, TiltSetup* setup, std::string* lead,
               std::FILE* err) {
    double v[4] = {};
    std::size_t start = 0;
    bool read = true;
    for (int i = 0; i < 4 && read; ++i) {
        const std::size_t comma = i < 3 ? points.find(',', start) : points.size();
        read = comma != std::string::npos &&
               ParseDistance(points.substr(start, comma - start), units, false, &v[i]);
        start = comma + 1;
    }
    if (!read || points.find(',', start - 1) != std::string::npos) {
        return NotA(err, "--through", points, "two points as D,H,D,H");
    }
    if (!TiltThroughPoints(setup->lens.focal, v[0], -v[1], v[2], -v[3], &setup->tilt,
                           &setup->focus) ||
        !(std::fabs(setup->tilt) <= kMaxTilt)) {
        return NotA(err, "--through", points, "two points a tilted plane of focus can reach");
    }
    *lead = TextFormat("A tilt of %.2f\u00b0 lays the plane of focus through ", setup->tilt) +
            FormatDistance(v[1], units) + " below the axis at " + FormatDistance(v[0], units) +
            " and " + FormatDistance(v[3], units) + " below at " + FormatDistance(v[2], units) +
            ".\n";
    return 0;
}

// The tilt (and for a height or two points the focus too) from exactly one
// of --tilt, --height and --through: 0 or 2.
int ReadTilt(std::vector<std::string>* rest, Units units, bool focusGiven, TiltSetup* setup,
             std::string* lead, std::FILE* err) {
    std::string degrees, height, points;
    for (const auto& [name, value] : {std::pair{"--tilt", &degrees}, std::pair{"--height", &height},
                                      std::pair{"--through", &points}}) {
        if (const int status = TakeOption(rest, name, value, err)) {
            return status;
        }
    }
    if (degrees.empty() + height.empty() + points.empty() != 2) {
        std::fprintf(err,
                     "kadrel: tilt: give one of --tilt, --height or --through (see kadrel tilt "
                     "--help)\n");
        return 2;
    }
    if (!degrees.empty()) {
        return FromDegrees(degrees, setup, err);
    }
    if (focusGiven) {
        std::fprintf(err, "kadrel: tilt: --distance goes with --tilt only\n");
        return 2;
    }
    return height.empty() ? FromPoints(points, units, setup, lead, err)
                          : FromHeight(height, units, setup, lead, err);
}

}  // namespace

int RunTilt(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions camera{};
    std::vector<std::string> rest;
    if (const int status = ReadCameraOptions(argc, argv, &camera, &rest, err)) {
        return status;
    }
    if (camera.help) {
        std::fprintf(out, "%s%s%s", kUsage, kCameraOptionsHelp, kExamples);
        return 0;
    }
    const Settings& s = camera.settings;
    const Units units = camera.preferences.units;
    TiltSetup setup{LensInUse(camera.preferences.coc, s), 0,
                    std::isnan(camera.distance) ? HUGE_VAL : camera.distance};
    std::string lead, at;
    if (const int status =
            ReadTilt(&rest, units, !std::isnan(camera.distance), &setup, &lead, err)) {
        return status;
    }
    if (const int status = TakeOption(&rest, "--at", &at, err)) {
        return status;
    }
    if (!rest.empty()) {
        std::fprintf(err, "kadrel: tilt: unknown argument \"%s\" (see kadrel tilt --help)\n",
                     rest.front().c_str());
        return 2;
    }
    double x = std::isinf(setup.focus) ? Hyperfocal(setup.lens) : setup.focus;
    if (!at.empty() && !ParseDistance(at, units, false, &x)) {
        return NotA(err, "--at", at, "a distance");
    }
    if (!(setup.focus > setup.lens.focal)) {
        std::fprintf(err, "kadrel: --distance: the subject must be beyond the focal length\n");
        return 2;
    }
    std::fputs((lead + TiltText(setup, CocLabel(camera.preferences.coc, s), x, units)).c_str(),
               out);
    return 0;
}
