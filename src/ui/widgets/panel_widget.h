// The window (or child frame) of a panel. Its close box raises the commit
// event of the panel's close control; nothing else closes it. Right clicks,
// double clicks and menu keys that no control takes become panel events.
#pragma once

#include <QFrame>

namespace ui {

class PanelWidget : public QFrame {
  public:
    PanelWidget(int handle, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int handle_;
};

}  // namespace ui
