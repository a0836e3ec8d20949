// SPDX-License-Identifier: MIT
// A one-line text field: what the user types is committed by Return or by
// leaving the field, once per edit; the program's own writes raise nothing.
#pragma once

#include <QLineEdit>

namespace ui {

// The most characters a typed text takes (a field, a form, a prompt): room
// for a list of 32 figures, while a paste of a whole page is cut short.
constexpr int kLongestEntry = 500;

class StringField : public QLineEdit {
    Q_OBJECT

  public:
    explicit StringField(QWidget* parent);

    // Commits what the user typed, if anything is still uncommitted.
    void commitEdit();

  signals:
    void committed();
};

}  // namespace ui
