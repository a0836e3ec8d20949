// SPDX-License-Identifier: MIT
// The side view under the details window's figures: the camera on the left,
// the live sharp zone as a band with the subject, the hyperfocal distance and
// half of it marked, and each pin as a thinner band of its own below, on a
// scale that reaches ∞. It follows every report; its picture can be copied
// or saved as PNG.
#include <algorithm>
#include <cmath>

#include "services/camera/tables.h"
#include "services/live_setup.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"

namespace {

// The live zone's colour, then each pin's in order.
constexpr int kZoneColors[] = {0x3C8DDC, 0xE07B39, 0x4CA64C, 0xA05FC8};
constexpr int kMarkColor = 0x808080;
constexpr int kSubjectColor = 0xD03030;

ChartBand ZoneBandOf(const ZoneBand& zone, std::size_t row, double hyperfocal, Units units) {
    std::string label = zone.name;
    if (zone.outOfReach) {
        label += std::string(": ") + kOutOfReach;
    }
    return {ScalePosition(zone.nearLimit, hyperfocal),
            ScalePosition(zone.farLimit, hyperfocal),
            static_cast<int>(row),
            kZoneColors[row % std::size(kZoneColors)],
            zone.outOfReach ? VAL_BAND_HATCHED : VAL_BAND_SOLID,
            label,
            DescribeZone(zone, units),
            0};
}

// The camera, the live zone's limits and subject (which outline it when
// reached), H/2 and H, left to right.
std::vector<ChartMark> Marks(const SideView& view, Units units) {
    const ZoneBand& live = view.zones.front();
    const double h = view.hyperfocal;
    auto at = [&](double d) { return ScalePosition(d, h); };
    std::vector<ChartMark> marks = {
        {0, kMarkColor, "Camera", "Camera: distances from the lens"},
        {at(live.nearLimit), kZoneColors[0], "Near",
         "Near limit " + FormatDistance(live.nearLimit, units), 0},
        {at(live.focus), kSubjectColor, "Subject",
         "Subject at " + FormatDistance(live.focus, units), 0},
        {at(live.farLimit), kZoneColors[0], "Far",
         "Far limit " + FormatDistance(live.farLimit, units), 0},
        {at(view.hyperfocalNear), kMarkColor, "H/2",
         "Half the hyperfocal distance " + FormatDistance(view.hyperfocalNear, units)},
        {at(h), kMarkColor, "H", "Hyperfocal distance " + FormatDistance(h, units)},
    };
    marks.erase(std::remove_if(marks.begin(), marks.end(),
                               [](const ChartMark& m) { return !std::isfinite(m.at); }),
                marks.end());
    std::stable_sort(marks.begin(), marks.end(),
                     [](const ChartMark& a, const ChartMark& b) { return a.at < b.at; });
    return marks;
}

}  // namespace

void AddSideView(int window, int buttonsLeft) {
    AddPicture(window, "Side view", "SIDE_VIEW", "kadrel-side-view.png", buttonsLeft);
}

void ShowSideView(int window, const LiveSetup& setup) {
    const Units units = setup.preferences.units;
    const SideView view = ComposeSideView(setup.camera, setup.preferences.coc, setup.cursor, pins);
    BandChart chart;
    for (std::size_t row = 0; row < view.zones.size(); ++row) {
        chart.bands.push_back(ZoneBandOf(view.zones[row], row, view.hyperfocal, units));
    }
    chart.marks = Marks(view, units);
    AddScaleTicks(&chart, view.hyperfocal, units, window);
    ShowPicture(window, kSideViewHeight + static_cast<int>(pins.size()) * kPinRowHeight, chart,
                DescribeSideView(view, units));
}
