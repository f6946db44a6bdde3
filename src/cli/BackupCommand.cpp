#include "cli/RecoveryCommands.h"

#include "backup/BackupFolder.h"
#include "cli/Session.h"

#include <QDir>

namespace spinledger::cli {

namespace {

QCommandLineOption outOption()
{
    return {QStringLiteral("out"), Session::tr("Write the copy to this file instead of the backups folder."),
            Session::tr("FILE")};
}

int backup(Session& s)
{
    if (!s.openFile(Database::Mode::ReadOnly))
        return Refused;
    if (s.args().isSet(QStringLiteral("out"))) {
        const QString target = s.args().value(QStringLiteral("out"));
        const Status copied = BackupFolder::copyTo(s.db(), target);
        if (!copied.ok)
            return s.fail(Session::tr("no backup written: %1").arg(copied.text));
        s.out() << Session::tr("Backup written to %1").arg(QDir::toNativeSeparators(target)) << Qt::endl;
        return Done;
    }
    const Result<QString> taken = s.backups().take(s.db(), BackupFolder::Kind::Manual);
    if (!taken)
        return s.fail(Session::tr("no backup written: %1").arg(taken.status()));
    s.out() << Session::tr("Backup written to %1").arg(QDir::toNativeSeparators(taken.value())) << Qt::endl;
    return Done;
}

} // namespace

Command backupCommand()
{
    return {QStringLiteral("backup"),
            Session::tr("Copy the database into its backups folder (or --out FILE), checked."),
            QString(),
            {outOption(), Options::db()},
            &backup};
}

} // namespace spinledger::cli
