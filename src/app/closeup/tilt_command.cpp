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
    "Usage: kadrel tilt (--tilt DEG | --height H) [--at D] [options]\n"
    "\n"
    "A lens tilted towards the ground, seen from the side: the hinge line\n"
    "(f / sin tilt below the lens), the plane of focus and the near and far\n"
    "planes of the wedge of sharpness, and how much of the wedge is sharp at a\n"
    "distance out. --distance is where the plane of focus crosses the lens's\n"
    "axis (default: infinity, the plane parallel to the axis).\n"
    "\n"
    "  --tilt DEG       the lens's tilt in degrees (-15 to 15, not 0)\n"
    "  --height H       instead, the tilt that lays the plane of focus on the\n"
    "                   ground from a camera H above it\n"
    "  --at D           the distance out at which to give the sharp zone\n"
    "                   (default: the focus, or the hyperfocal distance)\n"
    "\n"
    "Options:\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel tilt --focal 24 --tilt 0.7\n"
    "  kadrel tilt --focal 24 --aperture 8 --height 1.6 --at 10\n";

constexpr double kMaxTilt = 15;  // degrees: more than tilt-shift lenses give

int NotA(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: tilt: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

// The tilt from --tilt or --height (exactly one): 0 or 2.
int ReadTilt(std::vector<std::string>* rest, Units units, double focal, double* tilt,
             std::string* lead, std::FILE* err) {
    std::string degrees, height;
    if (const int status = TakeOption(rest, "--tilt", &degrees, err)) {
        return status;
    }
    if (const int status = TakeOption(rest, "--height", &height, err)) {
        return status;
    }
    if (degrees.empty() == height.empty()) {
        std::fprintf(err, "kadrel: tilt: give --tilt or --height (see kadrel tilt --help)\n");
        return 2;
    }
    if (!degrees.empty()) {
        const std::string magnitude = degrees[0] == '-' ? degrees.substr(1) : degrees;
        if (!ParsePlainNumber(magnitude, tilt) || *tilt == 0 || *tilt > kMaxTilt) {
            return NotA(err, "--tilt", degrees, "a tilt from -15 to 15 degrees, not 0");
        }
        *tilt = degrees[0] == '-' ? -*tilt : *tilt;
        return 0;
    }
    double h = 0;
    if (!ParseDistance(height, units, false, &h)) {
        return NotA(err, "--height", height, "a height");
    }
    *tilt = TiltForHeight(focal, h);
    if (!(std::fabs(*tilt) <= kMaxTilt)) {
        return NotA(err, "--height", height, "a height the tilt can reach (15 degrees at most)");
    }
    *lead = TextFormat("A tilt of %.2f\u00b0 lays the plane of focus on the ground ", *tilt) +
            FormatDistance(h, units) + " below the lens.\n";
    return 0;
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
    const double c = CocMillimetres(camera.preferences.coc, s) / 1000;
    TiltSetup setup{s.focal / 1000.0, s.aperture, c, 0,
                    std::isnan(camera.distance) ? HUGE_VAL : camera.distance};
    std::string lead, at;
    if (const int status = ReadTilt(&rest, units, setup.focal, &setup.tilt, &lead, err)) {
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
    double x = std::isinf(setup.focus) ? HyperfocalPrime(setup.focal, s.aperture, c) + setup.focal
                                       : setup.focus;
    if (!at.empty() && !ParseDistance(at, units, false, &x)) {
        return NotA(err, "--at", at, "a distance");
    }
    if (!(setup.focus > setup.focal)) {
        std::fprintf(err, "kadrel: --distance: the subject must be beyond the focal length\n");
        return 2;
    }
    std::fputs((lead + TiltText(setup, CocLabel(camera.preferences.coc, s), x, units)).c_str(),
               out);
    return 0;
}
