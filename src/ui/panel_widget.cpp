#include "panel_widget.h"

#include <QCloseEvent>

#include "model.h"

namespace ui {

PanelWidget::PanelWidget(int handle, QWidget* parent) : QFrame(parent), handle_(handle) {
    setAutoFillBackground(true);
}

void PanelWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    int closeControl = 0;
    if (GetPanelAttribute(handle_, ATTR_CLOSE_CTRL, &closeControl) == 0 && closeControl != 0) {
        commit(handle_, closeControl);
    }
}

}  // namespace ui
