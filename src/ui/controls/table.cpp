// SPDX-License-Identifier: MIT
// Table controls: read-only cells under heads, filled whole.
#include <QHeaderView>
#include <QTableWidget>

#include "controls/controls.h"
#include "model/model.h"

namespace ui {

QWidget* makeTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setWordWrap(false);
    // Arrows move among the cells; Tab goes on to the window's other controls.
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

}  // namespace ui

using namespace ui;

int SetTableCells(int panel, int control, const std::vector<std::string>& columnHeads,
                  const std::vector<std::string>& rowHeads, const std::vector<std::string>& cells) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    auto* table = qobject_cast<QTableWidget*>(c->widget);
    if (table == nullptr || cells.size() != columnHeads.size() * rowHeads.size()) {
        return fail(UIEBadValue, "table cells do not match its heads, or no table");
    }
    const auto heads = [](const std::vector<std::string>& texts) {
        QStringList list;
        for (const std::string& text : texts) {
            list << QString::fromStdString(text);
        }
        return list;
    };
    table->clear();
    table->setColumnCount(static_cast<int>(columnHeads.size()));
    table->setRowCount(static_cast<int>(rowHeads.size()));
    table->setHorizontalHeaderLabels(heads(columnHeads));
    table->setVerticalHeaderLabels(heads(rowHeads));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        auto* item = new QTableWidgetItem(QString::fromStdString(cells[i]));
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(static_cast<int>(i / columnHeads.size()),
                       static_cast<int>(i % columnHeads.size()), item);
    }
    return 0;
}
