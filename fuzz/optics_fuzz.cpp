// The calculations, the report, the details and the clipboard text on
// arbitrary numbers: NaN, infinities,
// denormals, zeros, negatives and the extremes of each type.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/details_text.h"
#include "core/optics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    struct {
        float xsize, ysize;
        int32_t xresol, yresol;
        float focal, aperture, dmax;
        double d;
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
    const Geometry g = ComputeGeometry(s);
    const DepthOfField r =
        ComputeDepthOfField(g.pixelsize, s.focal, s.xresol, s.yresol, s.aperture, in.d);
    const std::string report = ComposeReport(r, in.d);
    const SharpZone zone = ComputeSharpZone(g.pixelsize, s.focal, s.aperture, in.d, r);
    const std::string details = ComposeDetails(zone, in.d, s.aperture);
    const std::string text = ComposePlainText(s, report, zone);
    return report.empty() || details.empty() || text.empty() ? 1 : 0;
}
