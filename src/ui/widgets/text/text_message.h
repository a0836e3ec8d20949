// SPDX-License-Identifier: MIT
// A text message: a label of the panel, plain text, whose text assistive
// technology reads through its text interface and follows as it changes.
#pragma once

#include "widgets/text/fitting_label.h"

namespace ui {

class TextMessage : public FittingLabel {
    Q_OBJECT

  public:
    // Plain text always: a message may quote a file name or a typed value,
    // which must never be taken for markup.
    explicit TextMessage(QWidget* parent) : FittingLabel(parent) { setTextFormat(Qt::PlainText); }
};

}  // namespace ui
