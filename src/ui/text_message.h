// A text message: a label of the panel whose text assistive technology reads
// through its text interface and follows as it changes.
#pragma once

#include <QLabel>

namespace ui {

class TextMessage : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;
};

}  // namespace ui
