#include "cli/RecoveryCommands.h"

#include "backup/BackupFolder.h"
#include "cli/Session.h"
#include "store/InstanceLock.h"
#include "store/IntegrityCheck.h"

#include <QDir>
#include <QLockFile>

namespace spinledger::cli {

namespace {

int restore(Session& s)
{
    const QString folder = QFileInfo(s.databasePath()).absolutePath();
    // The window keeps its connection open; the file must not change under it.
    QLockFile lock(s.lockPath());
    if (!lock.tryLock(0))
        return s.refuse(Session::tr("Spinledger is open on %1: close its window first")
                            .arg(QDir::toNativeSeparators(folder)));
    const QString backup = s.args().positionalArguments().value(0);
    if (!QFileInfo(backup).isFile())
        return s.refuse(Session::tr("no backup %1").arg(QDir::toNativeSeparators(backup)));
    BackupFolder backups = s.backups();
    // The file in use gets a backup of its own first, when it can still be read.
    if (s.db().open(s.databasePath(), s.app().password(), Database::Mode::ReadOnly) &&
        IntegrityCheck::quick(s.db()).sound) {
        const Result<QString> before = backups.take(s.db(), BackupFolder::Kind::BeforeRestore);
        if (!before)
            s.err() << Session::tr("spinledger-cli: no backup before the restore: %1").arg(before.status())
                    << Qt::endl;
    }
    s.db().close();
    const Result<QString> kept = backups.restore(backup, s.app().password());
    if (!kept)
        return s.fail(Session::tr("nothing restored: %1").arg(kept.status()));
    s.out() << Session::tr("Restored %1 into %2")
                   .arg(QDir::toNativeSeparators(backup), QDir::toNativeSeparators(s.databasePath()))
            << '\n';
    if (!kept.value().isEmpty())
        s.out() << Session::tr("The file that was in use is kept as %1")
                       .arg(QDir::toNativeSeparators(kept.value()))
                << '\n';
    s.out().flush();
    return Done;
}

} // namespace

Command restoreCommand()
{
    return {QStringLiteral("restore"),
            Session::tr("Put a backup in place of the database (the window must be closed)."),
            Session::tr("FILE"),
            {Options::db()},
            &restore};
}

} // namespace spinledger::cli
