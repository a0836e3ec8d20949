// SPDX-License-Identifier: MIT
// Labels that show their text as written. QLabel guesses rich text on its
// own, and a camera's name of "<img src=/dev/zero>" would then be loaded, not
// shown; the runtime never lets a label guess for text it is handed.
#pragma once

#include <QLabel>

namespace ui {

// The format goes first, so the text is never parsed as markup.
inline void setPlainText(QLabel* label, const QString& text) {
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}

inline QLabel* newPlainLabel(const QString& text) {
    auto* label = new QLabel;
    setPlainText(label, text);
    return label;
}

}  // namespace ui
