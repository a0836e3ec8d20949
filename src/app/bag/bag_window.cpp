// SPDX-License-Identifier: MIT
// The camera bag window: the bag as text beside the panel, and buttons that
// add to it; entries are used and removed from the context menu.
#include "app/bag.h"
#include "app/extras.h"

namespace {

constexpr int kWidth = 760;  // a lens's calibrated apertures on one line
constexpr int kHeight = 360;

int bagHandle;  // the window, once made
int bagText;

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
    bagHandle = window;
    bagText = SideWindowFigures(window, 12, 11);
    SideWindowButton(window, "Add this __camera\u2026", "ADDCAMERA", 12, 140, AddCameraButton);
    SideWindowButton(window, "Add a __lens\u2026", "ADDLENS", 164, 140, AddLensButton);
}

void ShowBag(int, bool, const LiveSetup&) {
    RefreshBagWindow();
}

// It follows the bag, not the live setup.
const SideFrame kBag{"kadrel camera bag", kHeight, kWidth, FillBag, nullptr, ShowBag};

}  // namespace

void OpenBagWindow() {
    OpenSideWindow(kBag);
}

void RefreshBagWindow() {
    if (SideWindowOf(kBag) > 0) {
        SetCtrlVal(bagHandle, bagText, BagListing().c_str());
    }
}
