// The details window: a second panel beside the main one, with the figures
// as selectable text and a Close button; closing it only hides it. It opens
// beside the panel, wholly on the panel's screen, unless the user has put it
// somewhere else.
#include "app/extras.h"
#include "app/kadrel.h"
#include "app/kadrel_uir.h"

int detailsHandle;
int detailsText;

namespace {

constexpr int kGap = 16;     // between the panel's window and this one
constexpr int kWidth = 680;  // the hyperfocal line whole, in any units
constexpr int kHeight = 330;
// With pinned setups: the labels and four columns of 18 characters, twelve
// lines more.
constexpr int kComparingWidth = 760;
constexpr int kComparingHeight = 430;

int closeButton;
bool comparingNow;  // the size the window has

enum { kCloseKey = 1, kQuitKey };

int HideDetails(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        HidePanel(detailsHandle);
    }
    return 0;
}

// Escape closes the window as its Close button does; Ctrl+Q ends kadrel as
// it does from the panel, saving the settings.
int DetailsKeys(int, int, int event, void*, int key, int) {
    if (event == EVENT_SHORTCUT && key == kCloseKey) {
        HidePanel(detailsHandle);
    } else if (event == EVENT_SHORTCUT && key == kQuitKey) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    }
    return 0;
}

// Where the window was put last. Found anywhere else, the user has moved it,
// and it stays where they put it for the rest of the run.
int placedTop;
int placedLeft;

bool WherePut() {
    int top = 0, left = 0;
    GetPanelAttribute(detailsHandle, ATTR_TOP, &top);
    GetPanelAttribute(detailsHandle, ATTR_LEFT, &left);
    return top == placedTop && left == placedLeft;
}

void PutBesidePanel() {
    PlacePanelBeside(detailsHandle, panelHandle, kGap);
    GetPanelAttribute(detailsHandle, ATTR_TOP, &placedTop);
    GetPanelAttribute(detailsHandle, ATTR_LEFT, &placedLeft);
}

void MakeDetails() {
    detailsHandle = NewPanel(0, "kadrel details", 0, 0, kHeight, kWidth);
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
    closeButton = NewCtrl(detailsHandle, CTRL_COMMAND_BUTTON, "__Close", kHeight - 35, kWidth - 72);
    SetCtrlAttribute(detailsHandle, closeButton, ATTR_WIDTH, 60);
    SetCtrlAttribute(detailsHandle, closeButton, ATTR_HEIGHT, 23);
    SetCtrlAttribute(detailsHandle, closeButton, ATTR_CALLBACK_FUNCTION_POINTER, HideDetails);
    SetPanelAttribute(detailsHandle, ATTR_CLOSE_CTRL, closeButton);
    InstallPanelCallback(detailsHandle, DetailsKeys, nullptr);
    AddPanelShortcut(detailsHandle, "Escape", kCloseKey);
    AddPanelShortcut(detailsHandle, "Ctrl+Q", kQuitKey);
}

}  // namespace

void OpenDetails() {
    if (detailsHandle == 0) {
        MakeDetails();
        if (detailsHandle == 0) {
            return;
        }
        PutBesidePanel();
    } else if (WherePut()) {
        PutBesidePanel();  // the panel may have moved since
    }
    Cursor(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);  // fills the text
    DisplayPanel(detailsHandle);
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
