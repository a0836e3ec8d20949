// SPDX-License-Identifier: MIT
// The Plan window: the frames that cover a zone typed in the chosen units (a
// focus stack, hyperfocal bracketing, or one shot and its f-number) and the
// blur of a point off the focus. It follows the panel's camera, focal length,
// aperture and cursor until it is closed; closing only hides it.
#include <cmath>
#include <string>
#include <vector>

#include "core/macro/macro_text.h"
#include "core/optics/thin_lens.h"
#include "core/planning/focus_plan.h"
#include "core/planning/stack_csv.h"
#include "core/text/text_format.h"
#include "platform/replace_file.h"
#include "services/camera/bag.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"
#include "windows/plan/plan.h"

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 640 + kPlanPictureHeight + 8;
constexpr std::size_t kShownRows = 12;  // per table; the copy and the CSV have every shot

struct PlanControls {
    int nearEnd;
    int farEnd;
    int overlap;
    int blurAt;
    int text;
};
PlanControls plan;
int planHandle;  // the window, once made
int pupilField;

// What the plan put into a field: while the field still shows that text, it
// stands for the exact value, not for the text read back.
struct Prefilled {
    int control;
    std::string text;
    double metres;
};
std::vector<Prefilled> prefilled;

// The field's text as put there, in the units now chosen.
void Prefill(int control, double metres) {
    const std::string text = FormatDistance(metres, CurrentSetup().preferences.units);
    SetCtrlVal(planHandle, control, text.c_str());
    for (Prefilled& field : prefilled) {
        if (field.control == control) {
            field = {control, text, metres};
            return;
        }
    }
    prefilled.push_back({control, text, metres});
}

// A field still showing its prefilled text, and that value.
const Prefilled* Untouched(int control) {
    std::string text;
    GetCtrlVal(planHandle, control, &text);
    for (const Prefilled& field : prefilled) {
        if (field.control == control && field.text == text) {
            return &field;
        }
    }
    return nullptr;
}

struct Field {
    int PlanControls::*control;
    const char* name;
    const char* label;
    int left;
    int width;
    const char* tooltip;
};

const Field kFields[] = {
    {&PlanControls::nearEnd, "NEAR", "Near end", 12, 130,
     "Near end of the zone to hold sharp, from the lens: 1.2 m, 400 mm, 4 ft, 3' 6\""},
    {&PlanControls::farEnd, "FAR", "Far end", 160, 130,
     "Far end of the zone, from the lens; \u221e or inf for infinity"},
    {&PlanControls::blurAt, "BLURAT", "Blur of a point at", 420, 130,
     "A point off the focus (\u221e allowed): how large its blur disc is, focused at the "
     "graph's cursor"},
};

// A typed distance, or the exact value behind a field still showing its prefill.
bool ReadDistance(int control, const char* what, bool allowInfinity, double* metres,
                  std::string* error) {
    if (const Prefilled* field = Untouched(control)) {
        *metres = field->metres;
        return true;
    }
    return ReadWindowDistance(planHandle, control, what, allowInfinity, metres, error);
}

bool ReadRequest(PlanRequest* request, std::string* error) {
    int overlap = kDefaultOverlapPercent;
    GetCtrlVal(planHandle, plan.overlap, &overlap);
    request->overlap = overlap / 100.0;
    request->focus = CurrentSetup().cursor;
    return ReadDistance(plan.nearEnd, "Near end", false, &request->nearEnd, error) &&
           ReadDistance(plan.farEnd, "Far end", true, &request->farEnd, error) &&
           ReadDistance(plan.blurAt, "Blur of a point at", true, &request->blurAt, error);
}

// The plan for the fields as they are, with at most maxRows per table (0: all),
// and the shots it lists.
std::string PlanText(std::size_t maxRows, FocusPlan* planned = nullptr,
                     std::vector<ListedShot>* listed = nullptr) {
    PlanRequest request{};
    std::string error;
    if (!ReadRequest(&request, &error)) {
        return error;
    }
    const LiveSetup& setup = CurrentSetup();
    const Settings& camera = setup.camera;
    const Preferences& chosen = setup.preferences;
    request.lens = ChosenLensStops(camera.focal);
    const FocusPlan made = MakeFocusPlan(camera, chosen.coc, request);
    if (planned != nullptr) {
        *planned = made;
    }
    return FocusPlanText(camera, chosen.coc, chosen.units, request, made, maxRows, listed) +
           ZoneRailText(camera, chosen.coc, chosen.units, request);
}

