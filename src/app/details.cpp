// The details window: a second panel beside the main one, with the figures
// as selectable text and a Close button; closing it only hides it. It opens
// beside the panel, wholly on the panel's screen, unless the user has put it
// somewhere else.
#include "app/extras.h"
#include "app/kadrel.h"

int detailsHandle;
int detailsText;

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 330;

SidePlace placed;

void FillDetails(int window) {
    detailsText = NewCtrl(window, CTRL_TEXT_MSG, "", 12, 12);
    SetCtrlAttribute(window, detailsText, ATTR_TEXT_FONT, VAL_MONO_META_FONT);
    SetCtrlAttribute(window, detailsText, ATTR_TEXT_POINT_SIZE, 13);
    SetCtrlAttribute(window, detailsText, ATTR_TEXT_COLOR, 0x006699);
    SetCtrlAttribute(window, detailsText, ATTR_TEXT_SELECTABLE, 1);
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

void CloseDetails() {
    if (detailsHandle > 0) {
        DiscardPanel(detailsHandle);
    }
    detailsHandle = 0;
    detailsText = 0;
}
