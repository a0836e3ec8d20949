// SPDX-License-Identifier: MIT
// The report as text: the camera line, the report as shown and the near and
// far limits, for the clipboard.
#include "core/optics/details_text.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/live_setup.h"

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
