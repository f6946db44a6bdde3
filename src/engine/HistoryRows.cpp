#include "engine/HistoryRows.h"

#include "engine/WheelSql.h"
#include "store/Database.h"

namespace spinledger::HistoryRows {

std::vector<SpinRow> newestSpins(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit)
{
    Statement q = db.prepare(WheelSql::of(w).newestSpins);
    q.bind(1, settingId).bind(2, casino).bind(3, limit);
    std::vector<SpinRow> rows;
    while (q.next()) {
        SpinRow r{q.integer(0), q.real(1), {}};
        int col = 2;
        for (const Category& c : w.categories())
            r.values[idx(c.id)] = q.text(col++).trimmed();
        rows.push_back(r);
    }
    return rows;
}

std::vector<AdviceRow> newestAdvice(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit)
{
    Statement q = db.prepare(WheelSql::of(w).newestAdvice);
    q.bind(1, settingId).bind(2, casino).bind(3, limit);
    std::vector<AdviceRow> rows;
    while (q.next()) {
        AdviceRow r;
        r.id = q.integer(0);
        r.winId = q.isNull(1) ? 0 : q.integer(1);
        int col = 2;
        for (const Category& c : w.categories())
            r.advice.values[idx(c.id)] = w.adviceOf(c.id, q.text(col++));
        for (const Category& c : w.categories()) {
            if (c.hasStake())
                r.advice.stakes[idx(c.id)] = q.real(col++);
        }
        rows.push_back(r);
    }
    return rows;
}

} // namespace spinledger::HistoryRows
