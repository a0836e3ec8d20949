// SPDX-License-Identifier: MIT
#include "widgets/string_field.h"

namespace ui {

StringField::StringField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kLongestEntry);
    connect(this, &QLineEdit::editingFinished, this, &StringField::commitEdit);
}

void StringField::commitEdit() {
    if (isModified()) {
        setModified(false);
        emit committed();
    }
}

}  // namespace ui
