// SPDX-License-Identifier: MIT
// Redraw and Cursor: from the controls through the optics to the indicators,
// the scale line, the remarks and the report, in the circle and the units of
// the preferences (out of the box one pixel and metres); then the live setup
// goes to every view that follows it.
#include <cfloat>
#include <cmath>

#include "core/optics/details_text.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/live_setup.h"
#include "services/preferences.h"

// The program's state: the settings in the fields and what Redraw worked out.
Settings settings;

float ratio;
float diagonal;
float angle;
float dmin;
float pixelsize;
float dh;
float dof;

int panelHandle;

namespace {

constexpr int kDarkRed = 0x800000;
constexpr int kRed = 0xFF0000;
constexpr int kGrey = 0x808080;

void ShowRemark(int control, const std::string& text, bool flagged) {
    SetCtrlVal(panelHandle, control, text.c_str());
    SetCtrlAttribute(panelHandle, control, ATTR_TEXT_COLOR, flagged ? kRed : kGrey);
}

// How the distances on the panel read in each of the units.
struct DistanceUnit {
    double metres;  // one unit
    const char* name;
    const char* axisName;
    const char* dmaxTip;
};
const DistanceUnit kMetres{1, "metres", "subject distance d [m]",
                           "Largest subject distance on the graph, in metres"};
const DistanceUnit kFeet{kFootMetres, "feet", "subject distance d [ft]",
                         "Largest subject distance on the graph, in feet"};

const DistanceUnit& Shown() {
    return preferences.units == Units::Imperial ? kFeet : kMetres;
}

// The axis ticks fall on round feet when feet are shown; the graph stays in
// metres, so the cursor's distance does too.
void ShowDistanceUnit() {
    const DistanceUnit& unit = Shown();
    SetCtrlAttribute(panelHandle, PANEL_GRAPH, ATTR_XNAME, unit.axisName);
    SetCtrlAttribute(panelHandle, PANEL_GRAPH, ATTR_XAXIS_GAIN, 1 / unit.metres);
    SetCtrlAttribute(panelHandle, PANEL_DMAX, ATTR_TOOLTIP_TEXT, unit.dmaxTip);
    SetCtrlAttribute(panelHandle, PANEL_DMAX, ATTR_ACCESSIBLE_DESCRIPTION, unit.name);
}

// What ShowDmax last put in the field: while the field still holds it, it
// stands for these metres exactly, whatever the feet round to.
struct DmaxShown {
    float field;
    float metres;
};
DmaxShown dmaxShown{-1, -1};

}  // namespace

void ShowDmax(float metres) {
    const double unit = Shown().metres;
    SetCtrlAttribute(panelHandle, PANEL_DMAX, ATTR_MIN_VALUE, 1 / unit);  // one metre either way
    SetCtrlVal(panelHandle, PANEL_DMAX, metres / unit);
    GetCtrlVal(panelHandle, PANEL_DMAX, &dmaxShown.field);
    // A value the field's range replaced is the field's.
    const bool kept = dmaxShown.field == static_cast<float>(metres / unit);
    dmaxShown.metres = kept ? metres : static_cast<float>(dmaxShown.field * unit);
}

float ShownDmax() {
    float field = 0;
    GetCtrlVal(panelHandle, PANEL_DMAX, &field);
    if (field == dmaxShown.field) {
        return dmaxShown.metres;
    }
    return static_cast<float>(field * Shown().metres);
}

void PutSensor(double xsize, double ysize, int xresol, int yresol) {
    SetCtrlVal(panelHandle, PANEL_XMM, xsize);
    SetCtrlVal(panelHandle, PANEL_YMM, ysize);
    SetCtrlVal(panelHandle, PANEL_XPIX, xresol);
    SetCtrlVal(panelHandle, PANEL_YPIX, yresol);
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
}

int Redraw(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    GetCtrlVal(panelHandle, PANEL_XMM, &settings.xsize);
    GetCtrlVal(panelHandle, PANEL_YMM, &settings.ysize);
    GetCtrlVal(panelHandle, PANEL_XPIX, &settings.xresol);
    GetCtrlVal(panelHandle, PANEL_YPIX, &settings.yresol);
    GetCtrlVal(panelHandle, PANEL_FOCAL, &settings.focal);
    settings.dmax = ShownDmax();

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
    ShowDistanceUnit();
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

    const DepthOfField r =
        ComputeDepthOfField(pixelsize, settings.focal, settings.xresol, settings.yresol,
                            settings.aperture, d, ReportCircle(preferences.coc, settings));
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, d, r.scale);  // back onto the line
    dh = r.dh;
    dof = r.dof;
    SetCtrlVal(panelHandle, PANEL_TEXTPARAM,
               ComposePanelReport(r, d, settings, preferences.coc, preferences.units).c_str());
    LiveSetup setup = MakeLiveSetup(settings, preferences, d);
    setup.nearest = dmin;
    PublishSetup(setup);
    return 0;
}

namespace {

// A distance beyond d max raises d max to the next whole metre (or foot) at or
// above it, and the graph follows as after a typed d max.
void HoldOnGraph(double d) {
    const LiveSetup& setup = CurrentSetup();
    if (!(d > setup.camera.dmax)) {
        return;
    }
    const double unit = setup.preferences.units == Units::Imperial ? kFootMetres : 1;
    float raised = static_cast<float>(std::ceil(d / unit) * unit);
    if (raised < d) {
        raised = std::nextafter(raised, FLT_MAX);  // past 2^24 metres a float skips whole metres
    }
    ShowDmax(raised);
    Redraw(panelHandle, PANEL_DMAX, EVENT_COMMIT, nullptr, 0, 0);
}

}  // namespace

void PlaceCursor(double d) {
    HoldOnGraph(d);
    SetGraphCursor(panelHandle, PANEL_GRAPH, 1, d, 0);  // Cursor puts it back onto the line
    Cursor(panelHandle, PANEL_GRAPH, EVENT_COMMIT, nullptr, 1, 0);  // as the graph raises it
}

void FocusAtHyperfocal() {
    PlaceCursor(dh);
}

void SetPupil(double pupil) {
    settings.pupil = static_cast<float>(pupil);
    Cursor(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // every figure and field again
}
