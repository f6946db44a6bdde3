#include "cli/WhereCommand.h"

#include "cli/Session.h"
#include "location/DataLocation.h"

#include <QDir>

namespace spinledger::cli {

namespace {

int where(Session& s)
{
    const QString database = s.databasePath();
    const auto shown = [](const QString& path) {
        return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    };
    s.out() << Session::tr("mode: %1")
                   .arg(s.location().isInstalled() ? Session::tr("installed") : Session::tr("portable"))
            << '\n'
            << Session::tr("database: %1").arg(shown(database)) << '\n'
            << Session::tr("backups: %1").arg(shown(DataLocation::backupFolderFor(database))) << '\n'
            << Session::tr("lock: %1").arg(shown(s.lockPath())) << Qt::endl;
    return Done;
}

} // namespace

Command whereCommand()
{
    return {QStringLiteral("where"),
            Session::tr("Print the database, backup folder and lock file in use."),
            QString(),
            {Options::db()},
            &where};
}

} // namespace spinledger::cli
