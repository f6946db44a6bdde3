#include "cli/RecoveryCommands.h"

#include "backup/BackupFolder.h"
#include "cli/Session.h"

#include <QDir>
#include <QLocale>

namespace spinledger::cli {

namespace {

int listBackups(Session& s)
{
    const BackupFolder folder = s.backups();
    const std::vector<BackupFolder::Entry> all = folder.list(s.app().password());
    if (all.empty()) {
        s.out() << Session::tr("No backups in %1").arg(QDir::toNativeSeparators(folder.folder())) << Qt::endl;
        return Done;
    }
    s.out() << QStringLiteral("%1  %2  %3  %4  %5\n")
                   .arg(Session::tr("taken"), -19)
                   .arg(Session::tr("before"), -8)
                   .arg(Session::tr("R spins"), 9)
                   .arg(Session::tr("M spins"), 9)
                   .arg(Session::tr("file"));
    for (const BackupFolder::Entry& e : all) {
        const QString r = e.readable ? QString::number(e.spinsR) : Session::tr("unreadable");
        const QString m = e.readable ? QString::number(e.spinsM) : QString();
        s.out() << QStringLiteral("%1  %2  %3  %4  %5\n")
                       .arg(e.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), -19)
                       .arg(BackupFolder::kindName(e.kind), -8)
                       .arg(r, 9)
                       .arg(m, 9)
                       .arg(QDir::toNativeSeparators(e.path));
    }
    s.out().flush();
    return Done;
}

} // namespace

Command backupsCommand()
{
    return {QStringLiteral("backups"),
            Session::tr("List the backups of the database, newest first, with their spins."),
            QString(),
            {Options::db()},
            &listBackups};
}

} // namespace spinledger::cli
