// SPDX-License-Identifier: MIT
// Start-up values and the four command buttons.
#include "app/version.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/locations.h"
#include "services/preferences.h"

namespace {

constexpr const char* kVersionDate = "Feb 28 2005";

const char kVersionFormat[] = "kadrel v%.1f - %s\nhttps://kadrel.example.org";

const char kHelpText[] =
    "(c) kadrel contributors, some rights reserved - https://kadrel.example.org\n"
    "kadrel - 2005 - kadrel contributors\n"
    "\n"
    "1) set the sensor size of your digital camera\n"
    "2) set the sensor resolution (see the camera documentation)\n"
    "3) set the focal length of your lens\n"
    "4) select an aperture\n"
    "5) play with the distance cursor\n"
    "\n"
    "The program provides:\n"
    "- the hyperfocal distance\n"
    "- the optimal object distance\n"
    "- the scale expressed in mm by pixel and\n"
    "- the dimensions WxH of the field located at the object distance\n"
    "- the rear, front and total depth of field\n"
    "\n"
    "button [COPY] stores the panel in the clipboard";

// Writes settings into the input fields, in the order of the panel; the
// aperture only when asked, since start-up keeps the panel's own.
void PutIntoFields(const Settings& s, bool withAperture) {
    SetCtrlVal(panelHandle, PANEL_XMM, static_cast<double>(s.xsize));
    SetCtrlVal(panelHandle, PANEL_YMM, static_cast<double>(s.ysize));
    SetCtrlVal(panelHandle, PANEL_XPIX, s.xresol);
    SetCtrlVal(panelHandle, PANEL_YPIX, s.yresol);
    SetCtrlVal(panelHandle, PANEL_FOCAL, static_cast<double>(s.focal));
    if (withAperture) {
        SetCtrlVal(panelHandle, PANEL_APERTURE, static_cast<double>(s.aperture));
    }
    ShowDmax(s.dmax);
}

}  // namespace

std::string VersionText() {
    return TextFormat(kVersionFormat, kProgramVersion, kVersionDate);
}

int InitPanel() {
    LocateSettingsFile();
    ReadSettingsFile();
    LocatePreferencesFile();
    ReadPreferencesFile();
    LocateBagFile();
    ReadBagFile();
    TakePinsFromBag();
    if (const BagLens* lens = ChosenLens()) {
        settings.pupil = static_cast<float>(lens->pupilMagnification);  // the lens kept in use
    }
    SetCtrlVal(panelHandle, PANEL_COPYRIGHT, VersionText().c_str());
    PutIntoFields(settings, false);
    // Redraw reads the fields back, so what a field makes of a value is what
    // the calculations and the next save use.
    const int status = Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    TellIfSettingsUnreadable();
    TellIfPreferencesUnreadable();
    TellIfBagUnreadable();
    return status;
}

int ResetCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    PutIntoFields(kFactorySettings, true);
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    return 0;
}

int HelpCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    SetCtrlAttribute(panelHandle, PANEL_DOFPICTURE, ATTR_ZPLANE_POSITION, 0);
    SetCtrlAttribute(panelHandle, PANEL_DOFPICTURE, ATTR_VISIBLE, 1);
    MessagePopupBeside(panelHandle, PANEL_DOFPICTURE, "kadrel", kHelpText);  // the picture in view
    SetCtrlAttribute(panelHandle, PANEL_DOFPICTURE, ATTR_VISIBLE, 0);
    return 0;
}

// The button hides itself while the panel's picture is taken; the figures
// go beside the picture as text.
int SavePanelButtonCallback(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    SetCtrlAttribute(panel, control, ATTR_VISIBLE, 0);
    int bitmap = 0;
    if (GetPanelDisplayBitmap(panel, 0, MakeRect(0, 0, -1, -1), &bitmap) >= 0 && bitmap > 0) {
        ClipboardPutBitmap(bitmap, PlainReportText().c_str());
        DiscardBitmap(bitmap);
    }
    SetCtrlAttribute(panel, control, ATTR_VISIBLE, 1);
    return 0;
}

int QuitCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) {
        return 0;
    }
    WriteSettingsFile();
    QuitUserInterface(0);
    return 0;
}
