// SPDX-License-Identifier: MIT
// kadrel tilt: the tilt view's figures on the command line, from the same
// functions as the window.
#include "cli/commands/tilt_command.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cli/options/camera_options.h"
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
    "\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel tilt --focal 24 --tilt 0.7\n"
    "  kadrel tilt --focal 24 --aperture 8 --height 1.6 --at 10\n"
    "  kadrel tilt --focal 24 --through 2,1.5,10,1\n";

constexpr double kMaxTilt = 15;  // degrees: more than tilt-shift lenses give

struct TiltOptions {
    std::optional<std::string> degrees, height, points, at;  // read once the units are known
};

std::vector<OptionRow> TiltRows(TiltOptions* o) {
    return {KeptRow("tilt", "DEG", &o->degrees, "the lens's tilt in degrees (-15 to 15, not 0)"),
            KeptRow("height", "H", &o->height,
                    "instead, the tilt that lays the plane of focus on the\n"
                    "ground from a camera H above it"),
            KeptRow("through", "D,H,D,H", &o->points,
                    "or the tilt and focus that lay it through two points,\n"
                    "each D out from the lens and H below its axis"),
            KeptRow("at", "D", &o->at,
                    "the distance out at which to give the sharp zone\n"
                    "(default: the focus, or the hyperfocal distance)")};
}

int FromDegrees(const CommandLine& line, const std::string& degrees, TiltSetup* setup) {
    const bool up = !degrees.empty() && degrees[0] == '-';
    double magnitude = 0;
    if (!ParsePlainNumber(up ? degrees.substr(1) : degrees, &magnitude) || magnitude == 0 ||
        magnitude > kMaxTilt) {
        return Refuse(line, "--tilt", degrees, "a tilt from -15 to 15 degrees, not 0");
    }
    setup->tilt = up ? -magnitude : magnitude;
    return 0;
}

// The plane of focus on the ground: parallel to the axis, h below it.
int FromHeight(const CommandLine& line, const std::string& height, Units units, TiltSetup* setup,
               std::string* lead) {
    double h = 0;
    if (!ParseDistance(height, units, false, &h)) {
        return Refuse(line, "--height", height, "a height");
    }
    setup->tilt = TiltForHeight(setup->lens.focal, h);
    setup->focus = HUGE_VAL;
    if (!(std::fabs(setup->tilt) <= kMaxTilt)) {
        return Refuse(line, "--height", height, "a height the tilt can reach (15 degrees at most)");
    }
    *lead = TextFormat("A tilt of %.2f\u00b0 lays the plane of focus on the ground ", setup->tilt) +
            FormatDistance(h, units) + " below the lens.\n";
    return 0;
}

// "D1,H1,D2,H2": two points, each a distance out and a height below the axis.
int FromPoints(const CommandLine& line, const std::string& points, Units units, TiltSetup* setup,
               std::string* lead) {
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
        return Refuse(line, "--through", points, "two points as D,H,D,H");
    }
    if (!TiltThroughPoints(setup->lens.focal, v[0], -v[1], v[2], -v[3], &setup->tilt,
                           &setup->focus) ||
        !(std::fabs(setup->tilt) <= kMaxTilt)) {
        return Refuse(line, "--through", points, "two points a tilted plane of focus can reach");
    }
    *lead = TextFormat("A tilt of %.2f\u00b0 lays the plane of focus through ", setup->tilt) +
            FormatDistance(v[1], units) + " below the axis at " + FormatDistance(v[0], units) +
            " and " + FormatDistance(v[3], units) + " below at " + FormatDistance(v[2], units) +
            ".\n";
    return 0;
}

// The tilt (and for a height or two points the focus too) from exactly one
// of --tilt, --height and --through: 0 or 2.
int ReadTilt(const CommandLine& line, const TiltOptions& o, Units units, bool focusGiven,
             TiltSetup* setup, std::string* lead) {
    if (!o.degrees + !o.height + !o.points != 2) {
        return Misused(line, "give one of --tilt, --height or --through");
    }
    if (o.degrees) {
        return FromDegrees(line, *o.degrees, setup);
    }
    if (focusGiven) {
        return Complain(line, 2, "--distance goes with --tilt only");
    }
    return o.height ? FromHeight(line, *o.height, units, setup, lead)
                    : FromPoints(line, *o.points, units, setup, lead);
}

}  // namespace

int RunTilt(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions camera{};
    TiltOptions o;
    const CommandLine line{
        "tilt",
        kUsage,
        {{nullptr, TiltRows(&o), nullptr}, CameraGroup(&camera, err, "\nOptions:\n")},
        kExamples,
        err};
    if (int status = 0; !ReadCameraLine(line, argc, argv, &camera, out, &status)) {
        return status;
    }
    const Settings& s = camera.settings;
    const Units units = camera.preferences.units;
    const bool focusGiven = !std::isnan(camera.distance);
    TiltSetup setup{LensInUse(camera.preferences.coc, s), 0,
                    focusGiven ? camera.distance : HUGE_VAL};
    std::string lead;
    if (const int status = ReadTilt(line, o, units, focusGiven, &setup, &lead)) {
        return status;
    }
    double x = std::isinf(setup.focus) ? Hyperfocal(setup.lens) : setup.focus;
    if (o.at && !ParseDistance(*o.at, units, false, &x)) {
        return Refuse(line, "--at", *o.at, "a distance");
    }
    if (!(setup.focus > setup.lens.focal)) {
        return RefuseInsideFocal(line);
    }
    std::fputs((lead + TiltText(setup, CocLabel(camera.preferences.coc, s), x, units)).c_str(),
               out);
    return 0;
}
