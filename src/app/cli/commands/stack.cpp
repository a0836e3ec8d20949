// SPDX-License-Identifier: MIT
// kadrel stack: the focus stack, the hyperfocal bracketing out to infinity,
// one shot instead and the blur of a point, from the same functions as the
// Plan window, every shot listed.
#include "cli/commands/stack.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/options/camera_options.h"
#include "cli/options/closeup_options.h"
#include "core/planning/focus_plan.h"
#include "core/planning/stack_csv.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"

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
    "\n";

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
    CloseUpOptions closeUp;
};

std::vector<OptionRow> StackRows(StackOptions* o, Settings* s) {
    std::vector<OptionRow> rows = {
        KeptRow("near", "D", &o->nearEnd, "near end of the zone (a distance as for --distance)"),
        KeptRow("far", "D", &o->farEnd, "far end of the zone; inf or \u221e for infinity"),
        KeptRow("overlap", "P", &o->overlap,
                "overlap of neighbouring shots in per cent of the nearer\n"
                "one's depth, 0 to 50 (default 10)"),
        KeptRow("blur-at", "D", &o->blurAt,
                "the point whose blur disc is given (default: the far end)"),
        SwitchRow("csv", &o->csv, "every shot as comma-separated values, in metres"),
    };
    for (OptionRow& row : CloseUpRows(s, &o->closeUp)) {
        rows.push_back(std::move(row));
    }
    return rows;
}

// The options that go with one way of stacking and not the other: 0, or 2
// after naming the first that does not belong.
int CheckWay(const CommandLine& line, const StackOptions& o) {
    struct Given {
        const char* name;
        bool given;
        bool railOnly;
    };
    const Given options[] = {{"--near", o.nearEnd.has_value(), false},
                             {"--far", o.farEnd.has_value(), false},
                             {"--blur-at", o.blurAt.has_value(), false},
                             {"--csv", o.csv, false},
                             {"--magnification", o.closeUp.magnification.has_value(), true},
                             {"--subject", o.closeUp.subject.has_value(), true}};
    for (const Given& option : options) {
        if (option.given && option.railOnly != o.closeUp.rail) {
            return o.closeUp.rail
                       ? Misused(line, std::string("--rail does not take \"") + option.name + "\"")
                       : Complain(line, 2, std::string(option.name) + " goes with --rail only");
        }
    }
    return 0;
}

// The zone and the blur point in metres, the overlap as a share; 0 or 2.
int ReadRequest(const CommandLine& line, const StackOptions& o, const CameraOptions& camera,
                PlanRequest* r) {
    const Units units = camera.preferences.units;
    if (!o.nearEnd || !o.farEnd) {
        return Misused(line, "--near and --far are required");
    }
    if (!ParseDistance(*o.nearEnd, units, false, &r->nearEnd)) {
        return Refuse(line, "--near", *o.nearEnd, "a distance");
    }
    if (!ParseDistance(*o.farEnd, units, true, &r->farEnd)) {
        return Refuse(line, "--far", *o.farEnd, "a distance or inf");
    }
    r->blurAt = r->farEnd;
    if (o.blurAt && !ParseDistance(*o.blurAt, units, true, &r->blurAt)) {
        return Refuse(line, "--blur-at", *o.blurAt, "a distance or inf");
    }
    r->focus = camera.distance;
    r->wave = o.closeUp.wave;
    return ReadOverlap(line, o.overlap, &r->overlap);
}

}  // namespace

int RunStack(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    CameraOptions camera{};
    StackOptions options;
    const CommandLine line{"stack",
                           kUsage,
                           {{nullptr, StackRows(&options, &camera.settings), nullptr},
                            CameraGroup(&camera, err, "\nOptions:\n")},
                           kExamples,
                           err};
    if (int status = 0; !ReadCameraLine(line, argc, argv, &camera, out, &status)) {
        return status;
    }
    if (const int status = CheckWay(line, options)) {
        return status;
    }
    if (options.closeUp.rail) {
        return RunRail(line, camera, options.closeUp, options.overlap, out);
    }
    PlanRequest request{};
    if (const int status = ReadRequest(line, options, camera, &request)) {
        return status;
    }
    request.lens = ChosenLensStops(camera.settings.focal);
    const Settings& s = camera.settings;
    const CocChoice& coc = camera.preferences.coc;
    const FocusPlan plan = MakeFocusPlan(s, coc, request);
    if (!plan.stack.error.empty()) {
        return Complain(line, plan.oneShot.error.empty() ? 1 : 2, plan.stack.error);
    }
    const std::string text =
        options.csv ? StackCsv(plan.stack, plan.bracket)
                    : FocusPlanText(s, coc, camera.preferences.units, request, plan, 0);
    std::fputs(text.c_str(), out);
    return 0;
}
