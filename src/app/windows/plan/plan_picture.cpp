// SPDX-License-Identifier: MIT
// The Plan window's picture, on the side view's distance scale: the wanted
// zone outlined at the top, each shot of the focus stack a band below with
// its focus marked, neighbours in alternate rows so that their overlaps
// show, and the hyperfocal bracketing in two rows under those.
#include <algorithm>

#include "core/optics/details_text.h"
#include "core/planning/focus_plan.h"
#include "core/tables/side_view.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"
#include "windows/plan/plan.h"

namespace {

constexpr int kZoneColor = 0x909090;
constexpr int kStackColor = 0x3C8DDC;
constexpr int kBracketColor = 0xE07B39;
// Beyond this many shots their marks and lines would only smear; the bands
// and the listing still have every one.
constexpr std::size_t kDescribedShots = 40;

struct Scale {
    double hyperfocal;
    Units units;
    double at(double d) const { return ScalePosition(d, hyperfocal); }
    std::string text(double d) const { return FormatDistance(d, units); }
};

void AddShots(BandChart* chart, std::string* description, const StackPlan& plan, const char* what,
              int firstRow, int color, const Scale& scale) {
    const std::size_t count = plan.shots.size();
    if (count > 0) {
        *description += TextFormat("%s: %zu shots\n", what, count);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const StackShot& shot = plan.shots[i];
        const std::string tip =
            TextFormat("%s, shot %zu: focused at %s, sharp from %s to %s", what, i + 1,
                       scale.text(shot.focus).c_str(), scale.text(shot.nearLimit).c_str(),
                       scale.text(shot.farLimit).c_str());
        const int band = static_cast<int>(chart->bands.size());
        chart->bands.push_back({scale.at(shot.nearLimit), scale.at(shot.farLimit),
                                firstRow + static_cast<int>(i % 2), color, VAL_BAND_SOLID,
                                i == 0 ? what : "", tip, 0});
        if (count <= kDescribedShots) {
            chart->marks.push_back({scale.at(shot.focus), color, std::to_string(i + 1), tip, band});
            *description += tip + "\n";
        }
    }
}

// The listing and the picture shown together, and which line lists each band
// (-1: none, as for the wanted zone and the shots left out of the listing).
struct Linked {
    int window;
    int listing;
    int picture;
    BandChart chart;
    std::vector<int> lineOfBand;
};
Linked linked;

// The band outlined, or none for -1, whichever way it was chosen.
void Highlight(int band) {
    for (std::size_t i = 0; i < linked.chart.bands.size(); ++i) {
        linked.chart.bands[i].highlighted = static_cast<int>(i) == band;
    }
    SetBandChart(linked.window, linked.picture, linked.chart);
}

int RowChosen(int, int, int event, void*, int line, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    const auto& lines = linked.lineOfBand;
    const auto found = std::find(lines.begin(), lines.end(), line);
    const int band = found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
    Highlight(band);
    const auto& marks = linked.chart.marks;
    const auto mark = std::find_if(marks.begin(), marks.end(), [band](const ChartMark& m) {
        return band >= 0 && m.band == band;
    });
    SetCtrlIndex(linked.window, linked.picture,
                 mark == marks.end() ? -1 : static_cast<int>(mark - marks.begin()));
    return 0;
}

// The row of the band a reached mark belongs to; none for the wanted zone.
void SelectRowOf(int mark) {
    const int band = linked.chart.marks[static_cast<std::size_t>(mark)].band;
    Highlight(band);
    SetCtrlIndex(linked.window, linked.listing,
                 band < 0 ? -1 : linked.lineOfBand[static_cast<std::size_t>(band)]);
}

int MarkReached(int, int, int event, void*, int mark, int) {
    if (event == EVENT_COMMIT) {
        SelectRowOf(mark);
    }
    return 0;
}

std::vector<int> LinesOfBands(const FocusPlan& plan, const std::vector<ListedShot>& listed) {
    if (plan.stack.shots.empty()) {
        return {};
    }
    std::vector<int> lines(1 + plan.stack.shots.size() + plan.bracket.shots.size(), -1);
    for (const ListedShot& shot : listed) {
        const std::size_t first = shot.bracket ? 1 + plan.stack.shots.size() : 1;
        lines.at(first + shot.shot) = static_cast<int>(shot.line);
    }
    return lines;
}

}  // namespace

int AddPlanPicture(int window, int buttonsLeft, int listing) {
    const int picture =
        AddPicture(window, "Plan picture", "PLAN_PICTURE", "kadrel-plan.png", buttonsLeft);
    SetCtrlAttribute(window, picture, ATTR_CALLBACK_FUNCTION_POINTER, MarkReached);
    SetCtrlAttribute(window, listing, ATTR_CALLBACK_FUNCTION_POINTER, RowChosen);
    linked = {window, listing, picture, {}, {}};
    return picture;
}

// The shot reached before stays reached, and its row selected, when it is
// still there.
void ShowPlanPicture(int window, const FocusPlan& plan, const std::vector<ListedShot>& listed) {
    const LiveSetup& setup = CurrentSetup();
    const Scale scale{SharpZoneAt(setup.camera, setup.preferences.coc, 1.0).hyperfocal,
                      setup.preferences.units};
    BandChart chart;
    std::string description;
    if (!plan.stack.shots.empty()) {
        const std::string zone = "Wanted zone from " + scale.text(plan.zone.nearEnd) + " to " +
                                 scale.text(plan.zone.farEnd);
        chart.bands.push_back({scale.at(plan.zone.nearEnd), scale.at(plan.zone.farEnd), 0,
                               kZoneColor, VAL_BAND_FADED, "Wanted zone", zone, 0});
        description = zone + "\n";
        AddShots(&chart, &description, plan.stack, "Focus stack", 1, kStackColor, scale);
        AddShots(&chart, &description, plan.bracket, "Hyperfocal bracketing", 3, kBracketColor,
                 scale);
        std::stable_sort(chart.marks.begin(), chart.marks.end(),
                         [](const ChartMark& a, const ChartMark& b) { return a.at < b.at; });
        AddScaleTicks(&chart, scale.hyperfocal, scale.units, window);
    }
    ShowPicture(window, kPlanPictureHeight, chart, description);
    linked.chart = chart;
    linked.lineOfBand = LinesOfBands(plan, listed);
    int reached = -1;
    GetCtrlIndex(window, linked.picture, &reached);
    if (reached >= 0) {
        SelectRowOf(reached);
    }
}
