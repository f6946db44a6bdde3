#include "shell/RestoreDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spinledger {

RestoreDialog::RestoreDialog(std::vector<BackupFolder::Entry> entries, QWidget* parent)
    : QDialog(parent), m_entries(std::move(entries)), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("dlgRestore"));
    setWindowTitle(tr("Restore from backup"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The database in use is kept beside the restored one."), this));

    m_table->setObjectName(QStringLiteral("tblBackups"));
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels({tr("Taken"), tr("Why"), tr("Roulette spins"), tr("Mini spins")});
    m_table->setRowCount(int(m_entries.size()));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    const QLocale locale;
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const BackupFolder::Entry& e = m_entries[size_t(row)];
        const QString r = e.readable ? locale.toString(e.spinsR) : tr("unreadable");
        const QString m = e.readable ? locale.toString(e.spinsM) : QString();
        const QStringList cells{locale.toString(e.taken, QLocale::ShortFormat), reasonText(e.kind), r, m};
        for (int col = 0; col < cells.size(); ++col)
            m_table->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (!m_entries.empty())
        m_table->selectRow(0);
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    restore->setEnabled(!m_entries.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 320);
}

QString RestoreDialog::chosen() const
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_entries.size()) || !m_entries[size_t(row)].readable)
        return {};
    return m_entries[size_t(row)].path;
}

QString RestoreDialog::reasonText(BackupFolder::Kind kind)
{
    switch (kind) {
    case BackupFolder::Kind::Daily:
        return tr("day's first change");
    case BackupFolder::Kind::Manual:
        return tr("asked for");
    case BackupFolder::Kind::BeforeImport:
        return tr("before an import");
    case BackupFolder::Kind::BeforeDeletion:
        return tr("before a casino's deletion");
    case BackupFolder::Kind::BeforeRestore:
        return tr("before a restore");
    }
    return {};
}

} // namespace spinledger
