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

// The spins of the session among the rows "p" of the spin table.
std::string sessionSpins(const Wheel& w, bool withImports)
{
    const std::string spin = s(w.spinTable());
    const std::string cmb = s(w.casinoSetting());
    // The unary "+" keeps the casino's indexes out: the range of keys since
    // the session began is the short way to its spins in a long history.
    std::string where = " WHERE +p.ka_app_setting_id = ?1 AND +p." + cmb + " = ?2 AND p." + spin + "_id > ?3";
    if (withImports)
        where +=
            " AND NOT EXISTS (SELECT 1 FROM ka_app_import i WHERE i.ka_app_setting_id = p.ka_app_setting_id "
            "AND i.ka_app_import_wheel = ?4 AND i.ka_app_import_casino = p." +
            cmb + " AND p." + spin + "_id BETWEEN i.ka_app_import_first AND i.ka_app_import_last)";
    return where;
}

// Every judgement of an advice made by a spin of the session, with the
// stakes that advice stood at: verdicts, then stakes, both in display order.
std::string judgementsSql(const Wheel& w, bool withImports)
{
    const std::string spin = s(w.spinTable());
    const std::string win = s(w.winTable());
    const std::string adv = s(w.adviseTable());
    std::string columns;
    for (const Category& c : w.categories())
        columns += "w." + s(w.winColumn(c.id)) + ", ";
    for (const Category& c : w.categories())
        columns += c.hasStake() ? "a." + s(w.coinsColumn(c.id)) + ", " : std::string("0, ");
    columns.resize(columns.size() - 2);
    return "SELECT " + columns + " FROM " + spin + " p JOIN " + win + " w ON w." + spin + "_id = p." + spin +
           "_id JOIN " + adv + " a ON a." + adv + "_id = w." + adv + "_id" + sessionSpins(w, withImports);
}

std::string spinsSql(const Wheel& w, bool withImports)
{
    return "SELECT COUNT(*) FROM " + s(w.spinTable()) + " p" + sessionSpins(w, withImports);
}

void bindSession(Statement& q, const Wheel& w, qint64 settingId, qint64 casino, qint64 afterKey,
                 bool withImports)
{
    q.bind(1, settingId).bind(2, casino).bind(3, afterKey);
    if (withImports)
        q.bind(4, QString(w.letter()));
}

} // namespace

void SessionFigures::addJudgement(const Wheel& wheel, const PerCategory<WinVerdict>& verdicts,
                                  const PerCategory<double>& stakes, const PerCategory<bool>& played)
{
    for (const Category& c : wheel.categories()) {
        const int i = idx(c.id);
        if (!c.hasStake() || !played[i])
            continue;
        if (verdicts[i] == WinVerdict::Won)
            result += stakes[i] * stats::Odds::of(wheel, c.id).payout;
        else if (verdicts[i] == WinVerdict::Lost)
            result -= stakes[i];
        else
            continue;
        largestStake = std::max(largestStake, stakes[i]);
    }
}

SessionFigures SessionFigures::read(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino,
                                    qint64 afterKey, const PerCategory<bool>& played)
{
    SessionFigures figures;
    const bool withImports = db.hasTable("ka_app_import");
    Statement count = db.prepare(spinsSql(wheel, withImports));
    bindSession(count, wheel, settingId, casino, afterKey, withImports);
    if (count.next())
        figures.spins = count.integer(0);

    const int categories = int(wheel.categories().size());
    Statement q = db.prepare(judgementsSql(wheel, withImports));
    bindSession(q, wheel, settingId, casino, afterKey, withImports);
    while (q.next()) {
        PerCategory<WinVerdict> verdicts{};
        PerCategory<double> stakes{};
        int col = 0;
        for (const Category& c : wheel.categories()) {
            verdicts[idx(c.id)] = winVerdictOf(q.text(col));
            stakes[idx(c.id)] = q.real(col + categories);
            ++col;
        }
        figures.addJudgement(wheel, verdicts, stakes, played);
    }
    return figures;
}

} // namespace spinledger
