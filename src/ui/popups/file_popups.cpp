// SPDX-License-Identifier: MIT
// Files from the user: chosen in a dialog to open or to save, or dropped on a
// panel's window.
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QStandardPaths>

#include <cstring>
#include <set>
#include <string>

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

// The user's folder of a kind (XDG's Pictures, Documents), else home.
QString UserFolder(QStandardPaths::StandardLocation kind) {
    const QString folder = QStandardPaths::writableLocation(kind);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// A file chosen in a modal dialog, or "" when cancelled. Opening starts in
// the user's Pictures, saving in Documents, each then in the folder it last
// chose this run; suggested is the name a saving dialog offers.
QString ChooseFile(QWidget* parent, const char* title, const char* filter, bool save,
                   const char* suggested) {
    static QString lastOpened, lastSaved;
    QString& last = save ? lastSaved : lastOpened;
    if (last.isEmpty()) {
        last =
            UserFolder(save ? QStandardPaths::DocumentsLocation : QStandardPaths::PicturesLocation);
    }
    QFileDialog dialog(parent, QString::fromUtf8(title ? title : ""), last);
    dialog.setNameFilter(QString::fromUtf8(filter ? filter : ""));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && suggested != nullptr) {
        dialog.selectFile(QString::fromUtf8(suggested));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().front();
    last = QFileInfo(chosen).absolutePath();
    return chosen;
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
    const QString chosen = ChooseFile(QApplication::activeWindow(), title, filter, false, nullptr);
    if (chosen.isEmpty()) {
        return 0;
    }
    const int status = CopyPath(chosen, path);
    return status < 0 ? status : 1;
}

int FileSavePopup(int panel, const char* title, const char* suggested, const char* filter,
                  std::string* path) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    const QString chosen = ChooseFile(p->widget, title, filter, true, suggested);
    if (chosen.isEmpty()) {
        return 0;
    }
    *path = chosen.toStdString();
    return 1;
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
