// The factory that hands Qt the runtime's own interfaces, and the change
// notices the widgets send through it.
#include "accessibility/accessible.h"

#include <QAccessible>
#include <QLabel>

#include "accessibility/accessible_interfaces.h"
#include "model/model.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/numeric_field.h"
#include "widgets/text/text_message.h"

namespace ui {
namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(NumericField::staticMetaObject.className())) {
        return new AccessibleNumericField(static_cast<NumericField*>(object));
    }
    if (className == QLatin1String(GraphWidget::staticMetaObject.className())) {
        return new AccessibleGraph(static_cast<GraphWidget*>(object));
    }
    if (className == QLatin1String(TextMessage::staticMetaObject.className())) {
        return new AccessibleTextMessage(static_cast<TextMessage*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(Factory);
}

void announceValue(QWidget* widget, double value) {
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, value);
        QAccessible::updateAccessibility(&event);
    }
}

void announceText(QWidget* widget, const QString& before, const QString& after) {
    if (QAccessible::isActive() && before != after) {
        QAccessibleTextUpdateEvent event(widget, 0, before, after);
        QAccessible::updateAccessibility(&event);
    }
}

// Qt announces every description it is given, changed or not.
void refreshDescriptions(Panel& panel) {
    for (const auto& c : panel.controls) {
        auto own = c->attributes.find(ATTR_ACCESSIBLE_DESCRIPTION);
        auto by = c->attributes.find(ATTR_DESCRIBED_BY);
        if (own == c->attributes.end() && by == c->attributes.end()) {
            continue;
        }
        const Control* describer =
            by == c->attributes.end() ? nullptr : panel.find(std::get<int>(by->second));
        QString description;
        if (describer != nullptr && describer->kind == CTRL_TEXT_MSG) {
            description = static_cast<QLabel*>(describer->widget)->text();
        } else if (own != c->attributes.end()) {
            description = QString::fromStdString(std::get<std::string>(own->second));
        }
        if (c->widget->accessibleDescription() != description) {
            c->widget->setAccessibleDescription(description);
        }
    }
}

}  // namespace ui
