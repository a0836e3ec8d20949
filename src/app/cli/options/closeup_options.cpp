// SPDX-License-Identifier: MIT
// The close-up options' rows, and the rail plan they ask for.
#include "cli/options/closeup_options.h"

#include "cli/options/option_table.h"
#include "core/macro/macro_text.h"
#include "core/optics/circle_of_confusion.h"
#include "core/planning/focus_stack.h"

OptionRow PupilRow(Settings* s) {
    return {"pupil", "P",
            [s](const std::string& text) {
                double pupil = 1;
                if (!(ParsePlainNumber(text, &pupil) && pupil >= 0.1 && pupil <= 10)) {
                    return NotA(text, "a pupil magnification from 0.1 to 10");
                }
                s->pupil = static_cast<float>(pupil);
                return std::string();
            },
            "pupil magnification of the lens, its exit pupil over its\n"
            "entrance pupil: 1 for a symmetric lens (default), about 0.5\n"
            "for a long macro lens, 2 for a retrofocus wide angle"};
}

std::vector<OptionRow> CloseUpRows(Settings* s, CloseUpOptions* c) {
    return {
        PupilRow(s),
        {"depth", "B",
         [c](const std::string& text) {
             c->wave = text == "wave";
             return c->wave || text == "geometric" ? std::string()
                                                   : NotA(text, "geometric or wave");
         },
         "each shot's depth by geometric optics (default) or by wave\n"
         "optics (wave; a zone short of infinity)"},
        SwitchRow("rail", &c->rail, "a stack made by moving the camera on a rail instead, with:"),
        KeptRow("magnification", "M", &c->magnification,
                "the magnification the focus sets: 0.5 or 1:2"),
        KeptRow("subject", "D", &c->subject,
                "how deep the subject is, front to back: 10mm, \"0.5 in\"")};
}

int ReadOverlap(const CommandLine& line, const std::optional<std::string>& overlap, double* share) {
    double percent = kDefaultOverlapPercent;
    if (overlap && !(ParsePlainNumber(*overlap, &percent) && percent <= kMaxOverlap * 100)) {
        return Refuse(line, "--overlap", *overlap, "a share from 0 to 50 per cent");
    }
    *share = percent / 100;
    return 0;
}

int RunRail(const CommandLine& line, const CameraOptions& camera, const CloseUpOptions& closeUp,
            const std::optional<std::string>& overlap, std::FILE* out) {
    const Settings& s = camera.settings;
    const Units units = camera.preferences.units;
    RailRequest request{LensInUse(camera.preferences.coc, s), s.pupil,     0, 0,
                        kDefaultOverlapPercent / 100.0,       closeUp.wave};
    if (!closeUp.magnification || !closeUp.subject) {
        return Complain(line, 2, "--rail needs --magnification and --subject");
    }
    if (!ParseMagnification(*closeUp.magnification, &request.magnification)) {
        return Refuse(line, "--magnification", *closeUp.magnification,
                      "a magnification such as 0.5 or 1:2");
    }
    if (!ParseDistance(*closeUp.subject, units, false, &request.subjectDepth)) {
        return Refuse(line, "--subject", *closeUp.subject, "a depth");
    }
    if (const int status = ReadOverlap(line, overlap, &request.overlap)) {
        return status;
    }
    const RailPlan plan = PlanRail(request);
    if (!plan.error.empty()) {
        return Complain(line, 1, plan.error);
    }
    std::fputs(RailText(request, plan, units).c_str(), out);
    return 0;
}
