// SPDX-License-Identifier: MIT
// A control's accessible description: its own, or the text of the text
// message that describes it, kept current as either changes.
#include <QLabel>

#include "controls/controls.h"

namespace ui {

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
