#include "statsview/TableText.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace spinledger::TableText {

void setUp(QTableWidget* table, const QString& objectName, const Column* columns, size_t count)
{
    table->setObjectName(objectName);
    table->setColumnCount(int(count));
    for (size_t c = 0; c < count; ++c) {
        auto* header = new QTableWidgetItem(QCoreApplication::translate("TableText", columns[c].title));
        header->setToolTip(QCoreApplication::translate("TableText", columns[c].tip));
        table->setHorizontalHeaderItem(int(c), header);
    }
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
}

QTableWidget* make(const QString& objectName, const Column* columns, size_t count, QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    setUp(table, objectName, columns, count);
    return table;
}

void fill(QTableWidget* table, const QList<QStringList>& rows)
{
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setToolTip(table->horizontalHeaderItem(c)->toolTip());
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    const int height = table->horizontalHeader()->sizeHint().height() +
                       table->verticalHeader()->defaultSectionSize() * int(rows.size()) +
                       2 * table->frameWidth();
    // Room for a scroll bar where the table may scroll sideways.
    const int scroll = table->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                           ? 0
                           : table->horizontalScrollBar()->sizeHint().height();
    table->setFixedHeight(height + scroll);
}

} // namespace spinledger::TableText
