#pragma once

#include <QStringList>

class QTableWidget;
class QWidget;

namespace spinledger {

// Small read-only tables of text: a title and a tool tip per column, the
// first column left-aligned, the others right-aligned like numbers.
namespace TableText {

struct Column
{
    const char* title;
    const char* tip;
};

void setUp(QTableWidget* table, const QString& objectName, const Column* columns, size_t count);
QTableWidget* make(const QString& objectName, const Column* columns, size_t count, QWidget* parent);
// Rows of cells; the height fits the rows, so no scroll bar hides one.
void fill(QTableWidget* table, const QList<QStringList>& rows);

} // namespace TableText

} // namespace spinledger
