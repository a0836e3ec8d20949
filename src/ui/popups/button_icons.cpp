// SPDX-License-Identifier: MIT
#include "popups/button_icons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QIcon>
#include <QPointer>

#include <map>

namespace ui {
namespace {

// Owned by the application, so the icons go before it does.
class IconStore : public QObject {
  public:
    std::map<int, QIcon> icons;  // by QDialogButtonBox::StandardButton
};

IconStore& Store() {
    static QPointer<IconStore> store;
    if (store.isNull()) {
        store = new IconStore;
        store->setParent(qApp);
    }
    return *store;
}

}  // namespace

void shareButtonIcons(QWidget* dialog) {
    for (const QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons()) {
            const int which = box->standardButton(button);
            if (which == QDialogButtonBox::NoButton || button->icon().isNull()) {
                continue;
            }
            const auto [kept, first] = Store().icons.try_emplace(which, button->icon());
            if (!first) {
                button->setIcon(kept->second);
            }
        }
    }
}

}  // namespace ui
