#include "cli/SpinCountCommand.h"

#include "cli/Session.h"
#include "wheel/Wheel.h"

namespace spinledger::cli {

namespace {

int countSpins(Session& s)
{
    // Any installation's spin counts, so the file is opened without looking
    // for this machine's.
    if (!s.openFile(Database::Mode::ReadOnly))
        return Refused;
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
        return s.cannotRead(e);
    }
}

} // namespace

Command spinCountCommand()
{
    return {QStringLiteral("spin-count"),
            Session::tr("Print how many spins the database holds, all casinos and wheels together."),
            QString(),
            {Options::db()},
            &countSpins};
}

} // namespace spinledger::cli
