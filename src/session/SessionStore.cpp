#include "session/SessionStore.h"

#include "io/ImportLog.h"
#include "store/Database.h"
#include "store/OleDate.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

namespace spinledger::SessionStore {

std::optional<Start> start(Database& db, qint64 settingId, const Wheel& wheel)
{
    // A file the start-up has not brought up to date yet has had no session.
    if (!db.hasTable("ka_app_session"))
        return std::nullopt;
    Statement q = db.prepare("SELECT ka_app_session_start, ka_app_session_key FROM ka_app_session WHERE "
                             "ka_app_setting_id = ?1 AND ka_app_session_wheel = ?2");
    q.bind(1, settingId).bind(2, QString(wheel.letter()));
    if (!q.next())
        return std::nullopt;
    return Start{q.real(0), q.integer(1)};
}

Start startingAt(Database& db, const Wheel& wheel, const QDateTime& at)
{
    return Start{OleStamp::fromDateTime(at).now, ImportLog::newestSpinKey(db, wheel)};
}

void begin(Database& db, qint64 settingId, const Wheel& wheel, const QDateTime& at)
{
    Transaction tx(db);
    const Start start = startingAt(db, wheel, at);
    db.exec(Schema::sessionTable());
    db.prepare("INSERT OR REPLACE INTO ka_app_session (ka_app_setting_id, ka_app_session_wheel, "
               "ka_app_session_start, ka_app_session_key) VALUES (?1, ?2, ?3, ?4)")
        .bind(1, settingId)
        .bind(2, QString(wheel.letter()))
        .bind(3, start.stamp)
        .bind(4, start.afterKey)
        .run();
    tx.commit();
}

QDateTime startTime(double stamp)
{
    qint64 msecsOfDay = 0;
    const QDate date = OleStamp::dateOf(OleStamp::fromNow(stamp).msecs(), msecsOfDay);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecsOfDay)));
}

bool continuable(double stamp, const QDateTime& now)
{
    const QDateTime started = startTime(stamp);
    return started.date() == now.date() && started <= now;
}

} // namespace spinledger::SessionStore
