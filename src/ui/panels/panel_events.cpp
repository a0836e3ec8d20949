// SPDX-License-Identifier: MIT
// Panel events: the panel callback, the close box, right clicks, double clicks
// and menu keys that no control takes, and panel shortcuts.
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>

#include <vector>

#include "panels/panels.h"
#include "widgets/panel_widget.h"

namespace ui {

namespace {

int ControlAt(int handle, const QWidget* widget) {
    Panel* p = findPanel(handle);
    Control* c = p ? controlOf(*p, widget) : nullptr;
    return c ? c->id : 0;
}

// A field's editor would take some panel shortcuts (Ctrl+D deletes a
// character there); keys a panel claims go to the panel instead.
class ShortcutGuard : public QObject {
  public:
    void claim(QWidget* window, const QKeySequence& keys) { claims_.push_back({window, keys}); }

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !target->isWidgetType()) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        const QWidget* window = static_cast<QWidget*>(target)->window();
        for (const Claim& claim : claims_) {
            if (claim.window == window && claim.keys.matches(pressed) == QKeySequence::ExactMatch) {
                event->ignore();
                return true;
            }
        }
        return false;
    }

  private:
    struct Claim {
        QPointer<QWidget> window;
        QKeySequence keys;
    };
    std::vector<Claim> claims_;
};

// One per application: it ends with the application, and the next one
// (after the runtime is prepared again) gets a new guard.
ShortcutGuard& Guard() {
    static QPointer<ShortcutGuard> guard;
    if (guard.isNull()) {
        guard = new ShortcutGuard;
        guard->setParent(qApp);
        qApp->installEventFilter(guard);
    }
    return *guard;
}

}  // namespace

bool closePanel(int panel) {
    Panel* p = findPanel(panel);
    const int closeControl = p ? closeControlOf(*p) : 0;
    if (closeControl == 0) {
        return false;
    }
    commit(panel, closeControl);
    return true;
}

void raisePanelEvents(const Panel& panel) {
    const int handle = panel.handle;
    PanelWidget* widget = panel.widget;
    QObject::connect(widget, &PanelWidget::resized, widget, [handle](QSize size) {
        Panel* p = findPanel(handle);
        if (p != nullptr && p->window && p->widget->isVisible()) {
            takeWindowSize(*p, size);
        }
    });
    QObject::connect(widget, &PanelWidget::closeAsked, widget, [handle] { closePanel(handle); });
    QObject::connect(
        widget, &PanelWidget::contextMenuAsked, widget, [handle](QWidget* source, QPoint at) {
            raisePanelEvent(handle, ControlAt(handle, source), EVENT_CONTEXT_MENU, at.y(), at.x());
        });
    QObject::connect(widget, &PanelWidget::doubleClicked, widget,
                     [handle](QWidget* source, QPoint at) {
                         raisePanelEvent(handle, ControlAt(handle, source), EVENT_LEFT_DOUBLE_CLICK,
                                         at.y(), at.x());
                     });
}

}  // namespace ui

using namespace ui;

int InstallPanelCallback(int panel, CtrlCallbackPtr callback, void* callbackData) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    p->callback = callback;
    p->callbackData = callbackData;
    return 0;
}

int AddPanelShortcut(int panel, const char* keys, int number) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    const QKeySequence sequence(QString::fromUtf8(keys ? keys : ""));
    if (sequence.isEmpty() || sequence.count() != 1) {
        return fail(UIEBadValue, std::string("no single key combination: ") + (keys ? keys : ""));
    }
    auto* shortcut = new QShortcut(sequence, p->widget);  // owned by the panel's widget
    QObject::connect(shortcut, &QShortcut::activated,
                     [panel, number] { raisePanelEvent(panel, 0, EVENT_SHORTCUT, number, 0); });
    Guard().claim(p->widget->window(), sequence);
    return 0;
}
