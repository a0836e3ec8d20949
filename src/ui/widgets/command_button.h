// SPDX-License-Identifier: MIT
// A command button. Besides the mouse and its mnemonic, Space, Return or Enter
// press it while it has the keyboard, and its shortcut key anywhere in its
// window while it is shown.
#pragma once

#include <QPushButton>

class QShortcut;

namespace ui {

class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CommandButton(QWidget* parent);

    // A key in Qt's portable text ("F1", "Ctrl+Q"); "" removes it. False, and
    // nothing changed, when the text names no single key.
    bool setShortcutKey(const QString& key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QShortcut* shortcut_ = nullptr;
};

}  // namespace ui
