// SPDX-License-Identifier: MIT
// The details window: a second panel beside the main one, with the figures
// as selectable text and a Close button; closing it only hides it. It opens
// beside the panel, wholly on the panel's screen, unless the user has put it
// somewhere else.
#include "windows/details/details.h"
#include "core/optics/details_text.h"
#include "core/optics/full_frame.h"
#include "core/settings/lens_search.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"

namespace {

constexpr int kWidth = 680;  // the hyperfocal line whole, in any units
// The figures with the diffraction advice and the close-up line, then the side view.
constexpr int kHeight = 350 + kSideViewHeight + 8;
// With pinned setups: the labels and four columns of 18 characters, fifteen
// lines more, and a row of the side view for each pin.
constexpr int kComparingWidth = 760;
constexpr int kComparingHeight = 490 + kSideViewHeight + kMaxPins * kPinRowHeight + 8;

int detailsText;
bool comparingNow;  // the size the window has

constexpr int kPupilLabelWidth = 140;  // "Pupil magnification" beside its field
int pupilField;

// The pupil's field in the bottom row, its label beside it.
void PlacePupil(int window, int height) {
    SetCtrlAttribute(window, pupilField, ATTR_TOP, height - 35);
    SetCtrlAttribute(window, pupilField, ATTR_LABEL_TOP, height - 31);
}

void FillDetails(int window) {
    comparingNow = false;
    detailsText = SideWindowFigures(window, 12, 13);
    SetCtrlAttribute(window, detailsText, ATTR_CONSTANT_NAME, "DETAILSTEXT");
    pupilField = NewPupilField(window, kHeight - 35, 12 + kPupilLabelWidth);
    SetCtrlAttribute(window, pupilField, ATTR_LABEL_LEFT, 12);
    PlacePupil(window, kHeight);
    AddSideView(window, 12 + kPupilLabelWidth + kPupilFieldWidth + 12);  // beside the pupil
}

// Room for the comparison of pinned setups below the figures, or none.
void FitDetails(int window, bool comparing) {
    if (comparing == comparingNow) {
        return;
    }
    comparingNow = comparing;
    const int width = comparing ? kComparingWidth : kWidth;
    const int height = comparing ? kComparingHeight : kHeight;
    SetPanelAttribute(window, ATTR_WIDTH, width);
    SetPanelAttribute(window, ATTR_HEIGHT, height);
    int closeButton = 0;
    GetPanelAttribute(window, ATTR_CLOSE_CTRL, &closeButton);
    SetCtrlAttribute(window, closeButton, ATTR_TOP, height - 35);
    SetCtrlAttribute(window, closeButton, ATTR_LEFT, width - 72);
    PlacePupil(window, height);
}

void ShowDetails(int window, bool, const LiveSetup& setup) {
    const Settings& camera = setup.camera;
    const double d = setup.cursor;
    std::string details =
        ComposeDetails(camera, setup.preferences.coc, setup.preferences.units, d) + "\n" +
        FullFrameText(camera, setup.cocMm);
    if (const BagLens* lens = ChosenLens()) {
        details += "\n" + LensLimitsText(*lens, camera.focal, camera.aperture);
    }
    const std::string comparison = ComparisonText(setup);
    SetCtrlVal(window, detailsText,
               (comparison.empty() ? details : details + "\n\n" + comparison).c_str());
    FitDetails(window, !comparison.empty());
    SetCtrlVal(window, pupilField, static_cast<double>(camera.pupil));
    ShowSideView(window, setup);
}

const SideFrame kDetails{"kadrel details", kHeight, kWidth, FillDetails, ShowDetails, nullptr};

}  // namespace

int OpenDetails() {
    return OpenSideWindow(kDetails);
}
