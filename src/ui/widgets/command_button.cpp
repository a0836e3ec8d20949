// SPDX-License-Identifier: MIT
#include "widgets/command_button.h"

#include <QKeyEvent>
#include <QShortcut>

namespace ui {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);  // an auto-default button takes a wider frame in some styles
}

bool CommandButton::setShortcutKey(const QString& key) {
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (!key.isEmpty() && (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)) {
        return false;
    }
    delete shortcut_;
    shortcut_ = nullptr;
    if (!key.isEmpty()) {
        shortcut_ = new QShortcut(sequence, this);
        shortcut_->setContext(Qt::WindowShortcut);
        connect(shortcut_, &QShortcut::activated, this, [this] {
            if (isVisible() && isEnabled()) {
                click();
            }
        });
    }
    return true;
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace ui
