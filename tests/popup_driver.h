// SPDX-License-Identifier: MIT
// Drives the modal pop-ups a test opens: menus and dialogs, as a user would.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "app_fixture.h"
#include "widgets/graph/graph_widget.h"

// Runs `step` on the next modal pop-up (a menu or a dialog) as soon as it shows.
inline void OnNextPopup(std::function<bool()> step) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (step()) {
            timer->deleteLater();
            timer->stop();
        }
    });
    timer->start(10);
}

// Types text into the next text prompt and confirms it.
inline void AnswerNextTextPrompt(const QString& text) {
    OnNextPopup([text] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        dialog->setTextValue(text);
        dialog->accept();
        return true;
    });
}

// Chooses path in the next file dialog, typed into its name box then OK:
// selectFile() would wait for the folder's listing, which comes from another
// thread, and a loaded machine loses that race.
inline void AnswerNextFileDialog(const QString& path) {
    OnNextPopup([path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        return true;
    });
}

// Types words into the next choice's search box and takes the item found.
inline void AnswerNextChoice(const QString& words) {
    OnNextPopup([words] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* search = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (search == nullptr) {
            return false;
        }
        QTest::keyClicks(search, words);
        QTest::keyClick(search, Qt::Key_Return);
        return true;
    });
}

// Opens a context menu with a right click on a control (the panel's, on the
// graph) and walks the labels given, opening submenus; the last label is
// chosen when it can be, and its enabled state is kept.
inline void ChooseInContextMenu(std::vector<QString> path, bool* lastEnabled = nullptr,
                                const char* on = "GRAPH") {
    auto step = std::make_shared<std::size_t>(0);
    OnNextPopup([path, step, lastEnabled] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return false;
        }
        for (QAction* action : menu->actions()) {
            if (!action->text().startsWith(path[*step])) {
                continue;
            }
            const bool last = ++*step == path.size();
            if (last && lastEnabled) {
                *lastEnabled = action->isEnabled();
            }
            menu->setActiveAction(action);
            QTest::keyClick(menu, last ? (action->isEnabled() ? Qt::Key_Return : Qt::Key_Escape)
                                       : Qt::Key_Right);
            return last;
        }
        return false;
    });
    QWidget* control = AppTest::Widget(on);
    const QPoint at(control->width() / 2, control->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
}
