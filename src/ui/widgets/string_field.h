// SPDX-License-Identifier: MIT
// A one-line text field: what the user types is committed by Return or by
// leaving the field, once per edit; the program's own writes raise nothing.
#pragma once

#include <QLineEdit>

namespace ui {

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
