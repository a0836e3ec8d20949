// SPDX-License-Identifier: MIT
// The calculations, the report, the details and the clipboard text on
// arbitrary numbers and circles of confusion in either units: NaN,
// infinities, denormals, zeros, negatives and the extremes of each type;
// and a pupil magnification, a tilted lens and a rail stack on the same.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/macro/macro_text.h"
#include "core/optics/circle_of_confusion.h"
#include "core/optics/details_text.h"
#include "core/optics/optics.h"
#include "core/text/units.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    struct {
        float xsize, ysize;
        int32_t xresol, yresol;
        float focal, aperture, dmax;
        double d;
        uint8_t cocKind, imperial;
        double cocValue, viewingMm;
        float pupil;
        double tilt, focus, at, magnification, subject, overlap;
        uint8_t wave;
    } in{};
    std::memcpy(&in, data, size < sizeof in ? size : sizeof in);
    Settings s;
    s.xsize = in.xsize;
    s.ysize = in.ysize;
    s.xresol = in.xresol;
    s.yresol = in.yresol;
    s.focal = in.focal;
    s.aperture = in.aperture;
    s.dmax = in.dmax;
    s.pupil = size > offsetof(decltype(in), pupil) ? in.pupil : 1.0f;
    const Geometry g = ComputeGeometry(s);
    const DepthOfField r =
        ComputeDepthOfField(g.pixelsize, s.focal, s.xresol, s.yresol, s.aperture, in.d);
    const std::string report = ComposeReport(r, in.d);
    CocChoice coc;
    coc.kind = static_cast<CocKind>(in.cocKind % 4);
    coc.value = in.cocValue;
    coc.viewingMm = in.viewingMm;
    const Units units = in.imperial % 2 ? Units::Imperial : Units::Metric;
    const std::string details = ComposeDetails(s, coc, units, in.d);
    const std::string text = ComposePlainText(s, coc, units, report, in.d);
    const Lens lens = LensInUse(coc, s);
    const std::string tilt = TiltText({lens, in.tilt, in.focus}, CocLabel(coc, s), in.at, units);
    const RailRequest rail{lens,       s.pupil,    in.magnification,
                           in.subject, in.overlap, in.wave % 2 != 0};
    const std::string railText = RailText(rail, PlanRail(rail), units);
    const std::string zone =
        ZoneRailText(s, coc, units, {in.d, in.at, in.overlap, in.focus, in.at, in.wave % 2 != 0});
    return report.empty() || details.empty() || text.empty() || tilt.empty() || railText.empty()
               ? 1
               : 0;
}
