// SPDX-License-Identifier: MIT
// The runtime's own bookkeeping: panels, controls and bitmaps behind their
// integer handles. Internal to src/ui.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "model/attributes.h"
#include "ui/userint.h"
#include "widgets/panel_widget.h"

class QApplication;
class QLabel;

namespace ui {

struct Control {
    int id = 0;
    int kind = 0;
    // Every attribute as last set, in the order the panel file replays them.
    std::map<int, AttrValue> attributes;
    QWidget* widget = nullptr;  // owned by the panel's widget
    QLabel* label = nullptr;    // a separate caption: numeric fields and graphs
    int width = 0;              // the size asked for; text messages may grow past it
    int height = 0;
};

struct Panel {
    int handle = 0;
    int parent = 0;
    std::map<int, AttrValue> attributes;
    // A top-level panel owns its window; a child's widget belongs to its parent.
    std::unique_ptr<PanelWidget> window;
    QPointer<PanelWidget> widget;
    std::vector<std::unique_ptr<Control>> controls;  // creation order
    std::vector<int> frontToBack;                    // control ids, frontmost first
    std::vector<int> tabOrder;                       // focusable control ids
    CtrlCallbackPtr callback = nullptr;              // panel events
    void* callbackData = nullptr;
    // Being read from a file: laid out once, when complete (see relayout()).
    bool loading = false;

    Control* find(int id) const;
};

// An image behind a handle; one made from SVG text keeps its source, so a
// picture can draw it again at any pixel density.
struct Bitmap {
    QImage image;
    QByteArray svg;
};

// A stored attribute, or the fallback when it was never set.
template <typename T>
T attributeOr(const Control& c, int attribute, T fallback) {
    auto it = c.attributes.find(attribute);
    return it == c.attributes.end() ? fallback : std::get<T>(it->second);
}

struct Runtime {
    std::unique_ptr<QApplication> app;
    std::thread fontConfiguration;  // see fontsReady()
    std::map<int, std::unique_ptr<Panel>> panels;
    std::map<int, Bitmap> bitmaps;
    std::vector<CallbackName> callbacks;
    bool running = false;  // inside RunUserInterface
    // QuitUserInterface was called in a loop (RunUserInterface's, or a
    // pop-up's before it); the loop ends with quitCode.
    bool quitAsked = false;
    int quitCode = 0;
    // Close controls whose commit is running: a close under way, which a
    // quit signal ends rather than starts again.
    int closing = 0;
    int lifetimeHolders = 0;
    int nextPanel = 1;
    int nextBitmap = 1;
    int breakOnLibraryErrors = 1;
    int breakOnProtectionErrors = 1;
    int resolutionAdjustment = 0;
    int monitorWidth = 0;  // 0: ask the screen
    int monitorHeight = 0;
    std::string lastFailure;
    FailureLog failureLog = nullptr;  // null: stderr
    std::string projectDir;           // empty: the program's own directory
};

Runtime& runtime();

// The font configuration is read on a second thread while Qt connects to the
// display and the panel file is parsed; whatever lays out text first waits
// here for it rather than reading it again.
void fontsReady();

// Records and logs a failure; returns status so callers can `return fail(...)`.
int fail(int status, const std::string& what);

Panel* findPanel(int handle);
// The control whose commit the panel's close box raises; 0 when none.
int closeControlOf(const Panel& panel);
// Looks up a panel, recording a failure when it is unknown.
int lookupPanel(int panel, Panel** p);
// Looks up panel and control, recording a failure when either is unknown.
int lookup(int panel, int control, Panel** p, Control** c);

const char* callbackName(CtrlCallbackPtr function);
CtrlCallbackPtr callbackByName(const std::string& name);

// Raises the commit event of a control, if it has a callback. A numeric field
// still being edited elsewhere is committed first, as moving the focus would:
// the user saw that value, and a button, a key or the close box must act on it.
// While the commit of a panel's close control runs, Runtime::closing counts it.
void commit(int panel, int control, int eventData1 = 0, int eventData2 = 0);

// Raises a panel event to the panel's callback, if it has one.
void raisePanelEvent(int panel, int control, int event, int eventData1, int eventData2);

// The control whose widget or caption is this widget or holds it; null if none.
Control* controlOf(const Panel& panel, const QWidget* widget);

}  // namespace ui
