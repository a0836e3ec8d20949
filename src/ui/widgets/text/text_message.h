// SPDX-License-Identifier: MIT
// A text message: a label of the panel whose text assistive technology reads
// through its text interface and follows as it changes.
#pragma once

#include "widgets/text/fitting_label.h"

namespace ui {

class TextMessage : public FittingLabel {
    Q_OBJECT

  public:
    using FittingLabel::FittingLabel;
};

}  // namespace ui
