// The details window: a second panel beside the main one, with the figures
// as selectable text and a Close button; closing it only hides it.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"

int detailsHandle;
int detailsText;

namespace {

constexpr int kGap = 16;     // between the panel's window and this one
constexpr int kWidth = 680;  // the hyperfocal line whole, in any units
constexpr int kHeight = 330;

int HideDetails(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        HidePanel(detailsHandle);
    }
    return 0;
}

void MakeDetails() {
    int top = 0, left = 0, width = 0;
    GetPanelAttribute(panelHandle, ATTR_TOP, &top);
    GetPanelAttribute(panelHandle, ATTR_LEFT, &left);
    GetPanelAttribute(panelHandle, ATTR_WIDTH, &width);
    // Beside the panel, but on the screen even where it has no room there.
    int screenWidth = 0;
    GetMonitorAttribute(1, ATTR_WIDTH, &screenWidth);
    int beside = left + width + kGap;
    if (screenWidth > 0 && beside + kWidth > screenWidth) {
        beside = screenWidth > kWidth ? screenWidth - kWidth : 0;
    }
    detailsHandle = NewPanel(0, "kadrel details", top, beside, kHeight, kWidth);
    if (detailsHandle < 0) {
        detailsHandle = 0;
        return;
    }
    SetPanelAttribute(detailsHandle, ATTR_BACKCOLOR, 0xF0F0F0);
    detailsText = NewCtrl(detailsHandle, CTRL_TEXT_MSG, "", 12, 12);
    SetCtrlAttribute(detailsHandle, detailsText, ATTR_TEXT_FONT, VAL_MONO_META_FONT);
    SetCtrlAttribute(detailsHandle, detailsText, ATTR_TEXT_POINT_SIZE, 13);
    SetCtrlAttribute(detailsHandle, detailsText, ATTR_TEXT_COLOR, 0x006699);
    SetCtrlAttribute(detailsHandle, detailsText, ATTR_TEXT_SELECTABLE, 1);
    const int close =
        NewCtrl(detailsHandle, CTRL_COMMAND_BUTTON, "__Close", kHeight - 35, kWidth - 72);
    SetCtrlAttribute(detailsHandle, close, ATTR_WIDTH, 60);
    SetCtrlAttribute(detailsHandle, close, ATTR_HEIGHT, 23);
    SetCtrlAttribute(detailsHandle, close, ATTR_CALLBACK_FUNCTION_POINTER, HideDetails);
    SetPanelAttribute(detailsHandle, ATTR_CLOSE_CTRL, close);
}

}  // namespace

void OpenDetails() {
    if (detailsHandle == 0) {
        MakeDetails();
        if (detailsHandle == 0) {
            return;
        }
    }
    Cursor(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // fills the text
    DisplayPanel(detailsHandle);
}

void CloseDetails() {
    if (detailsHandle > 0) {
        DiscardPanel(detailsHandle);
    }
    detailsHandle = 0;
    detailsText = 0;
}
