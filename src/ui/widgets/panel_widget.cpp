#include "widgets/panel_widget.h"

#include <QCloseEvent>

#include "model/model.h"

namespace ui {

PanelWidget::PanelWidget(int handle, QWidget* parent) : QFrame(parent), handle_(handle) {
    setAutoFillBackground(true);
}

void PanelWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    closePanel(handle_);
}

bool closePanel(int panel) {
    int closeControl = 0;
    if (GetPanelAttribute(panel, ATTR_CLOSE_CTRL, &closeControl) != 0 || closeControl == 0) {
        return false;
    }
    commit(panel, closeControl);
    return true;
}

}  // namespace ui
