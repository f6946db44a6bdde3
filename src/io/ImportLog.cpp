#include "io/ImportLog.h"

#include "engine/Tallies.h"
#include "io/IoLog.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/ErrorCodes.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

namespace spinledger::ImportLog {

namespace {

std::string s(const QString& q)
{
    return q.toStdString();
}

// The spins of a casino with keys from ?3 to ?4: "<table> WHERE ...".
std::string spanOf(const QString& table, const Wheel& w)
{
    return s(table) + " WHERE ka_app_setting_id = ?1 AND " + s(w.casinoSetting()) + " = ?2 AND " +
           s(w.spinTable()) + "_id BETWEEN ?3 AND ?4";
}

qint64 scalar(Statement&& q)
{
    return q.next() ? q.integer(0) : 0;
}

void runOnSpan(Database& db, const std::string& sql, qint64 settingId, qint64 casino, const Span& span)
{
    db.prepare(sql).bind(1, settingId).bind(2, casino).bind(3, span.first).bind(4, span.last).run();
}

} // namespace

qint64 newestSpinKey(Database& db, const Wheel& wheel)
{
    return scalar(
        db.prepare("SELECT COALESCE(MAX(" + s(wheel.spinTable()) + "_id), 0) FROM " + s(wheel.spinTable())));
}

void record(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino, qint64 before)
{
    const std::string spin = s(wheel.spinTable());
    Statement q = db.prepare("SELECT MIN(" + spin + "_id), MAX(" + spin + "_id) FROM " + spin +
                             " WHERE ka_app_setting_id = ?1 AND " + s(wheel.casinoSetting()) + " = ?2 AND " +
                             spin + "_id > ?3");
    q.bind(1, settingId).bind(2, casino).bind(3, before);
    if (!q.next() || q.isNull(0))
        return;
    const qint64 first = q.integer(0);
    const qint64 last = q.integer(1);
    db.exec(Schema::importTable());
    db.prepare("INSERT INTO ka_app_import (ka_app_setting_id, ka_app_import_wheel, ka_app_import_casino, "
               "ka_app_import_first, ka_app_import_last) VALUES (?1, ?2, ?3, ?4, ?5)")
        .bind(1, settingId)
        .bind(2, QString(wheel.letter()))
        .bind(3, casino)
        .bind(4, first)
        .bind(5, last)
        .run();
}

std::optional<Span> undoable(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino)
{
    if (!db.hasTable("ka_app_import"))
        return std::nullopt;
    Statement q = db.prepare("SELECT ka_app_import_first, ka_app_import_last FROM ka_app_import "
                             "WHERE ka_app_setting_id = ?1 AND ka_app_import_wheel = ?2 AND "
                             "ka_app_import_casino = ?3 ORDER BY ka_app_import_id DESC LIMIT 1");
    q.bind(1, settingId).bind(2, QString(wheel.letter())).bind(3, casino);
    if (!q.next())
        return std::nullopt;
    Span span{q.integer(0), q.integer(1), 0};
    const std::string spin = s(wheel.spinTable());
    const std::string byCasino =
        " WHERE ka_app_setting_id = ?1 AND " + s(wheel.casinoSetting()) + " = ?2 AND " + spin + "_id ";
    // A spin recorded there since ends the offer.
    Statement later = db.prepare("SELECT 1 FROM " + spin + byCasino + "> ?3 LIMIT 1");
    later.bind(1, settingId).bind(2, casino).bind(3, span.last);
    if (later.next())
        return std::nullopt;
    Statement left = db.prepare("SELECT COUNT(*) FROM " + spanOf(wheel.spinTable(), wheel));
    left.bind(1, settingId).bind(2, casino).bind(3, span.first).bind(4, span.last);
    span.spins = scalar(std::move(left));
    if (span.spins == 0)
        return std::nullopt;
    return span;
}

Result<qint64> undoLast(AppContext& app, const Wheel& wheel, qint64 casino)
{
    const QString failure = errorLine(codes::importSpins(wheel.letter()));
    if (!app.ensureOpen())
        return Result<qint64>::failure(failure);
    try {
        Database& db = app.db();
        Transaction tx(db);
        const std::optional<Span> span = undoable(db, app.settingId, wheel, casino);
        if (!span) {
            tx.commit();
            return qint64(0);
        }
        const qint64 setting = app.settingId;
        const std::string spin = s(wheel.spinTable());
        const std::string win = s(wheel.winTable());
        // The advice the first imported spin judged is the current one again.
        runOnSpan(db,
                  "UPDATE " + s(wheel.adviseTable()) + " SET " + spin + "_win_id = NULL WHERE " + spin +
                      "_win_id IN (SELECT " + win + "_id FROM " + spanOf(wheel.winTable(), wheel) + ")",
                  setting, casino, *span);
        for (const QString& table :
             {wheel.adviseTable(), wheel.countTable(), wheel.winTable(), wheel.spinTable()})
            runOnSpan(db, "DELETE FROM " + spanOf(table, wheel), setting, casino, *span);
        db.prepare("DELETE FROM ka_app_import WHERE ka_app_setting_id = ?1 AND ka_app_import_wheel = ?2 AND "
                   "ka_app_import_casino = ?3 AND ka_app_import_first = ?4")
            .bind(1, setting)
            .bind(2, QString(wheel.letter()))
            .bind(3, casino)
            .bind(4, span->first)
            .run();
        Tallies(db, wheel, setting, casino).rebuild();
        tx.commit();
        return span->spins;
    } catch (const DbError& e) {
        qCWarning(lcIo) << "undoing the last import failed:" << e.what();
        return Result<qint64>::failure(failure);
    }
}

} // namespace spinledger::ImportLog
