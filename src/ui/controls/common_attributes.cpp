// SPDX-License-Identifier: MIT
// The attributes any control takes beside its kind's own: a tooltip, and
// selectable text on a label, or lines chosen on it.
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QToolTip>

#include "controls/controls.h"
#include "widgets/text/text_message.h"

namespace ui {
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

// One per application: it ends with the application.
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
        const bool lines = std::get<int>(value) == VAL_SELECT_LINES;
        label->setFocusPolicy(lines ? Qt::StrongFocus : on ? Qt::ClickFocus : Qt::NoFocus);
        if (auto* message = qobject_cast<TextMessage*>(label)) {
            message->chooseLines(lines);
        }
    }
}

}  // namespace ui
