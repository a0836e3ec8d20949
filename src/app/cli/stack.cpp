// SPDX-License-Identifier: MIT
// kadrel stack: the focus stack, the hyperfocal bracketing out to infinity,
// one shot instead and the blur of a point, from the same functions as the
// Plan window, every shot listed.
#include "cli/stack.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/bag.h"
#include "cli/camera_options.h"
#include "closeup/closeup_options.h"
#include "core/planning/focus_plan.h"
#include "core/planning/stack_csv.h"

namespace {

const char kUsage[] =
    "Usage: kadrel stack --near D --far D [--overlap P] [--blur-at D] [--csv] [options]\n"
    "       kadrel stack --rail --magnification M --subject D [--overlap P] [options]\n"
    "\n"
    "The frames that hold a zone sharp, with the exact thin-lens limits: a focus\n"
    "stack from near to far, each shot's near limit on the previous far limit less\n"
    "the overlap; with --far inf, hyperfocal bracketing from infinity down as well;\n"
    "the focus and f-number that would do in one shot; and, with --distance (where\n"
    "the lens is focused), the blur disc of a point at the far end or --blur-at.\n"
    "Distances are from the lens; each focus is also given from the sensor plane.\n"
    "\n"
    "  --near D         near end of the zone (a distance as for --distance)\n"
    "  --far D          far end of the zone; inf or \u221e for infinity\n"
    "  --overlap P      overlap of neighbouring shots in per cent of the nearer\n"
    "                   one's depth, 0 to 50 (default 10)\n"
    "  --blur-at D      the point whose blur disc is given (default: the far end)\n"
    "  --csv            every shot as comma-separated values, in metres\n";

const char kExamples[] =
    "\n"
    "Examples:\n"
    "  kadrel stack --focal 100 --aperture 2.8 --near 0.40 --far 0.42 --overlap 0\n"
    "  kadrel stack --focal 24 --aperture 8 --near 1 --far inf --csv\n"
    "  kadrel stack --focal 60 --aperture 4 --pupil 0.8 --rail --magnification 1:2 \\\n"
    "               --subject 10mm\n";

// An option given empty is a value to refuse, not one left out.
struct StackOptions {
    std::optional<std::string> nearEnd, farEnd, overlap, blurAt;
    bool csv = false;
};

int Usage(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: stack: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

// The sub-command's own options among those the camera options left; 0 or 2.
int ReadStackOptions(const std::vector<std::string>& rest, StackOptions* o, std::FILE* err) {
    struct Named {
        const char* name;
        std::optional<std::string> StackOptions::*value;
    };
    const Named named[] = {{"--near", &StackOptions::nearEnd},
                           {"--far", &StackOptions::farEnd},
                           {"--overlap", &StackOptions::overlap},
                           {"--blur-at", &StackOptions::blurAt}};
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        if (arg == "--csv" || arg == "--help") {
            o->csv = o->csv || arg == "--csv";
            continue;
        }
        const Named* found = nullptr;
        for (const Named& n : named) {
            const std::size_t length = std::strlen(n.name);
            if (arg.compare(0, length, n.name) == 0 &&
                (arg.size() == length || arg[length] == '=')) {
                found = &n;
            }
        }
        if (found == nullptr) {
            std::fprintf(err, "kadrel: stack: unknown argument \"%s\" (see kadrel stack --help)\n",
                         arg.c_str());
            return 2;
        }
        const std::size_t length = std::strlen(found->name);
        if (arg.size() > length) {
            o->*found->value = arg.substr(length + 1);
        } else if (i + 1 < rest.size()) {
            o->*found->value = rest[++i];
        } else {
            std::fprintf(err, "kadrel: stack: %s needs a value\n", found->name);
            return 2;
        }
    }
    return 0;
}

// The zone and the blur point in metres, the overlap as a share; 0 or 2.
int ReadRequest(const StackOptions& o, const CameraOptions& camera, PlanRequest* r,
                std::FILE* err) {
    const Units units = camera.preferences.units;
    if (!o.nearEnd || !o.farEnd) {
        std::fprintf(err,
                     "kadrel: stack: --near and --far are required (see kadrel stack "
                     "--help)\n");
        return 2;
    }
    if (!ParseDistance(*o.nearEnd, units, false, &r->nearEnd)) {
        return Usage(err, "--near", *o.nearEnd, "a distance");
    }
    if (!ParseDistance(*o.farEnd, units, true, &r->farEnd)) {
        return Usage(err, "--far", *o.farEnd, "a distance or inf");
    }
    r->blurAt = r->farEnd;
    if (o.blurAt && !ParseDistance(*o.blurAt, units, true, &r->blurAt)) {
        return Usage(err, "--blur-at", *o.blurAt, "a distance or inf");
    }
    double percent = kDefaultOverlapPercent;
    if (o.overlap && !(ParsePlainNumber(*o.overlap, &percent) && percent <= kMaxOverlap * 100)) {
        return Usage(err, "--overlap", *o.overlap, "a share from 0 to 50 per cent");
    }
    r->overlap = percent / 100;
    r->focus = camera.distance;
    return 0;
}

}  // namespace

int RunStack(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions camera{};
    std::vector<std::string> rest;
    if (const int status = ReadCameraOptions(argc, argv, &camera, &rest, err)) {
        return status;
    }
    if (camera.help) {
        std::fprintf(out, "%s%s%s\nOptions:\n%s%s", kUsage, kPupilHelp, kCloseUpHelp,
                     kCameraOptionsHelp, kExamples);
        return 0;
    }
    CloseUpOptions closeUp;
    if (const int status = TakeCloseUpOptions(&rest, &camera, &closeUp, err)) {
        return status;
    }
    if (closeUp.rail) {
        return RunRail(camera, closeUp, rest, out, err);
    }
    StackOptions options;
    PlanRequest request{};
    if (const int status = ReadStackOptions(rest, &options, err)) {
        return status;
    }
    if (const int status = ReadRequest(options, camera, &request, err)) {
        return status;
    }
    request.wave = closeUp.wave;
    request.lens = ChosenLensStops(camera.settings.focal);
    const Settings& s = camera.settings;
    const CocChoice& coc = camera.preferences.coc;
    const FocusPlan plan = MakeFocusPlan(s, coc, request);
    if (!plan.stack.error.empty()) {
        std::fprintf(err, "kadrel: stack: %s\n", plan.stack.error.c_str());
        return plan.oneShot.error.empty() ? 1 : 2;
    }
    const std::string text =
        options.csv ? StackCsv(plan.stack, plan.bracket)
                    : FocusPlanText(s, coc, camera.preferences.units, request, plan, 0);
    std::fputs(text.c_str(), out);
    return 0;
}
