#pragma once

#include "backup/BackupFolder.h"

#include <QObject>

class QLabel;

namespace spinledger {

class AppContext;
class BackgroundJob;

// The main window's backups: the day's copy after its first change and a copy
// before each import, casino deletion and restore, of the database in use.
// The day's copy is taken on a thread of its own through a connection of its
// own, so the spin that caused it is not held up. A failed copy blocks
// nothing; it is said in a field of its own in the status bar, which stays
// until a copy succeeds again.
class BackupGuard : public QObject
{
    Q_OBJECT
public:
    // The field goes into the window's status bar.
    BackupGuard(AppContext& app, QLabel* field, QObject* parent = nullptr);

    BackupFolder folder() const;
    // From now on, what is written through the open connection counts as a
    // change; again after the connection was opened anew.
    void watchChanges();
    // After an action that may have changed the file: the day's copy when
    // something was written and the day has none yet.
    void afterChange();
    // Before a risky change, on the window's connection; false when no copy
    // could be taken.
    bool before(BackupFolder::Kind kind);
    // Before a copy that another connection takes: the day's copy is done.
    void waitForDaily();
    // The day's copy is being taken on its thread.
    bool copyingDaily() const;
    // That copy was taken (status: its file), or failed (status: why).
    void showTaken(bool taken, const QString& status);

signals:
    // A copy was taken, or failed; the field shows which.
    void finished(bool taken);

private:
    void show(const Result<QString>& taken);

    AppContext& m_app;
    QLabel* m_field;
    BackgroundJob* m_daily;
    qint64 m_written = -1; // its rows written at the last look; -1 before watching
};

} // namespace spinledger
