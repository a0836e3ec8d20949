// SPDX-License-Identifier: MIT
// The figures beyond the report, in its tooltip, the side windows and the
// clipboard's text, for the live setup the recompute publishes.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "core/optics/details_text.h"
#include "services/live_setup.h"

namespace {

void ShowFigures(const LiveSetup& setup) {
    const std::string text =
        ComposeDetails(setup.camera, setup.preferences.coc, setup.preferences.units, setup.cursor);
    SetCtrlAttribute(panelHandle, PANEL_TEXTPARAM, ATTR_TOOLTIP_TEXT, text.c_str());
    FollowSideWindows(setup);
}

}  // namespace

// Once a run, however often the panel is made (the tests make it again).
void FollowLiveSetup() {
    static bool following = false;
    if (!following) {
        Follow(ShowFigures);
        following = true;
    }
}

std::string PlainReportText() {
    const LiveSetup& setup = CurrentSetup();
    std::string report;
    GetCtrlVal(panelHandle, PANEL_TEXTPARAM, &report);
    return ComposePlainText(setup.camera, setup.preferences.coc, setup.preferences.units, report,
                            setup.cursor);
}

void CopyReportAsText() {
    ClipboardPutText(PlainReportText().c_str());
}
