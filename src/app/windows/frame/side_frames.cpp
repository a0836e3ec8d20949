// SPDX-License-Identifier: MIT
// The side windows' registry: each frame is made on first use, placed beside
// the panel, handed every live setup while it is made, and closed with the
// rest when the panel goes.
#include <deque>

#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/keys.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"

namespace {

constexpr int kGap = 16;  // between the panel's window and a side window

enum { kCloseKey = 1, kQuitKey };

int HideSideWindow(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        HidePanel(panel);
    }
    return 0;
}

// The frame's window, hidden, or 0.
int NewSideWindow(const SideFrame& frame) {
    const int window = NewPanel(0, frame.title, 0, 0, frame.height, frame.width);
    if (window < 0) {
        return 0;
    }
    InstallPanelCallback(window, SideWindowKeys, nullptr);  // fill may put its own
    frame.fill(window);
    const int close =
        SideWindowButton(window, "__Close", "CLOSE", frame.width - 72, 60, HideSideWindow);
    SetPanelAttribute(window, ATTR_CLOSE_CTRL, close);
    AddPanelShortcut(window, KeysOf(Action::Close), kCloseKey);
    AddPanelShortcut(window, KeysOf(Action::Quit), kQuitKey);
    return window;
}

// Where a side window was put last.
struct SidePlace {
    int top;
    int left;
};

struct Made {
    const SideFrame* frame;
    int window;
    SidePlace placed;
};

// A deque: a window made while another opens leaves the others in place.
std::deque<Made>& Windows() {
    static std::deque<Made> windows;
    return windows;
}

Made* Find(const SideFrame& frame) {
    for (Made& made : Windows()) {
        if (made.frame == &frame) {
            return &made;
        }
    }
    return nullptr;
}

// Found anywhere but where it was put last, the user has moved the window,
// and it stays where they put it for the rest of the run.
void ShowBesidePanel(Made* made, bool justMade) {
    int top = 0, left = 0;
    GetPanelAttribute(made->window, ATTR_TOP, &top);
    GetPanelAttribute(made->window, ATTR_LEFT, &left);
    if (justMade || (top == made->placed.top && left == made->placed.left)) {
        PlacePanelBeside(made->window, panelHandle, kGap);  // the panel may have moved since
        GetPanelAttribute(made->window, ATTR_TOP, &made->placed.top);
        GetPanelAttribute(made->window, ATTR_LEFT, &made->placed.left);
    }
    DisplayPanel(made->window);
}

}  // namespace

int SideWindowKeys(int panel, int control, int event, void*, int eventData1, int eventData2) {
    const int key = eventData1;
    if (event == EVENT_CONTEXT_MENU) {
        RunPictureMenu(panel, control, eventData1, eventData2);
    } else if (event == EVENT_SHORTCUT && key == kCloseKey) {
        HidePanel(panel);
    } else if (event == EVENT_SHORTCUT && key == kQuitKey) {
        QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    }
    return 0;
}

int OpenSideWindow(const SideFrame& frame) {
    Made* made = Find(frame);
    const bool justMade = made == nullptr;
    if (justMade) {
        const int window = NewSideWindow(frame);
        if (window == 0) {
            return 0;
        }
        made = &Windows().emplace_back(Made{&frame, window, {}});
    }
    (frame.opening != nullptr ? frame.opening : frame.follow)(made->window, justMade,
                                                              CurrentSetup());
    ShowBesidePanel(made, justMade);
    return made->window;
}

int SideWindowOf(const SideFrame& frame) {
    const Made* made = Find(frame);
    return made != nullptr ? made->window : 0;
}

void FollowSideWindows(const LiveSetup& setup) {
    for (const Made& made : Windows()) {
        if (made.frame->follow != nullptr) {
            made.frame->follow(made.window, false, setup);
        }
    }
}

void CloseSideWindows() {
    for (const Made& made : Windows()) {
        DiscardPanel(made.window);
    }
    Windows().clear();
}
