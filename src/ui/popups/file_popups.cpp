// SPDX-License-Identifier: MIT
// Files from the user: chosen in a dialog, or dropped on a panel's window.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QPointer>

#include <cstring>
#include <set>

#include "model/model.h"
#include "widgets/panel_widget.h"

namespace ui {
namespace {

int CopyPath(const QString& file, char (&path)[MAX_PATHNAME_LEN]) {
    const QByteArray bytes = QFile::encodeName(file);
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= MAX_PATHNAME_LEN) {
        return fail(UIEBadValue, "a file's path does not fit");
    }
    std::memcpy(path, bytes.constData(), static_cast<std::size_t>(bytes.size()) + 1);
    return 0;
}

QString FirstLocalFile(const QMimeData* mime) {
    for (const QUrl& url : mime ? mime->urls() : QList<QUrl>{}) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

QString droppedFile;  // while EVENT_FILES_DROPPED runs

// Drops anywhere in a panel's window, fields included (whose editors would
// take a file's name as text), go to the panel.
class DropCatcher : public QObject {
  public:
    void enable(int panel) { panels_.insert(panel); }

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
            !target->isWidgetType()) {
            return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        Panel* p = PanelOf(static_cast<QWidget*>(target));
        const QString file = FirstLocalFile(drop->mimeData());
        if (p == nullptr || file.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        if (type == QEvent::Drop) {
            const QPoint at =
                p->widget->mapFrom(static_cast<QWidget*>(target), drop->position().toPoint());
            const Control* c = controlOf(*p, p->widget->childAt(at));
            droppedFile = file;
            raisePanelEvent(p->handle, c ? c->id : 0, EVENT_FILES_DROPPED, at.y(), at.x());
            droppedFile.clear();
        }
        return true;
    }

  private:
    Panel* PanelOf(QWidget* widget) const {
        for (int handle : panels_) {
            Panel* p = findPanel(handle);
            if (p != nullptr && p->widget &&
                (p->widget == widget || p->widget->isAncestorOf(widget))) {
                return p;
            }
        }
        return nullptr;
    }

    std::set<int> panels_;
};

DropCatcher& Catcher() {
    static QPointer<DropCatcher> catcher;
    if (catcher.isNull()) {
        catcher = new DropCatcher;
        catcher->setParent(qApp);
        qApp->installEventFilter(catcher);
    }
    return *catcher;
}

}  // namespace
}  // namespace ui

using namespace ui;

int FileSelectPopup(const char* title, const char* filter, char (&path)[MAX_PATHNAME_LEN]) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "FileSelectPopup before InitCVIRTE");
    }
    QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8(title ? title : ""));
    dialog.setNameFilter(QString::fromUtf8(filter ? filter : ""));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return 0;
    }
    const int status = CopyPath(dialog.selectedFiles().front(), path);
    return status < 0 ? status : 1;
}

int EnableDragAndDrop(int panel) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    p->widget->setAcceptDrops(true);
    Catcher().enable(panel);
    return 0;
}

int GetDroppedFile(char (&path)[MAX_PATHNAME_LEN]) {
    if (droppedFile.isEmpty()) {
        return fail(UIEBadValue, "no files are being dropped");
    }
    return CopyPath(droppedFile, path);
}
