#include "first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/kadrel_uir.h"

namespace {

class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr &&
            widget->window()->windowTitle() == kPanelTitle) {
            qApp->removeEventFilter(this);
            // Let this paint finish and reach the screen, then stop.
            QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaint() {
    static FirstPaint filter;
    qApp->installEventFilter(&filter);
}
