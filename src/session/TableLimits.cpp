#include "session/TableLimits.h"

#include "stats/StatsSettings.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

namespace spinledger {

TableLimits::Reached TableLimits::reached(double result) const
{
    if (stopLoss && *stopLoss > 0 && result <= -*stopLoss)
        return Reached::StopLoss;
    if (target && *target > 0 && result >= *target)
        return Reached::Target;
    return Reached::None;
}

TableLimits TableLimits::load(Database& db, qint64 settingId, const Wheel& wheel)
{
    TableLimits limits;
    limits.tableMax = stats::StatsSettings::load(db, settingId, wheel).tableMax;
    if (!db.hasTable("ka_app_table_limit"))
        return limits;
    Statement q = db.prepare("SELECT ka_app_limit_stop_loss, ka_app_limit_target FROM ka_app_table_limit "
                             "WHERE ka_app_setting_id = ?1 AND ka_app_limit_wheel = ?2");
    q.bind(1, settingId).bind(2, QString(wheel.letter()));
    if (q.next()) {
        limits.stopLoss = q.optionalReal(0);
        limits.target = q.optionalReal(1);
    }
    return limits;
}

void TableLimits::save(Database& db, qint64 settingId, const Wheel& wheel, const TableLimits& limits)
{
    Transaction tx(db);
    stats::DoublingInputs inputs = stats::StatsSettings::load(db, settingId, wheel);
    inputs.tableMax = limits.tableMax;
    stats::StatsSettings::save(db, settingId, wheel, inputs);
    db.exec(Schema::tableLimitTable());
    Statement q = db.prepare("INSERT OR REPLACE INTO ka_app_table_limit (ka_app_setting_id, "
                             "ka_app_limit_wheel, ka_app_limit_stop_loss, ka_app_limit_target) "
                             "VALUES (?1, ?2, ?3, ?4)");
    q.bind(1, settingId).bind(2, QString(wheel.letter()));
    q.bind(3, limits.stopLoss);
    q.bind(4, limits.target);
    q.run();
    tx.commit();
}

} // namespace spinledger
