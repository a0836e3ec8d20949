// SPDX-License-Identifier: MIT
#include "widgets/text/text_message.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace ui {

void TextMessage::selectLine(int line) {
    const QStringList lines = text().split('\n');
    if (line < 0 || line >= lines.size()) {
        setSelection(0, 0);
        return;
    }
    int start = 0;
    for (int i = 0; i < line; ++i) {
        start += static_cast<int>(lines[i].size()) + 1;
    }
    setSelection(start, static_cast<int>(lines[line].size()));
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent chosen(this, start,
                                             start + static_cast<int>(lines[line].size()));
        QAccessible::updateAccessibility(&chosen);
    }
}

int TextMessage::selectedLine() const {
    const int start = selectionStart();
    return start < 0 ? -1 : static_cast<int>(text().left(start).count('\n'));
}

void TextMessage::choose(int line) {
    selectLine(line);
    emit lineChosen(line);
}

void TextMessage::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    if (!choosesLines_ || step == 0 || event->modifiers() != Qt::NoModifier) {
        FittingLabel::keyPressEvent(event);
        return;
    }
    const int line = selectedLine();
    choose(line < 0 ? 0 : std::clamp(line + step, 0, lineCount() - 1));
}

// A click chooses the line under it; a drag selects text to copy, as ever.
void TextMessage::mouseReleaseEvent(QMouseEvent* event) {
    FittingLabel::mouseReleaseEvent(event);
    if (!choosesLines_ || hasSelectedText()) {
        return;
    }
    const QVector<QRect> lines = lineRects();
    const int y = event->position().toPoint().y();
    for (int i = 0; i < lines.size(); ++i) {
        if (y >= lines[i].top() && y <= lines[i].bottom()) {
            choose(i);
            return;
        }
    }
}

}  // namespace ui
