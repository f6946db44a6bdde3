#pragma once

#include "backup/BackupFolder.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace spinledger {

// "Restore from backup…": the backups, newest first, with the moment each was
// taken, why, and the spins of each wheel it holds; the player picks one.
class RestoreDialog : public QDialog
{
    Q_OBJECT
public:
    RestoreDialog(std::vector<BackupFolder::Entry> entries, QWidget* parent = nullptr);

    // The chosen backup; empty when none is chosen.
    QString chosen() const;

    static QString reasonText(BackupFolder::Kind kind);

private:
    std::vector<BackupFolder::Entry> m_entries;
    QTableWidget* m_table;
};

} // namespace spinledger
