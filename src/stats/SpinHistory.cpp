#include "stats/SpinHistory.h"

#include "store/Database.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace spinledger::stats {

namespace {

struct Queries
{
    std::string start;           // stamp and key of the ?3rd spin from the newest, from 0
    std::string startFromOldest; // ... from the oldest
    std::string page;            // ?5 spins below the stamp ?3 and key ?4, newest first, with their advice
    std::string labels;          // the same spins' keys and labels alone
};

Queries compose(const Wheel& w)
{
    const QString spin = w.spinTable();
    const QString byCasino =
        QStringLiteral(" WHERE s.ka_app_setting_id = ?1 AND s.%1 = ?2").arg(w.casinoSetting());
    const QString newestFirst = QStringLiteral(" ORDER BY s.%1_now DESC, s.%1_id DESC").arg(spin);
    QStringList advice, verdicts;
    for (const Category& c : w.categories()) {
        advice << QStringLiteral("a.") + w.adviseColumn(c.id);
        advice << (c.hasStake() ? QStringLiteral("ifnull(a.%1, -1)").arg(w.coinsColumn(c.id))
                                : QStringLiteral("-1"));
        verdicts << QStringLiteral("j.") + w.winColumn(c.id);
    }
    Queries q;
    q.labels = (QStringLiteral("SELECT s.%1_id, s.%1_now, s.%2 FROM %1 s")
                    .arg(spin, w.spinColumn(CategoryId::Numbers)) +
                byCasino + QStringLiteral(" AND (s.%1_now, s.%1_id) < (?3, ?4)").arg(spin) + newestFirst +
                QStringLiteral(" LIMIT ?5"))
                   .toStdString();
    const auto nthSpin = [&](const QString& order) {
        return (QStringLiteral("SELECT s.%1_now, s.%1_id FROM %1 s").arg(spin) + byCasino + order +
                QStringLiteral(" LIMIT 1 OFFSET ?3"))
            .toStdString();
    };
    q.start = nthSpin(newestFirst);
    q.startFromOldest = nthSpin(QStringLiteral(" ORDER BY s.%1_now, s.%1_id").arg(spin));
    q.page = (QStringLiteral("SELECT s.%1_id, s.%1_now, s.%2, ifnull(a.%6_id, 0), %3, %4 FROM %1 s LEFT JOIN "
                             "%5 j ON j.%1_id = s.%1_id "
                             "LEFT JOIN %6 a ON a.%6_id = j.%6_id")
                  .arg(spin, w.spinColumn(CategoryId::Numbers), advice.join(u','), verdicts.join(u','),
                       w.winTable(), w.adviseTable()) +
              byCasino + QStringLiteral(" AND (s.%1_now, s.%1_id) < (?3, ?4)").arg(spin) + newestFirst +
              QStringLiteral(" LIMIT ?5"))
                 .toStdString();
    return q;
}

const Queries& queriesOf(const Wheel& w)
{
    static const Queries r = compose(Wheel::r());
    static const Queries m = compose(Wheel::m());
    return w.letter() == u'R' ? r : m;
}

// A pocket's spins are looked for among this many spins at a time.
constexpr int Chunk = 2048;

} // namespace

SpinHistory::SpinHistory(const Wheel& wheel, qint64 settingId, qint64 casino, const SpinSpan& span,
                         const QString& pocket)
    : m_wheel(wheel), m_settingId(settingId), m_casino(casino), m_span(span), m_pocket(pocket),
      m_place(span.last)
{
}

bool SpinHistory::findStart(Database& db)
{
    // An offset is counted through the index: from the nearer end.
    const qint64 fromNewest = m_span.total - m_span.last;
    const qint64 fromOldest = m_span.last - 1;
    const bool oldestNearer = fromOldest < fromNewest;
    Statement q = db.prepare(oldestNearer ? queriesOf(m_wheel).startFromOldest : queriesOf(m_wheel).start);
    q.bind(1, m_settingId).bind(2, m_casino).bind(3, oldestNearer ? fromOldest : fromNewest);
    if (!q.next()) {
        m_place = 0;
        return false;
    }
    // Just above the newest spin of the window: it is the first one below.
    m_below = std::pair(q.real(0), q.integer(1) + 1);
    return true;
}

std::vector<HistoryRow> SpinHistory::next(Database& db, int rows, int scan)
{
    std::vector<HistoryRow> out;
    if (atEnd() || (!m_below && !findStart(db)))
        return out;
    const Queries& queries = queriesOf(m_wheel);
    // A pocket's spins are found by their labels alone; only they are read
    // with their advice and judgement.
    const bool onePocket = !m_pocket.isEmpty();
    int scanned = 0;
    while (int(out.size()) < rows && !atEnd() && scanned < std::max(scan, rows)) {
        const qint64 inWindow = m_place - m_span.first + 1;
        Statement q = db.prepare(onePocket ? queries.labels : queries.page);
        q.bind(1, m_settingId).bind(2, m_casino).bind(3, m_below->first).bind(4, m_below->second);
        q.bind(5, std::min<qint64>(onePocket ? Chunk : rows, inWindow));
        int read = 0;
        while (int(out.size()) < rows && q.next()) {
            ++read;
            HistoryRow row;
            row.place = m_place--;
            row.id = q.integer(0);
            row.now = q.real(1);
            m_below = std::pair(row.now, row.id);
            row.pocket = q.text(2).trimmed();
            if (!onePocket) {
                readBets(q, row);
            } else if (row.pocket == m_pocket) {
                // The row itself: the first one below a key just above it.
                Statement one = db.prepare(queries.page);
                one.bind(1, m_settingId).bind(2, m_casino).bind(3, row.now).bind(4, row.id + 1).bind(5, 1);
                if (one.next())
                    readBets(one, row);
            } else {
                continue;
            }
            out.push_back(std::move(row));
        }
        scanned += read;
        if (read == 0)
            m_place = m_span.first - 1; // the history ended before the window did
    }
    return out;
}

void SpinHistory::readBets(const Statement& q, HistoryRow& row) const
{
    const size_t categories = m_wheel.categories().size();
    row.bets.resize(categories);
    // The first spin of a casino had no advice to judge.
    const bool judged = q.integer(3) > 0;
    for (size_t c = 0; judged && c < categories; ++c) {
        HistoryRow::Bet& bet = row.bets[c];
        bet.advice = m_wheel.adviceOf(m_wheel.categories()[c].id, q.text(4 + 2 * int(c)));
        bet.stake = q.real(5 + 2 * int(c));
        bet.verdict = winVerdictOf(q.utf8(4 + 2 * int(categories) + int(c)));
    }
}

} // namespace spinledger::stats
