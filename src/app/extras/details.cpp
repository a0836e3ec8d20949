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
constexpr int kHeight = 330 + kSideViewHeight + 8;
// With pinned setups: the labels and four columns of 18 characters, twelve
// lines more.
constexpr int kComparingWidth = 760;
constexpr int kComparingHeight = 430 + kSideViewHeight + kMaxPins * kPinRowHeight + 8;

bool comparingNow;  // the size the window has

SidePlace placed;

void FillDetails(int window) {
    detailsText = SideWindowFigures(window, 12, 13);
    AddSideView(window);
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
}

void CloseDetails() {
    if (detailsHandle > 0) {
        DiscardPanel(detailsHandle);
    }
    detailsHandle = 0;
    detailsText = 0;
    comparingNow = false;
}
