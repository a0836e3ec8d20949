// SPDX-License-Identifier: MIT
// The camera bag window: the bag as text beside the panel, and buttons that
// add to it; entries are used and removed from the context menu.
#include "app/bag.h"
#include "app/extras.h"
#include "app/kadrel.h"

namespace {

constexpr int kWidth = 760;  // a lens's calibrated apertures on one line
constexpr int kHeight = 360;

int bagHandle;  // 0 while there is none
int bagText;
SidePlace placed;

int AddCameraButton(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        AddPanelBodyToBag();
    }
    return 0;
}

int AddLensButton(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        AddLensToBag();
    }
    return 0;
}

void FillBag(int window) {
    bagText = SideWindowFigures(window, 12, 11);
    SideWindowButton(window, "Add this __camera\u2026", 12, 140, AddCameraButton);
    SideWindowButton(window, "Add a __lens\u2026", 164, 140, AddLensButton);
}

}  // namespace

void OpenBagWindow() {
    const bool justMade = bagHandle == 0;
    if (justMade) {
        bagHandle = NewSideWindow("kadrel camera bag", kHeight, kWidth, FillBag);
        if (bagHandle == 0) {
            return;
        }
    }
    RefreshBagWindow();
    ShowBesidePanel(bagHandle, justMade, &placed);
}

void RefreshBagWindow() {
    if (bagHandle > 0) {
        SetCtrlVal(bagHandle, bagText, BagListing().c_str());
    }
}
