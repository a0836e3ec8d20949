// SPDX-License-Identifier: MIT
#include "documents/print_module.h"

#include <QPrintDialog>
#include <QPrinter>

#include <memory>

extern "C" Q_DECL_EXPORT QPagedPaintDevice* kadrelChoosePrinter(QWidget* parent, const char* title,
                                                                const QPageLayout& layout,
                                                                QString* file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(layout);
    printer->setDocName(QString::fromUtf8(title));
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QString::fromUtf8(title));
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    if (!printer->outputFileName().isEmpty()) {
        *file = printer->outputFileName();
        printer->setOutputFileName({});
        return nullptr;
    }
    return printer.release();
}
