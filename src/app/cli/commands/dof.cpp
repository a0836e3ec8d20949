// SPDX-License-Identifier: MIT
// kadrel dof: the camera line, the panel's report and the details window's
// figures for one subject distance, from the same functions as the window.
#include "cli/commands/dof.h"

#include <cmath>
#include <string>

#include "cli/options/camera_options.h"
#include "cli/options/closeup_options.h"
#include "core/optics/details_text.h"

namespace {

const char kUsage[] =
    "Usage: kadrel dof --distance D [options]\n"
    "\n"
    "Depth of field for one camera and lens at one subject distance: the camera,\n"
    "the panel's report (with the circle of confusion and units in use), then the\n"
    "circle of confusion in use, the near and far limits of sharpness, the\n"
    "hyperfocal distance and the near limit when focused there, the\n"
    "magnification and the Airy disc, and up close the depth by wave optics\n"
    "where it is the larger, as in the details window.\n"
    "\n"
    "Options:\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel dof --distance 3\n"
    "  kadrel dof --sensor 36x24 --pixels 6000x4000 --focal 50 --aperture 8 \\\n"
    "             --distance \"10 ft\" --coc d/1500 --units imperial\n";

}  // namespace

int RunDof(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions options{};
    const CommandLine line{
        "dof",
        kUsage,
        {{nullptr, {PupilRow(&options.settings)}, nullptr}, CameraGroup(&options, err, nullptr)},
        kExamples,
        err};
    if (int status = 0; !ReadCameraLine(line, argc, argv, &options, out, &status)) {
        return status;
    }
    const Settings& s = options.settings;
    const double d = options.distance;
    if (std::isnan(d)) {
        return Misused(line, "--distance is required");
    }
    if (!(d * 1000 > s.focal)) {
        return RefuseInsideFocal(line);
    }
    const Preferences& p = options.preferences;
    const DepthOfField report = ComputeDepthOfField(PixelPitch(s), s.focal, s.xresol, s.yresol,
                                                    s.aperture, d, ReportCircle(p.coc, s));
    std::fprintf(out, "%s\n%s\n", ComposeCameraLine(s).c_str(),
                 ComposePanelReport(report, d, s, p.coc, p.units).c_str());
    std::fprintf(out, "\n%s\n", ComposeDetails(s, p.coc, p.units, d).c_str());
    return 0;
}
