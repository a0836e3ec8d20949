// SPDX-License-Identifier: MIT
// Taking the close-up options out of a sub-command's arguments, and the rail
// plan they ask for.
#include "closeup/closeup_options.h"

#include <cstring>

#include "core/macro/macro_text.h"
#include "core/optics/circle_of_confusion.h"
#include "core/planning/focus_stack.h"

const char kPupilHelp[] =
    "  --pupil P        pupil magnification of the lens, its exit pupil over its\n"
    "                   entrance pupil: 1 for a symmetric lens (default), about 0.5\n"
    "                   for a long macro lens, 2 for a retrofocus wide angle\n";

const char kCloseUpHelp[] =
    "  --depth B        each shot's depth by geometric optics (default) or by wave\n"
    "                   optics (wave; a zone short of infinity)\n"
    "  --rail           a stack made by moving the camera on a rail instead, with:\n"
    "  --magnification M\n"
    "                   the magnification the focus sets: 0.5 or 1:2\n"
    "  --subject D      how deep the subject is, front to back: 10mm, \"0.5 in\"\n";

namespace {

int NotA(std::FILE* err, const char* option, const std::string& value, const char* what) {
    std::fprintf(err, "kadrel: %s: \"%s\" is not %s\n", option, value.c_str(), what);
    return 2;
}

}  // namespace

int TakeOption(std::vector<std::string>* rest, const char* name, std::string* value,
               std::FILE* err) {
    const std::size_t length = std::strlen(name);
    for (std::size_t i = 0; i < rest->size(); ++i) {
        const std::string& arg = (*rest)[i];
        if (arg.compare(0, length, name) != 0 || (arg.size() > length && arg[length] != '=')) {
            continue;
        }
        std::size_t taken = 1;
        if (arg.size() > length) {
            *value = arg.substr(length + 1);
        } else if (i + 1 < rest->size()) {
            *value = (*rest)[i + 1];
            taken = 2;
        } else {
            std::fprintf(err, "kadrel: %s needs a value\n", name);
            return 2;
        }
        rest->erase(rest->begin() + static_cast<long>(i),
                    rest->begin() + static_cast<long>(i + taken));
        return 0;
    }
    return 0;
}

int TakePupil(std::vector<std::string>* rest, CameraOptions* camera, std::FILE* err) {
    std::string text;
    if (const int status = TakeOption(rest, "--pupil", &text, err)) {
        return status;
    }
    double pupil = 1;
    if (!text.empty() && !(ParsePlainNumber(text, &pupil) && pupil >= 0.1 && pupil <= 10)) {
        return NotA(err, "--pupil", text, "a pupil magnification from 0.1 to 10");
    }
    camera->settings.pupil = static_cast<float>(pupil);
    return 0;
}

int TakeCloseUpOptions(std::vector<std::string>* rest, CameraOptions* camera,
                       CloseUpOptions* closeUp, std::FILE* err) {
    std::string depth = "geometric";
    if (const int status = TakePupil(rest, camera, err)) {
        return status;
    }
    if (const int status = TakeOption(rest, "--depth", &depth, err)) {
        return status;
    }
    if (depth != "geometric" && depth != "wave") {
        return NotA(err, "--depth", depth, "geometric or wave");
    }
    closeUp->wave = depth == "wave";
    for (auto arg = rest->begin(); arg != rest->end(); ++arg) {
        if (*arg == "--rail") {
            closeUp->rail = true;
            rest->erase(arg);
            break;
        }
    }
    return 0;
}

int RunRail(const CameraOptions& camera, const CloseUpOptions& closeUp,
            std::vector<std::string> rest, std::FILE* out, std::FILE* err) {
    std::string magnification, subject, overlap;
    for (const auto& [name, value] :
         {std::pair{"--magnification", &magnification}, std::pair{"--subject", &subject},
          std::pair{"--overlap", &overlap}}) {
        if (const int status = TakeOption(&rest, name, value, err)) {
            return status;
        }
    }
    if (!rest.empty()) {
        std::fprintf(err, "kadrel: stack: --rail does not take \"%s\" (see kadrel stack --help)\n",
                     rest.front().c_str());
        return 2;
    }
    const Settings& s = camera.settings;
    const Units units = camera.preferences.units;
    RailRequest request{LensInUse(camera.preferences.coc, s), s.pupil,     0, 0,
                        kDefaultOverlapPercent / 100.0,       closeUp.wave};
    double percent = kDefaultOverlapPercent;
    if (magnification.empty() || subject.empty()) {
        std::fprintf(err, "kadrel: stack: --rail needs --magnification and --subject\n");
        return 2;
    }
    if (!ParseMagnification(magnification, &request.magnification)) {
        return NotA(err, "--magnification", magnification, "a magnification such as 0.5 or 1:2");
    }
    if (!ParseDistance(subject, units, false, &request.subjectDepth)) {
        return NotA(err, "--subject", subject, "a depth");
    }
    if (!overlap.empty() &&
        !(ParsePlainNumber(overlap, &percent) && percent <= kMaxOverlap * 100)) {
        return NotA(err, "--overlap", overlap, "a share from 0 to 50 per cent");
    }
    request.overlap = percent / 100;
    const RailPlan plan = PlanRail(request);
    if (!plan.error.empty()) {
        std::fprintf(err, "kadrel: stack: %s\n", plan.error.c_str());
        return 1;
    }
    std::fputs(RailText(request, plan, units).c_str(), out);
    return 0;
}
