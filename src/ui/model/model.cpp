// SPDX-License-Identifier: MIT
// The bookkeeping behind the handles: finding panels and controls, recording
// failures, and raising commit events through the callback registry.
#include <QApplication>
#include <QLabel>

#include <errno.h>

#include <cstdio>

#include "model/model.h"
#include "widgets/numeric_field.h"
#include "widgets/string_field.h"

namespace ui {

// Never destroyed: a toolkit still alive at exit is leaked rather than torn
// down after the statics it relies on are gone.
Runtime& runtime() {
    static Runtime* const state = new Runtime;
    return *state;
}

void fontsReady() {
    if (runtime().fontConfiguration.joinable()) {
        runtime().fontConfiguration.join();
    }
}

int fail(int status, const std::string& what) {
    Runtime& rt = runtime();
    rt.lastFailure = what;
    if (rt.breakOnLibraryErrors) {
        // As a command-line tool says it, from the program's name, which is
        // known before the toolkit is (a display that cannot be reached).
        const std::string line = std::string(program_invocation_short_name) + ": " + what + " (" +
                                 GetUIErrorString(status) + ")";
        if (rt.failureLog) {
            rt.failureLog(line.c_str());
        } else {
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    return status;
}

Panel* findPanel(int handle) {
    auto it = runtime().panels.find(handle);
    return it == runtime().panels.end() ? nullptr : it->second.get();
}

// Identifiers follow creation order from 2 and a control lives as long as its
// panel, so an identifier is its index plus two.
int closeControlOf(const Panel& panel) {
    auto it = panel.attributes.find(ATTR_CLOSE_CTRL);
    return it == panel.attributes.end() ? 0 : std::get<int>(it->second);
}

Control* Panel::find(int id) const {
    if (id < 2 || static_cast<size_t>(id) - 2 >= controls.size()) {
        return nullptr;
    }
    return controls[static_cast<size_t>(id) - 2].get();
}

int lookupPanel(int panel, Panel** p) {
    *p = findPanel(panel);
    return *p ? 0 : fail(UIEBadPanelHandle, "no panel " + std::to_string(panel));
}

int lookup(int panel, int control, Panel** p, Control** c) {
    if (int status = lookupPanel(panel, p); status < 0) {
        return status;
    }
    *c = (*p)->find(control);
    if (*c == nullptr) {
        return fail(UIEBadControlId,
                    "no control " + std::to_string(control) + " on panel " + std::to_string(panel));
    }
    return 0;
}

const char* callbackName(CtrlCallbackPtr function) {
    for (const CallbackName& entry : runtime().callbacks) {
        if (entry.function == function) {
            return entry.name;
        }
    }
    return nullptr;
}

CtrlCallbackPtr callbackByName(const std::string& name) {
    for (const CallbackName& entry : runtime().callbacks) {
        if (name == entry.name) {
            return entry.function;
        }
    }
    return nullptr;
}

void commit(int panel, int control, int eventData1, int eventData2) {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* field = qobject_cast<NumericField*>(w)) {
            field->commitEdit();
            break;
        }
        if (auto* string = qobject_cast<StringField*>(w)) {
            string->commitEdit();
            break;
        }
    }
    Panel* p = findPanel(panel);
    Control* c = p ? p->find(control) : nullptr;
    if (c == nullptr) {
        return;
    }
    auto it = c->attributes.find(ATTR_CALLBACK_FUNCTION_POINTER);
    if (it == c->attributes.end()) {
        return;
    }
    const QPointer<QWidget> widget = c->widget;
    const bool hadFocus = widget->hasFocus();
    const bool closing = closeControlOf(*p) == control;
    runtime().closing += closing;
    std::get<CtrlCallbackPtr>(it->second)(panel, control, EVENT_COMMIT, nullptr, eventData1,
                                          eventData2);
    runtime().closing -= closing;
    // A control that hid itself for a moment (a button leaving a picture of
    // the panel) lost the keyboard to its neighbour; the user did not move it.
    if (hadFocus && widget && widget->isVisible() && !widget->hasFocus() &&
        QApplication::focusWidget() != nullptr &&
        QApplication::focusWidget()->window() == widget->window()) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void raisePanelEvent(int panel, int control, int event, int eventData1, int eventData2) {
    Panel* p = findPanel(panel);
    if (p != nullptr && p->callback != nullptr) {
        p->callback(panel, control, event, p->callbackData, eventData1, eventData2);
    }
}

Control* controlOf(const Panel& panel, const QWidget* widget) {
    for (; widget != nullptr && widget != panel.widget; widget = widget->parentWidget()) {
        for (const auto& c : panel.controls) {
            if (c->widget == widget || c->label == widget) {
                return c.get();
            }
        }
    }
    return nullptr;
}

}  // namespace ui
