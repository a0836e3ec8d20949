// SPDX-License-Identifier: MIT
// Pop-up menus, the number prompt and the save dialog: modal, run from a
// callback, returning what the user chose.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <map>
#include <set>

#include "model/model.h"
#include "popups/button_icons.h"
#include "widgets/plain_label.h"
#include "widgets/string_field.h"

namespace ui {
namespace {

// Fills the menu from the rows; false when a row names an unknown parent.
bool Fill(QMenu* root, const MenuItem* items, std::size_t count) {
    std::set<int> parents;
    for (std::size_t i = 0; i < count; ++i) {
        parents.insert(items[i].parent);
    }
    std::map<int, QMenu*> menus{{0, root}};
    for (std::size_t i = 0; i < count; ++i) {
        const MenuItem& item = items[i];
        auto into = menus.find(item.parent);
        if (into == menus.end()) {
            return false;
        }
        if (item.label == nullptr) {
            into->second->addSeparator();
            continue;
        }
        const QString label = QString::fromUtf8(item.label).replace("&", "&&");
        if (parents.count(item.id) != 0) {
            QMenu* submenu = into->second->addMenu(label);
            submenu->setEnabled(item.dimmed == 0);
            menus[item.id] = submenu;
        } else {
            QAction* action = into->second->addAction(label);
            action->setData(item.id);
            action->setEnabled(item.dimmed == 0);
        }
    }
    return true;
}

// An input dialog's own label, shown as written.
void SetPromptText(QInputDialog& dialog, const char* message) {
    dialog.setLabelText(QString());
    setPlainText(dialog.findChild<QLabel*>(), QString::fromUtf8(message));
}

}  // namespace
}  // namespace ui

using namespace ui;

int RunPopupMenu(int panel, int top, int left, const MenuItem* items, std::size_t count) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (items == nullptr && count != 0) {
        return fail(UIEBadValue, "no menu items");
    }
    QMenu menu(p->widget);
    if (!Fill(&menu, items, count)) {
        return fail(UIEBadValue, "a menu item belongs under an item that is not before it");
    }
    const QAction* chosen = menu.exec(p->widget->mapToGlobal(QPoint(left, top)));
    return chosen ? chosen->data().toInt() : 0;
}

int PromptPopupNumber(const char* title, const char* message, double* value, double min, double max,
                      int decimals) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "PromptPopupNumber before InitCVIRTE");
    }
    if (!(min <= max) || decimals < 0 || decimals > 15) {
        return fail(UIEBadValue, "prompt range or decimals out of order");
    }
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromUtf8(title));
    SetPromptText(dialog, message);
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleRange(min, max);
    dialog.setDoubleDecimals(decimals);
    dialog.setDoubleValue(*value);
    shareButtonIcons(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    *value = dialog.doubleValue();
    return 1;
}

int PromptPopupText(const char* title, const char* message, std::string* text) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "PromptPopupText before InitCVIRTE");
    }
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromUtf8(title));
    SetPromptText(dialog, message);
    dialog.setTextValue(QString::fromStdString(*text));
    dialog.findChild<QLineEdit*>()->setMaxLength(kLongestEntry);
    shareButtonIcons(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    *text = dialog.textValue().toStdString();
    return 1;
}
