// SPDX-License-Identifier: MIT
// Redraw and Cursor: from the controls through the optics to the indicators,
// the scale line, the remarks and the report.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "core/text/text_format.h"

namespace {

constexpr int kDarkRed = 0x800000;
constexpr int kRed = 0xFF0000;
constexpr int kGrey = 0x808080;

void ShowRemark(int control, const std::string& text, bool flagged) {
    SetCtrlVal(panelHandle, control, text.c_str());
    SetCtrlAttribute(panelHandle, control, ATTR_TEXT_COLOR, flagged ? kRed : kGrey);
}

}  // namespace

int Redraw(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    GetCtrlVal(panelHandle, PANEL_XMM, &settings.xsize);
    GetCtrlVal(panelHandle, PANEL_YMM, &settings.ysize);
    GetCtrlVal(panelHandle, PANEL_XPIX, &settings.xresol);
    GetCtrlVal(panelHandle, PANEL_YPIX, &settings.yresol);
    GetCtrlVal(panelHandle, PANEL_FOCAL, &settings.focal);
    GetCtrlVal(panelHandle, PANEL_DMAX, &settings.dmax);

    const Geometry g = ComputeGeometry(settings);
    ratio = g.ratio;
    diagonal = g.diagonal;
    angle = g.angle;
    dmin = g.dmin;
    pixelsize = g.pixelsize;

    SetCtrlVal(panelHandle, PANEL_RATIO, static_cast<double>(ratio));
    SetCtrlVal(panelHandle, PANEL_DIAGONAL, static_cast<double>(diagonal));
    SetCtrlVal(panelHandle, PANEL_ANGLE, static_cast<double>(angle));
    SetCtrlVal(panelHandle, PANEL_PSIV, static_cast<double>(g.vertical));
    SetCtrlVal(panelHandle, PANEL_PSIH, static_cast<double>(g.horizontal));
    SetCtrlVal(panelHandle, PANEL_PIXSIZE, 1000.0 * pixelsize);  // shown in micrometres

    // Replot before Cursor moves the cursor onto the line.
    DeleteGraphPlot(panelHandle, PANEL_GRAPH, -1, VAL_IMMEDIATE_DRAW);
    PlotLine(panelHandle, PANEL_GRAPH, g.x1, g.y1, g.x2, g.y2, kDarkRed);

    ShowRemark(PANEL_TEXTRATIO1, TextFormat("ratio X/Y %.2f", static_cast<double>(ratio)),
               g.notThreeTwo);
    ShowRemark(PANEL_TEXTRATIO2, TextFormat("%s pixels", g.rectangular ? "rectangular" : "square"),
               g.rectangular);

    Cursor(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    return 0;
}

int Cursor(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    GetCtrlVal(panelHandle, PANEL_APERTURE, &settings.aperture);
    double d = 0;
    double ignored = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &ignored);

    const DepthOfField r = ComputeDepthOfField(pixelsize, settings.focal, settings.xresol,
                                               settings.yresol, settings.aperture, d);
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, d, r.scale);  // back onto the line
    dh = r.dh;
    dof = r.dof;
    SetCtrlVal(panelHandle, PANEL_TEXTPARAM, ComposeReport(r, d).c_str());
    ShowFigures(d);
    return 0;
}
