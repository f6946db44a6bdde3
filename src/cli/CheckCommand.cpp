#include "cli/RecoveryCommands.h"

#include "cli/Session.h"
#include "store/IntegrityCheck.h"

#include <QDir>

namespace spinledger::cli {

namespace {

int check(Session& s)
{
    const QString path = QDir::toNativeSeparators(s.databasePath());
    if (!QFileInfo::exists(s.databasePath()))
        return s.refuse(Session::tr("%1: the database file is missing").arg(path));
    Database& db = s.db();
    if (!db.open(s.databasePath(), s.app().password(), Database::Mode::ReadOnly))
        return s.fail(Session::tr("%1 is damaged: %2").arg(path, db.lastReason()));
    const IntegrityCheck::Finding finding = IntegrityCheck::quick(db);
    if (!finding.sound) {
        s.out() << Session::tr("%1 is damaged:").arg(path) << '\n';
        for (const QString& problem : finding.problems)
            s.out() << "  " << problem << '\n';
        s.out().flush();
        return Failed;
    }
    s.out() << Session::tr("%1 is sound").arg(path) << Qt::endl;
    return Done;
}

} // namespace

Command checkCommand()
{
    return {QStringLiteral("check"),
            Session::tr("Check the database file for damage (exit 0 sound, 1 damaged)."),
            QString(),
            {Options::db()},
            &check};
}

} // namespace spinledger::cli
