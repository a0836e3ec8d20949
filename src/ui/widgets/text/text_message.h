// SPDX-License-Identifier: MIT
// A text message: a label of the panel, plain text, whose text assistive
// technology reads through its text interface and follows as it changes.
// One that chooses lines selects the whole line a click or Up and Down reach.
#pragma once

#include "widgets/text/fitting_label.h"

namespace ui {

class TextMessage : public FittingLabel {
    Q_OBJECT

  public:
    // Plain text always: a message may quote a file name or a typed value,
    // which must never be taken for markup.
    explicit TextMessage(QWidget* parent) : FittingLabel(parent) { setTextFormat(Qt::PlainText); }

    void chooseLines(bool on) { choosesLines_ = on; }
    // -1 clears the selection.
    void selectLine(int line);
    // The line the selection starts on; -1 when nothing is selected.
    int selectedLine() const;
    int lineCount() const { return static_cast<int>(text().count('\n')) + 1; }

  signals:
    void lineChosen(int line);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void choose(int line);

    bool choosesLines_ = false;
};

}  // namespace ui
