#pragma once

#include "store/Result.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <vector>

namespace spinledger {

class Clock;
class Database;

// The copies of the database in "backups/" beside the file in use. A copy is
// taken through the engine's online backup while the program keeps its
// connection, checked by the quick check, and named after the moment and the
// reason it was taken, so the folder itself is the list:
//   backups/Spinledger-2026-12-06_180000-daily.mdb
// The newest KeepDaily of the day's copies are kept, and the newest
// KeepEvents of those taken before an import, a casino's deletion or a
// restore: never more than KeepDaily + KeepEvents files.
class BackupFolder
{
    Q_DECLARE_TR_FUNCTIONS(BackupFolder)

public:
    enum class Kind
    {
        Daily,  // after the first change of a day
        Manual, // asked for on the command line; counts as the day's copy
        BeforeImport,
        BeforeDeletion,
        BeforeRestore,
    };

    static constexpr int KeepDaily = 7;
    static constexpr int KeepEvents = 3;

    struct Entry
    {
        QString path;
        QDateTime taken;
        Kind kind = Kind::Daily;
        bool readable = false; // opened with the password and sound
        qint64 spinsR = 0;
        qint64 spinsM = 0;
    };

    // The database file in use; its folder holds "backups/".
    BackupFolder(const QString& databasePath, const Clock& clock);

    QString folder() const;

    // A checked copy of the open database in the folder, then the folder is
    // pruned. The path of the copy, or why there is none.
    Result<QString> take(Database& source, Kind kind) const;
    // The day's copy when the day has none yet; an empty path when it has.
    Result<QString> takeDailyIfDue(Database& source) const;
    // A checked copy into any file (which must not exist yet).
    static Status copyTo(Database& source, const QString& target);

    // Newest first. Opening each copy tells whether it is readable and how
    // many spins it holds.
    std::vector<Entry> list(const QString& password) const;
    // Newest first, from the names alone.
    std::vector<Entry> entries() const;

    // Puts the backup in place of the database file, whose connection the
    // caller has closed. The file that was in use stays beside as
    // "Spinledger.damaged-<stamp>.mdb" when it fails its check, else as
    // "Spinledger.replaced-<stamp>.mdb"; the copy comes in by one rename, so
    // the database file is at every moment either the old or the new one.
    // The kept file's path, or why nothing was changed.
    Result<QString> restore(const QString& backup, const QString& password) const;

    static QString kindName(Kind kind);

private:
    QString newName(Kind kind) const;
    void prune() const;

    QString m_database;
    const Clock& m_clock;
};

} // namespace spinledger
