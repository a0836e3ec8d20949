// SPDX-License-Identifier: MIT
// A choice among many items, narrowed by a search box as the user types.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/model.h"
#include "popups/button_icons.h"
#include "widgets/plain_label.h"

namespace ui {
namespace {

// Shows the items that hold every word of the search, letter case aside,
// and keeps the first shown one current, so Return takes it.
void Narrow(QListWidget* list, const QString& search) {
    const QStringList words = search.split(' ', Qt::SkipEmptyParts);
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        bool shown = true;
        for (const QString& w : words) {
            shown = shown && item->text().contains(w, Qt::CaseInsensitive);
        }
        item->setHidden(!shown);
        if (shown && first == nullptr) {
            first = item;
        }
    }
    list->setCurrentItem(first);
}

// Up and Down in the search box move through the list.
class ArrowsToList : public QObject {
  public:
    explicit ArrowsToList(QListWidget* list) : QObject(list), list_(list) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp &&
            key != Qt::Key_PageDown) {
            return false;
        }
        QApplication::sendEvent(list_, event);
        return true;
    }

  private:
    QListWidget* list_;
};

}  // namespace
}  // namespace ui

using namespace ui;

int PromptPopupChoice(const char* title, const char* message, const char* const* items,
                      std::size_t count, int* chosen) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "PromptPopupChoice before InitCVIRTE");
    }
    if (items == nullptr || count == 0 || chosen == nullptr) {
        return fail(UIEBadValue, "nothing to choose from");
    }
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromUtf8(title ? title : ""));
    auto* layout = new QVBoxLayout(&dialog);
    QLabel* label = newPlainLabel(QString::fromUtf8(message ? message : ""));
    auto* search = new QLineEdit;
    search->setPlaceholderText(QObject::tr("Search"));
    search->setAccessibleName(QObject::tr("Search"));
    search->setClearButtonEnabled(true);
    label->setBuddy(search);
    auto* list = new QListWidget;
    list->setAccessibleName(QString::fromUtf8(message ? message : ""));
    for (std::size_t i = 0; i < count; ++i) {
        list->addItem(QString::fromUtf8(items[i] ? items[i] : ""));
    }
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(label);
    layout->addWidget(search);
    layout->addWidget(list);
    layout->addWidget(buttons);
    search->installEventFilter(new ArrowsToList(list));
    QObject::connect(search, &QLineEdit::textChanged, list,
                     [list](const QString& text) { Narrow(list, text); });
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.resize(420, 480);
    search->setFocus();
    shareButtonIcons(&dialog);
    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr ||
        list->currentItem()->isHidden()) {
        return 0;
    }
    *chosen = list->currentRow();
    return 1;
}

int PromptPopupChoice(const char* title, const char* message, const std::vector<std::string>& items,
                      int* chosen) {
    std::vector<const char*> texts;
    for (const std::string& item : items) {
        texts.push_back(item.c_str());
    }
    return PromptPopupChoice(title, message, texts.data(), texts.size(), chosen);
}
