// SPDX-License-Identifier: MIT
// The runtime's printing module, loaded on first use so that the print
// support and what it links (CUPS) stay out of every start-up.
#pragma once

class QPageLayout;
class QPagedPaintDevice;
class QString;
class QWidget;

// Shows the system's print dialog, starting from the page layout given; the
// printer chosen, to be deleted by the caller, or nullptr when cancelled or
// when the user chose to print to a file, which *file then names: the caller
// writes that file itself, whole, rather than let the printer truncate it.
extern "C" QPagedPaintDevice* kadrelChoosePrinter(QWidget* parent, const char* title,
                                                  const QPageLayout& layout, QString* file);
using ChoosePrinterFunction = QPagedPaintDevice* (*)(QWidget*, const char*, const QPageLayout&,
                                                     QString*);