// Untouched fields follow a change of units.
void ShowPlan() {
    for (const Prefilled& field : prefilled) {
        if (Untouched(field.control) != nullptr) {
            Prefill(field.control, field.metres);
        }
    }
    FocusPlan planned{};
    std::vector<ListedShot> listed;
    SetCtrlVal(planHandle, plan.text, PlanText(kShownRows, &planned, &listed).c_str());
    ShowPlanPicture(planHandle, planned, listed);
}

int PlanInput(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        ShowPlan();
    }
    return 0;
}

int CopyPlan(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        ClipboardPutText(PlanText(0).c_str());
    }
    return 0;
}

int SavePlan(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    FocusPlan planned{};
    const std::string text = PlanText(0, &planned);
    if (planned.stack.shots.empty()) {
        MessagePopup("kadrel", ("Nothing to save: " + text).c_str());
        return 0;
    }
    std::string path;
    if (FileSavePopup(planHandle, "Save the plan as CSV", "focus-stack.csv", "CSV files (*.csv)",
                      &path) != 1) {
        return 0;
    }
    const std::string failure =
        ReplaceWholeFile(FollowLinks(path), StackCsv(planned.stack, planned.bracket));
    if (!failure.empty()) {
        MessagePopup("kadrel", ("The plan was not saved: " + failure).c_str());
    }
    return 0;
}

void MakeFields(int window) {
    for (const Field& field : kFields) {
        const int id = NewCtrl(window, CTRL_STRING, field.label, 30, field.left);
        SetCtrlAttribute(window, id, ATTR_CONSTANT_NAME, field.name);
        SetCtrlAttribute(window, id, ATTR_WIDTH, field.width);
        SetCtrlAttribute(window, id, ATTR_TOOLTIP_TEXT, field.tooltip);
        SetCtrlAttribute(window, id, ATTR_CALLBACK_FUNCTION_POINTER, PlanInput);
        plan.*field.control = id;
    }
    plan.overlap = NewCtrl(window, CTRL_NUMERIC, "Overlap (%)", 30, 310);
    SetCtrlAttribute(window, plan.overlap, ATTR_CONSTANT_NAME, "OVERLAP");
    SetCtrlAttribute(window, plan.overlap, ATTR_DATA_TYPE, VAL_INTEGER);
    SetCtrlAttribute(window, plan.overlap, ATTR_MIN_VALUE, 0);
    SetCtrlAttribute(window, plan.overlap, ATTR_MAX_VALUE, 50);
    SetCtrlAttribute(window, plan.overlap, ATTR_WIDTH, 80);
    SetCtrlAttribute(window, plan.overlap, ATTR_TOOLTIP_TEXT,
                     "How much neighbouring shots overlap, as a share of the nearer one's depth");
    SetCtrlAttribute(window, plan.overlap, ATTR_CALLBACK_FUNCTION_POINTER, PlanInput);
    SetCtrlAttribute(window, plan.overlap, ATTR_CTRL_TAB_POSITION, 2);
    pupilField = NewPupilField(window, 30, 570);
}

void FillPlan(int window) {
    planHandle = window;
    prefilled.clear();
    MakeFields(window);
    plan.text = SideWindowFigures(window, 66, 12);
    SetCtrlAttribute(window, plan.text, ATTR_CONSTANT_NAME, "PLANTEXT");
    SetCtrlAttribute(window, plan.text, ATTR_ACCESSIBLE_NAME, "Plan");
    SetCtrlAttribute(window, plan.text, ATTR_TEXT_SELECTABLE, VAL_SELECT_LINES);
    SideWindowButton(window, "Copy as __text", "COPYTEXT", 12, 110, CopyPlan);
    SideWindowButton(window, "__Save as CSV\u2026", "SAVECSV", 134, 110, SavePlan);
    AddPlanPicture(window, 256, plan.text);
}

// The zone starts as the sharp zone at the cursor, the blur at its far end.
void DefaultZone(const LiveSetup& setup) {
    const SharpLimits zone = ExactLimits(setup.lens, setup.cursor);
    Prefill(plan.nearEnd, zone.nearLimit);
    Prefill(plan.farEnd, zone.farLimit);
    Prefill(plan.blurAt, zone.farLimit);
    SetCtrlVal(planHandle, plan.overlap, kDefaultOverlapPercent);
}

void FollowPlan(int window, bool, const LiveSetup& setup) {
    SetCtrlVal(window, pupilField, static_cast<double>(setup.camera.pupil));
    ShowPlan();
}

void OpeningPlan(int window, bool justMade, const LiveSetup& setup) {
    DefaultZone(setup);
    FollowPlan(window, justMade, setup);
}

const SideFrame kPlan{"kadrel plan", kHeight, kWidth, FillPlan, FollowPlan, OpeningPlan};

}  // namespace

int OpenPlan() {
    return OpenSideWindow(kPlan);
}
