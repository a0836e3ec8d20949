// SPDX-License-Identifier: MIT
// The figures beyond the report, in its tooltip, the details window and the
// clipboard's text, with the circle of confusion and units of the preferences.
#include "app/bag.h"
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "app/preferences.h"
#include "app/tables.h"
#include "core/optics/details_text.h"
#include "core/optics/full_frame.h"
#include "core/settings/lens_search.h"

void ShowFigures(double d) {
    const std::string text = ComposeDetails(settings, preferences.coc, preferences.units, d);
    SetCtrlAttribute(panelHandle, PANEL_TEXTPARAM, ATTR_TOOLTIP_TEXT, text.c_str());
    if (detailsHandle > 0) {
        const std::string comparison = ComparisonText(d);
        std::string details = text + "\n" + FullFrameText(settings, CocMm());
        if (const BagLens* lens = ChosenLens()) {
            details += "\n" + LensLimitsText(*lens, settings.focal, settings.aperture);
        }
        SetCtrlVal(detailsHandle, detailsText,
                   (comparison.empty() ? details : details + "\n\n" + comparison).c_str());
        FitDetails(!comparison.empty());
        ShowSideView(detailsHandle, d);
    }
    FollowPlan();
    FollowTilt();
    FollowCamera();
}

std::string PlainReportText() {
    double d = 0;
    double ignored = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &ignored);
    std::string report;
    GetCtrlVal(panelHandle, PANEL_TEXTPARAM, &report);
    return ComposePlainText(settings, preferences.coc, preferences.units, report, d);
}

void CopyReportAsText() {
    ClipboardPutText(PlainReportText().c_str());
}
