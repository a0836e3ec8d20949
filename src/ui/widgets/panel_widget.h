// SPDX-License-Identifier: MIT
// The window (or child frame) of a panel. Its close box only asks: nothing
// closes the window but its owner. Right clicks, double clicks and menu keys
// that no child takes are passed on as requests.
#pragma once

#include <QFrame>

namespace ui {

class PanelWidget : public QFrame {
    Q_OBJECT

  public:
    explicit PanelWidget(QWidget* parent);

  signals:
    void closeAsked();
    // source: the child under the pointer, or the one with the keyboard for a
    // menu key; null for the panel itself. at: in the panel's coordinates.
    void contextMenuAsked(QWidget* source, QPoint at);
    void doubleClicked(QWidget* source, QPoint at);
    void resized(QSize size);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace ui
