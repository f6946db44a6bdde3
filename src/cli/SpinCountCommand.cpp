#include "cli/SpinCountCommand.h"

#include "cli/Session.h"
#include "wheel/Wheel.h"

#include <QDir>

namespace spinledger::cli {

namespace {

int countSpins(Session& s)
{
    // Any installation's spin counts, so the file is opened without looking
    // for this machine's.
    const QString path = s.databasePath();
    if (!s.db().open(path, AppContext::DatabasePassword, Database::Mode::ReadOnly))
        return s.refuse(
            QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), s.db().lastError()));
    try {
        qint64 total = 0;
        for (const Wheel* wheel : {&Wheel::r(), &Wheel::m()}) {
            Statement q = s.db().prepare(
                QStringLiteral("SELECT count(*) FROM %1").arg(wheel->spinTable()).toStdString());
            total += q.next() ? q.integer(0) : 0;
        }
        s.out() << total << Qt::endl;
        return Done;
    } catch (const DbError& e) {
        return s.refuse(QStringLiteral("cannot read %1: %2")
                            .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
    }
}

} // namespace

Command spinCountCommand()
{
    return {QStringLiteral("spin-count"),
            QStringLiteral("Print how many spins the database holds, all casinos and wheels together."),
            QString(),
            {Options::db()},
            &countSpins};
}

} // namespace spinledger::cli
