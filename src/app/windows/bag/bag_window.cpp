// SPDX-License-Identifier: MIT
// The camera bag window: the bag as text beside the panel, and buttons that
// add to it and take an entry out; entries are used from the context menu.
#include <string>
#include <vector>

#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/live_setup.h"
#include "windows/bag/bag_window.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"

namespace {

constexpr int kWidth = 760;  // a lens's calibrated apertures on one line
constexpr int kHeight = 360;

int bagHandle;  // the window, once made
int bagText;

// Every entry by kind and name, to choose the one to remove; the pins are
// those in use, as the details window compares them.
void RemoveChosenEntry() {
    std::vector<std::string> labels;
    for (const BagBody& b : bag.bodies) {
        labels.push_back("Body: " + b.name);
    }
    for (const BagLens& l : bag.lenses) {
        labels.push_back("Lens: " + l.name);
    }
    for (const Pin& p : pins) {
        labels.push_back("Pinned setup: " + p.name);
    }
    int chosen = -1;
    if (labels.empty() ||
        PromptPopupChoice("Remove from the bag", "The entry to remove:", labels, &chosen) != 1) {
        return;
    }
    const auto index = static_cast<std::size_t>(chosen);
    const std::size_t bodies = bag.bodies.size();
    const std::size_t lenses = bag.lenses.size();
    if (index < bodies) {
        RemoveBody(index);
    } else if (index < bodies + lenses) {
        RemoveLens(index - bodies);
    } else {
        ShowPinsIf(RemovePin(index - bodies - lenses));
    }
}

void FillBag(int window) {
    bagHandle = window;
    bagText = SideWindowFigures(window, 12, 11);
    SideWindowButton(window, "Add this __camera\u2026", "ADDCAMERA", 12, 140,
                     OnCommit<AddPanelBodyToBag>);
    SideWindowButton(window, "Add a __lens\u2026", "ADDLENS", 164, 140, OnCommit<AddLensToBag>);
    SideWindowButton(window, "__Remove\u2026", "REMOVE", 316, 140, OnCommit<RemoveChosenEntry>);
    SideWindowButton(window, "Lens __details\u2026", "LENSDETAILS", 468, 140,
                     OnCommit<EditLensDetails>);
}

void ShowBag(int, bool, const LiveSetup&) {
    RefreshBagWindow();
}

// It follows the bag, not the live setup.
const SideFrame kBag{"kadrel camera bag", kHeight, kWidth, FillBag, nullptr, ShowBag};

}  // namespace

// The comparison and the bag window follow a change of the pins at once.
void ShowPinsIf(bool changed) {
    if (changed) {
        RefreshBagWindow();
        OpenDetails();
    }
}

void OpenBagWindow() {
    OpenSideWindow(kBag);
}

void RefreshBagWindow() {
    if (SideWindowOf(kBag) > 0) {
        SetCtrlVal(bagHandle, bagText, BagListing(CurrentSetup().preferences.units).c_str());
    }
}
