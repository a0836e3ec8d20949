// SPDX-License-Identifier: MIT
#include "runtime/after_first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace ui {
namespace {

// Watches the application's events until the first paint, then runs what
// waits once that paint is done. A child of the application, it ends with it.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(QObject* application) : QObject(application) {
        application->installEventFilter(this);
    }

    void add(std::function<void()> work) {
        if (painted_) {
            work();
        } else {
            waiting_.push_back(std::move(work));
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            parent()->removeEventFilter(this);
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                for (std::function<void()>& work : std::exchange(waiting_, {})) {
                    work();
                }
            });
        }
        return false;
    }

  private:
    bool painted_ = false;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace

void afterFirstFrame(std::function<void()> work) {
    static QPointer<FirstFrame> watcher;
    if (!watcher) {
        watcher = new FirstFrame(qApp);
    }
    watcher->add(std::move(work));
}

}  // namespace ui
