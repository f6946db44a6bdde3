#include "engine/WheelSql.h"

#include "wheel/Wheel.h"

#include <QStringList>

#include <algorithm>

namespace spinledger {

namespace {

// AUTOINCREMENT gives the next row the larger of these plus one.
std::string keyBefore(const std::string& table)
{
    return "SELECT max(ifnull((SELECT seq FROM sqlite_sequence WHERE name = '" + table +
           "'), 0), ifnull((SELECT max(" + table + "_id) FROM " + table + "), 0))";
}

WheelSql::KeyedRows keyed(const std::string& table, const std::string& columns)
{
    return {table + " (" + columns + ")", int(std::count(columns.begin(), columns.end(), ',')) + 1,
            keyBefore(table)};
}

std::string params(int from, int count)
{
    QStringList p;
    for (int i = 0; i < count; ++i)
        p << QStringLiteral("?%1").arg(from + i);
    return p.join(u',').toStdString();
}

WheelSql compose(const Wheel& w)
{
    auto s = [](const QString& q) { return q.toStdString(); };
    const std::string spin = s(w.spinTable());
    const std::string cmb = s(w.casinoSetting());
    const std::string adv = s(w.adviseTable());
    const std::string win = s(w.winTable());
    const std::string count = s(w.countTable());
    const std::string tally = s(w.tallyTable());
    const std::string byCasino = " WHERE ka_app_setting_id = ?1 AND " + cmb + " = ?2";

    QStringList spinCats, adviceValues, adviceStakes, verdicts, winPcts, allPcts, counters;
    for (const Category& c : w.categories()) {
        spinCats << w.spinColumn(c.id);
        adviceValues << w.adviseColumn(c.id);
        if (c.hasStake())
            adviceStakes << w.coinsColumn(c.id);
        verdicts << w.winColumn(c.id);
        winPcts << w.winPctColumn(c.id);
        allPcts << w.winPctColumn(c.id) << w.lossPctColumn(c.id);
    }
    for (const Counter& c : w.counters())
        counters << c.column;
    const int cats = int(spinCats.size());
    const int stakes = int(adviceStakes.size());

    WheelSql q;
    const std::string spinCols = spin + "_id, " + spin + "_now, " + s(spinCats.join(u','));
    q.newestSpins = "SELECT " + spinCols + " FROM " + spin + byCasino + " ORDER BY " + spin + "_now DESC, " +
                    spin + "_id DESC LIMIT ?3";
    q.historyAscending = "SELECT " + spinCols + " FROM " + spin + byCasino + " ORDER BY " + spin +
                         "_now ASC, " + spin + "_id ASC";
    const std::string spinRow = spin + "_date, " + spin + "_time, " + spin + "_now, ka_app_setting_id, " +
                                s(spinCats.join(u',')) + ", " + cmb;
    q.insertSpin = "INSERT INTO " + spin + " (" + spinRow + ") VALUES (" + params(1, 4 + cats + 1) + ")";
    q.spinRows = keyed(spin, spinRow);
    const std::string countRow = count + "_date, " + count + "_time, " + count + "_now, ka_app_setting_id, " +
                                 spin + "_id, " + s(counters.join(u',')) + ", " + cmb;
    q.insertCount = "INSERT INTO " + count + " (" + countRow + ") VALUES (" +
                    params(1, 5 + int(counters.size()) + 1) + ")";
    q.countRows = keyed(count, countRow);
    q.deleteSpin = "DELETE FROM " + spin + " WHERE " + spin + "_id = ?1";
    q.deleteCountOfSpin = "DELETE FROM " + count + " WHERE " + spin + "_id = ?1";

    q.newestAdvice = "SELECT " + adv + "_id, " + spin + "_win_id, " + s(adviceValues.join(u',')) + ", " +
                     s(adviceStakes.join(u',')) + " FROM " + adv + byCasino + " ORDER BY " + adv +
                     "_now DESC, " + adv + "_id DESC LIMIT ?3";
    const std::string adviceRow = adv + "_date, " + adv + "_time, " + adv + "_now, " + spin +
                                  "_id, ka_app_setting_id, " + s(adviceValues.join(u',')) + ", " +
                                  s(adviceStakes.join(u',')) + ", " + cmb;
    q.insertAdvice =
        "INSERT INTO " + adv + " (" + adviceRow + ") VALUES (" + params(1, 5 + cats + stakes + 1) + ")";
    q.adviceRows = keyed(adv, spin + "_win_id, " + adviceRow);
    q.deleteAdviceOfSpin = "DELETE FROM " + adv + " WHERE " + spin + "_id = ?1";
    q.linkAdvice = "UPDATE " + adv + " SET " + spin + "_win_id = ?1 WHERE " + adv + "_id = ?2";
    q.unlinkAdvice = "UPDATE " + adv + " SET " + spin + "_win_id = NULL WHERE " + spin + "_win_id = ?1";
    QStringList sets;
    for (const QString& c : adviceStakes)
        sets << c + QStringLiteral(" = ?1");
    q.restake = "UPDATE " + adv + " SET " + s(sets.join(u", ")) + " WHERE " + adv + "_id = ?2";

    const std::string winRow = win + "_date, " + win + "_time, " + win + "_now, " + spin + "_id, " + adv +
                               "_id, ka_app_setting_id, " + s(verdicts.join(u',')) + ", " + cmb + ", " +
                               s(allPcts.join(u','));
    q.insertWin =
        "INSERT INTO " + win + " (" + winRow + ") VALUES (" + params(1, 6 + cats + 1 + 2 * cats) + ")";
    q.winRows = keyed(win, winRow);
    q.winOfSpin = "SELECT " + win + "_id, " + adv + "_id, " + s(verdicts.join(u',')) + " FROM " + win +
                  " WHERE " + spin + "_id = ?1";
    q.winPercents = "SELECT " + s(winPcts.join(u',')) + " FROM " + win + " WHERE " + win + "_id = ?1";
    q.deleteWinOfSpin = "DELETE FROM " + win + " WHERE " + spin + "_id = ?1";
    // As the statistics count them: judgements of an advice the casino holds.
    q.winVerdictsOfCasino = "SELECT " + s(verdicts.join(u',')) + " FROM " + win + byCasino + " AND " + adv +
                            "_id IN (SELECT " + adv + "_id FROM " + adv + ")";

    const std::string tallyKey = byCasino + " AND tally_kind = ?3 AND tally_from = ?4";
    q.tallyRows = "SELECT tally_to, tally_count FROM " + tally + tallyKey;
    q.tallyCreate = "INSERT OR IGNORE INTO " + tally + " (ka_app_setting_id, " + cmb +
                    ", tally_kind, tally_from, tally_to, tally_count) VALUES (?1, ?2, ?3, ?4, ?5, 0)";
    q.tallyAdd = "UPDATE " + tally + " SET tally_count = tally_count + ?6" + tallyKey + " AND tally_to = ?5";
    q.tallyDropEmpty = "DELETE FROM " + tally + tallyKey + " AND tally_to = ?5 AND tally_count <= 0";
    q.tallyAny = "SELECT 1 FROM " + tally + byCasino + " LIMIT 1";
    q.tallyOfKinds =
        "SELECT 1 FROM " + tally + byCasino + " AND tally_kind >= ?3 AND tally_kind < ?4 LIMIT 1";
    q.tallyClear = "DELETE FROM " + tally + byCasino;
    q.tallyAll = "SELECT tally_kind, tally_from, tally_to, tally_count FROM " + tally + byCasino;
    q.tallyInsert = "INSERT INTO " + tally + " (ka_app_setting_id, " + cmb +
                    ", tally_kind, tally_from, tally_to, tally_count) VALUES (?1, ?2, ?3, ?4, ?5, ?6)";
    return q;
}

} // namespace

const WheelSql& WheelSql::of(const Wheel& wheel)
{
    static const WheelSql r = compose(Wheel::r());
    static const WheelSql m = compose(Wheel::m());
    return wheel.letter() == u'R' ? r : m;
}

} // namespace spinledger
