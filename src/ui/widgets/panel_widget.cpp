// SPDX-License-Identifier: MIT
#include "widgets/panel_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QResizeEvent>

namespace ui {
namespace {

bool IsMenuKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

}  // namespace

PanelWidget::PanelWidget(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

void PanelWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeAsked();
}

void PanelWidget::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* source = event->reason() == QContextMenuEvent::Keyboard ? QApplication::focusWidget()
                                                                     : childAt(event->pos());
    event->accept();
    emit contextMenuAsked(source, event->pos());
}

void PanelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    event->accept();
    emit doubleClicked(childAt(at), at);
}

// The menu keys reach the panel when the control with the keyboard ignores
// them; that control gets the chance to show its own menu first.
void PanelWidget::keyPressEvent(QKeyEvent* event) {
    if (!IsMenuKey(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus)) {
        focus = this;
    }
    const QPoint centre = focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    QApplication::sendEvent(focus, &menu);
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit resized(event->size());
}

}  // namespace ui
