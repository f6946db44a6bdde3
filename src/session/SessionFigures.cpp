#include "session/SessionFigures.h"

#include "stats/Odds.h"
#include "store/Database.h"

#include <algorithm>

namespace spinledger {

namespace {

std::string s(const QString& q)
{
    return q.toStdString();
}

// Every judgement of an advice made by a spin of the session, with the
// stakes that advice stood at: verdicts, then stakes, both in display order.
std::string judgementsSql(const Wheel& w)
{
    const std::string spin = s(w.spinTable());
    const std::string win = s(w.winTable());
    const std::string adv = s(w.adviseTable());
    const std::string cmb = s(w.casinoSetting());
    std::string columns;
    for (const Category& c : w.categories())
        columns += "w." + s(w.winColumn(c.id)) + ", ";
    for (const Category& c : w.categories())
        columns += c.hasStake() ? "a." + s(w.coinsColumn(c.id)) + ", " : std::string("0, ");
    columns.resize(columns.size() - 2);
    return "SELECT " + columns + " FROM " + spin + " p JOIN " + win + " w ON w." + spin + "_id = p." + spin +
           "_id JOIN " + adv + " a ON a." + adv + "_id = w." + adv +
           "_id WHERE p.ka_app_setting_id = ?1 AND p." + cmb + " = ?2 AND p." + spin + "_now >= ?3";
}

std::string spinsSql(const Wheel& w)
{
    const std::string spin = s(w.spinTable());
    return "SELECT COUNT(*) FROM " + spin + " WHERE ka_app_setting_id = ?1 AND " + s(w.casinoSetting()) +
           " = ?2 AND " + spin + "_now >= ?3";
}

} // namespace

void SessionFigures::addJudgement(const Wheel& wheel, const PerCategory<QString>& verdicts,
                                  const PerCategory<double>& stakes, const PerCategory<bool>& played)
{
    for (const Category& c : wheel.categories()) {
        const int i = idx(c.id);
        if (!c.hasStake() || !played[i])
            continue;
        const QString verdict = verdicts[i].trimmed();
        if (verdict == u'Y')
            result += stakes[i] * stats::Odds::of(wheel, c.id).payout;
        else if (verdict == u'N')
            result -= stakes[i];
        else
            continue;
        largestStake = std::max(largestStake, stakes[i]);
    }
}

SessionFigures SessionFigures::read(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino,
                                    double start, const PerCategory<bool>& played)
{
    SessionFigures figures;
    Statement count = db.prepare(spinsSql(wheel));
    count.bind(1, settingId).bind(2, casino).bind(3, start);
    if (count.next())
        figures.spins = count.integer(0);

    const int categories = int(wheel.categories().size());
    Statement q = db.prepare(judgementsSql(wheel));
    q.bind(1, settingId).bind(2, casino).bind(3, start);
    while (q.next()) {
        PerCategory<QString> verdicts;
        PerCategory<double> stakes{};
        int col = 0;
        for (const Category& c : wheel.categories()) {
            verdicts[idx(c.id)] = q.text(col);
            stakes[idx(c.id)] = q.real(col + categories);
            ++col;
        }
        figures.addJudgement(wheel, verdicts, stakes, played);
    }
    return figures;
}

} // namespace spinledger
