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
    s.out() << "mode: " << (s.location().isInstalled() ? "installed" : "portable") << '\n'
            << "database: " << shown(database) << '\n'
            << "backups: " << shown(DataLocation::backupFolderFor(database)) << '\n'
            << "lock: " << shown(s.lockPath()) << Qt::endl;
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
