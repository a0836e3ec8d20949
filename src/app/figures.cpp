// The figures beyond the report, in its tooltip, the details window and the
// clipboard's text.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/tables.h"
#include "core/details_text.h"
#include "core/sharp_zone.h"

namespace {

SharpZone ZoneAt(const DepthOfField& depth, double d) {
    return ComputeSharpZone(pixelsize, settings.focal, settings.aperture, d, depth);
}

}  // namespace

void ShowFigures(const DepthOfField& depth, double d) {
    const std::string text = ComposeDetails(ZoneAt(depth, d), d, settings.aperture);
    SetCtrlAttribute(panelHandle, PANEL_TEXTPARAM, ATTR_TOOLTIP_TEXT, text.c_str());
    if (detailsHandle > 0) {
        const std::string comparison = ComparisonText(d);
        SetCtrlVal(detailsHandle, detailsText,
                   (comparison.empty() ? text : text + "\n\n" + comparison).c_str());
        FitDetails(!comparison.empty());
    }
    FollowCamera();
}

std::string PlainReportText() {
    double d = 0;
    double ignored = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &ignored);
    const DepthOfField depth = ComputeDepthOfField(pixelsize, settings.focal, settings.xresol,
                                                   settings.yresol, settings.aperture, d);
    std::string report;
    GetCtrlVal(panelHandle, PANEL_TEXTPARAM, &report);
    return ComposePlainText(settings, report, ZoneAt(depth, d));
}

void CopyReportAsText() {
    ClipboardPutText(PlainReportText().c_str());
}
