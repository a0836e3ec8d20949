// SPDX-License-Identifier: MIT
// Documents from HTML, to PDF and, through the printing module, to a printer.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLibrary>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

#include "documents/print_module.h"
#include "model/model.h"

namespace ui {
namespace {

constexpr double kMarginMm = 12;

QPageLayout LocalePage() {
    const QLocale locale = QLocale::system();
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        locale.territory() == QLocale::Canada;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

// The document measured on the device (its fonts at the device's resolution)
// and cut into the device's paint rectangle, page by page: QTextDocument's own
// print() would add a margin and a page number of its own.
bool DrawPages(const char* html, QPagedPaintDevice* device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    document.setDocumentMargin(0);
    document.setDefaultFont(QFont("Liberation Sans", 9));
    document.setHtml(QString::fromUtf8(html));
    const QSizeF page = device->pageLayout().paintRectPixels(device->logicalDpiX()).size();
    document.setPageSize(page);
    QPainter painter;
    if (!painter.begin(device)) {
        return false;
    }
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !device->newPage()) {
            return false;
        }
        const QRectF area(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
    return painter.end();
}

// The printing module: beside the program in a build tree, else where the
// installation puts it.
ChoosePrinterFunction LoadPrinting() {
    static ChoosePrinterFunction choose = [] {
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString& path : {program.filePath("kadrel_print"),
                                    program.filePath(KADREL_PRINT_MODULE_FROM_PROGRAM)}) {
            QLibrary module(path);
            if (auto function = reinterpret_cast<ChoosePrinterFunction>(
                    module.resolve("kadrelChoosePrinter"))) {
                return function;
            }
        }
        return static_cast<ChoosePrinterFunction>(nullptr);
    }();
    return choose;
}

}  // namespace
}  // namespace ui

using namespace ui;

int HtmlAsPdf(const char* html, const char* title, const char* creator, std::string* pdf) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "HtmlAsPdf before InitCVIRTE");
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setResolution(300);
    writer.setPageLayout(LocalePage());
    writer.setTitle(QString::fromUtf8(title));
    writer.setCreator(QString::fromUtf8(creator));
    if (!DrawPages(html, &writer) || bytes.data().isEmpty()) {
        return fail(UIEFileWrite, "the document could not be made");
    }
    pdf->assign(bytes.data().constData(), static_cast<std::size_t>(bytes.data().size()));
    return 0;
}

int PrintHtml(int panel, const char* html, const char* title, std::string* file) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    const ChoosePrinterFunction choose = LoadPrinting();
    if (choose == nullptr) {
        return fail(UIEFileNotFound, "the printing module cannot be loaded");
    }
    QString chosenFile;
    const std::unique_ptr<QPagedPaintDevice> printer(
        choose(p->widget, title, LocalePage(), &chosenFile));
    if (!chosenFile.isEmpty()) {
        *file = chosenFile.toStdString();
        return 2;
    }
    if (!printer) {
        return 0;
    }
    if (!DrawPages(html, printer.get())) {
        return fail(UIEFileWrite, "the printer refused the document");
    }
    return 1;
}
