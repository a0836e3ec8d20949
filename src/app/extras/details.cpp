// SPDX-License-Identifier: MIT
// The details window: a second panel beside the main one, with the figures
// as selectable text and a Close button; closing it only hides it. It opens
// beside the panel, wholly on the panel's screen, unless the user has put it
// somewhere else.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/tables.h"

int detailsHandle;
int detailsText;

namespace {

constexpr int kWidth = 680;  // the hyperfocal line whole, in any units
// The figures with the diffraction advice and the close-up line, then the side view.
constexpr int kHeight = 350 + kSideViewHeight + 8;
// With pinned setups: the labels and four columns of 18 characters, fifteen
// lines more, and a row of the side view for each pin.
constexpr int kComparingWidth = 760;
constexpr int kComparingHeight = 490 + kSideViewHeight + kMaxPins * kPinRowHeight + 8;

bool comparingNow;  // the size the window has

SidePlace placed;

constexpr int kPupilLabelWidth = 140;  // "Pupil magnification" beside its field
int pupilField;

// The pupil's field in the bottom row, its label beside it.
void PlacePupil(int window, int height) {
    SetCtrlAttribute(window, pupilField, ATTR_TOP, height - 35);
    SetCtrlAttribute(window, pupilField, ATTR_LABEL_TOP, height - 31);
}

void FillDetails(int window) {
    detailsText = SideWindowFigures(window, 12, 13);
    pupilField = NewPupilField(window, kHeight - 35, 12 + kPupilLabelWidth);
    SetCtrlAttribute(window, pupilField, ATTR_LABEL_LEFT, 12);
    PlacePupil(window, kHeight);
    AddSideView(window, 12 + kPupilLabelWidth + kPupilFieldWidth + 12);  // beside the pupil
}

}  // namespace

void OpenDetails() {
    const bool justMade = detailsHandle == 0;
    if (justMade) {
        detailsHandle = NewSideWindow("kadrel details", kHeight, kWidth, FillDetails);
        if (detailsHandle == 0) {
            return;
        }
    }
    Cursor(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // fills the text
    ShowBesidePanel(detailsHandle, justMade, &placed);
}

void FitDetails(bool comparing) {
    if (comparing == comparingNow) {
        return;
    }
    comparingNow = comparing;
    const int width = comparing ? kComparingWidth : kWidth;
    const int height = comparing ? kComparingHeight : kHeight;
    SetPanelAttribute(detailsHandle, ATTR_WIDTH, width);
    SetPanelAttribute(detailsHandle, ATTR_HEIGHT, height);
    int closeButton = 0;
    GetPanelAttribute(detailsHandle, ATTR_CLOSE_CTRL, &closeButton);
    SetCtrlAttribute(detailsHandle, closeButton, ATTR_TOP, height - 35);
    SetCtrlAttribute(detailsHandle, closeButton, ATTR_LEFT, width - 72);
    PlacePupil(detailsHandle, height);
}

void CloseDetails() {
    if (detailsHandle > 0) {
        DiscardPanel(detailsHandle);
    }
    detailsHandle = 0;
    detailsText = 0;
    comparingNow = false;
}
