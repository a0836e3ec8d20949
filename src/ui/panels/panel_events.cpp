// Panel events: the panel callback, right clicks, double clicks and menu keys
// that no control takes, panel shortcuts, and the attributes any control takes
// beside its kind's own (tooltip, selectable text).
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QToolTip>

#include <vector>

#include "model/model.h"
#include "widgets/panel_widget.h"

namespace ui {

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

namespace {

// Shows a control's tooltip as written, line breaks and runs of blanks kept,
// in the font of what the pointer rests on, so that a column of figures
// stays a column. The tooltip itself stays plain text: assistive technology
// reads it as the description of a control that has none of its own.
class TooltipStyle : public QObject {
  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(target);
        if (event->type() != QEvent::ToolTip || widget == nullptr || widget->toolTip().isEmpty()) {
            return false;
        }
        const QString shown =
            QStringLiteral("<p style=\"white-space:pre; font-family:'%1'\">%2</p>")
                .arg(widget->font().family(), widget->toolTip().toHtmlEscaped());
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, widget);
        return true;
    }
};

// One per application, as the shortcut guard below.
TooltipStyle& Style() {
    static QPointer<TooltipStyle> style;
    if (style.isNull()) {
        style = new TooltipStyle;
        style->setParent(qApp);
    }
    return *style;
}

}  // namespace

void applyCommonExtra(Control& c, int attribute, const AttrValue& value) {
    if (attribute == ATTR_TOOLTIP_TEXT) {
        const QString text = QString::fromUtf8(std::get<std::string>(value));
        for (QWidget* shown : {c.widget, static_cast<QWidget*>(c.label)}) {
            if (shown != nullptr) {
                shown->setToolTip(text);
                shown->installEventFilter(&Style());
            }
        }
    } else if (auto* label = qobject_cast<QLabel*>(c.widget)) {
        const bool on = std::get<int>(value) != 0;
        label->setTextInteractionFlags(on ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                          : Qt::NoTextInteraction);
        label->setFocusPolicy(on ? Qt::ClickFocus : Qt::NoFocus);
    }
}

namespace {

int ControlAt(int handle, const QWidget* widget) {
    Panel* p = findPanel(handle);
    Control* c = p ? controlOf(*p, widget) : nullptr;
    return c ? c->id : 0;
}

bool IsMenuKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
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

void PanelWidget::contextMenuEvent(QContextMenuEvent* event) {
    const QWidget* source = event->reason() == QContextMenuEvent::Keyboard
                                ? QApplication::focusWidget()
                                : childAt(event->pos());
    event->accept();
    raisePanelEvent(handle_, ControlAt(handle_, source), EVENT_CONTEXT_MENU, event->pos().y(),
                    event->pos().x());
}

void PanelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    event->accept();
    raisePanelEvent(handle_, ControlAt(handle_, childAt(at)), EVENT_LEFT_DOUBLE_CLICK, at.y(),
                    at.x());
}

// The menu keys reach the panel when the control with the keyboard ignores
// them; that control gets the chance to show its own menu first.
void PanelWidget::keyPressEvent(QKeyEvent* event) {
    if (!IsMenuKey(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus)) {
        focus = this;
    }
    const QPoint centre = focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    QApplication::sendEvent(focus, &menu);
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
