#include "stats/StatsSettings.h"

#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

namespace spinledger::stats::StatsSettings {

DoublingInputs load(Database& db, qint64 settingId, const Wheel& wheel)
{
    DoublingInputs in;
    // A file from before the statistics has no such table: nothing typed yet.
    if (!db.hasTable("ka_app_stats_setting"))
        return in;
    Statement q =
        db.prepare("SELECT ka_app_stats_table_max, ka_app_stats_bankroll, ka_app_stats_series "
                   "FROM ka_app_stats_setting WHERE ka_app_setting_id = ?1 AND ka_app_stats_wheel = ?2");
    q.bind(1, settingId).bind(2, QString(wheel.letter()));
    if (q.next()) {
        in.tableMax = q.optionalReal(0);
        in.bankroll = q.optionalReal(1);
        if (!q.isNull(2))
            in.series = int(q.integer(2));
    }
    return in;
}

void save(Database& db, qint64 settingId, const Wheel& wheel, const DoublingInputs& in)
{
    Transaction tx(db);
    db.exec(Schema::statisticsSettingsTable());
    Statement q =
        db.prepare("INSERT OR REPLACE INTO ka_app_stats_setting (ka_app_setting_id, ka_app_stats_wheel, "
                   "ka_app_stats_table_max, ka_app_stats_bankroll, ka_app_stats_series) "
                   "VALUES (?1, ?2, ?3, ?4, ?5)");
    q.bind(1, settingId).bind(2, QString(wheel.letter()));
    q.bind(3, in.tableMax);
    q.bind(4, in.bankroll);
    q.bind(5, in.series).run();
    tx.commit();
}

StatsRequest request(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino)
{
    // The settings store reads through a context; this one only lends it the
    // connection at hand, which may be a reader beside the window.
    SystemClock clock;
    SystemRandom random;
    AppContext context(db, clock, random);
    context.settingId = settingId;
    const Result<WheelSettings> settings = SettingsStore(context).wheelSettings(wheel);
    if (!settings)
        throw DbError(settings.status().toStdString());

    StatsRequest r;
    r.wheel = &wheel;
    r.settingId = settingId;
    r.casino = casino;
    r.zeroZero = settings->zeroZeroEnabled;
    r.played = settings->played;
    r.doubling = load(db, settingId, wheel);
    r.doubling.base = settings->amount;
    return r;
}

} // namespace spinledger::stats::StatsSettings
