#include "stats/CasinoStatistics.h"

#include "engine/WinVerdict.h"
#include "stats/FiguresBuilder.h"
#include "stats/StatsLog.h"
#include "store/Database.h"

#include <QStringList>

namespace spinledger::stats::CasinoStatistics {

namespace {

// Rows between two questions to stop().
constexpr int StopEvery = 4096;

// The three reads, each served by an index that holds just its columns.
struct Queries
{
    std::string pockets;   // label, spins
    std::string pocketsIn; // the labels of ?3 spins from the ?4th on, in the order of play
    std::string judged;    // advice judged, the verdicts in category order
    std::string stakes;    // advice id, then the stakes of the categories with one, by id
    std::string stakesOf;  // the same for one advice
};

Queries compose(const Wheel& w)
{
    const QString byCasino =
        QStringLiteral(" WHERE ka_app_setting_id = ?1 AND %1 = ?2").arg(w.casinoSetting());
    const QString numbers = w.spinColumn(CategoryId::Numbers);
    const QString adviseId = w.adviseTable() + QStringLiteral("_id");
    // Stakes come back as -1 where none was stored: one call per column.
    QStringList verdicts, stakes;
    for (const Category& c : w.categories()) {
        verdicts << w.winColumn(c.id);
        if (c.hasStake())
            stakes << QStringLiteral("ifnull(%1, -1)").arg(w.coinsColumn(c.id));
    }
    Queries q;
    q.pockets = (QStringLiteral("SELECT %1, count(*) FROM %2").arg(numbers, w.spinTable()) + byCasino +
                 QStringLiteral(" GROUP BY %1").arg(numbers))
                    .toStdString();
    q.pocketsIn = (QStringLiteral("SELECT %1 FROM %2").arg(numbers, w.spinTable()) + byCasino +
                   QStringLiteral(" ORDER BY %1_now, %1_id LIMIT ?3 OFFSET ?4").arg(w.spinTable()))
                      .toStdString();
    q.judged = (QStringLiteral("SELECT %1, %2 FROM %3").arg(adviseId, verdicts.join(u','), w.winTable()) +
                byCasino + QStringLiteral(" ORDER BY %1_now, %1_id").arg(w.winTable()))
                   .toStdString();
    const QString stakeColumns =
        QStringLiteral("SELECT %1, %2 FROM %3").arg(adviseId, stakes.join(u','), w.adviseTable());
    q.stakes = (stakeColumns + byCasino + QStringLiteral(" ORDER BY ") + adviseId).toStdString();
    q.stakesOf = (stakeColumns + QStringLiteral(" WHERE %1 = ?1").arg(adviseId)).toStdString();
    return q;
}

const Queries& queriesOf(const Wheel& w)
{
    static const Queries r = compose(Wheel::r());
    static const Queries m = compose(Wheel::m());
    return w.letter() == u'R' ? r : m;
}

// One read snapshot for all passes, unless the caller already holds one.
class Snapshot
{
public:
    explicit Snapshot(Database& db) : m_db(db), m_own(!db.inTransaction())
    {
        if (m_own)
            m_db.exec("BEGIN");
    }
    ~Snapshot()
    {
        if (!m_own)
            return;
        try {
            m_db.exec("COMMIT");
        } catch (const DbError& e) {
            qCWarning(lcStats) << "ending the read failed:" << e.what();
            // Nothing was written; ending the read cannot lose anything.
        }
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

private:
    Database& m_db;
    bool m_own;
};

std::vector<qint64> pocketCounts(Database& db, const StatsRequest& r, qint64& spins)
{
    const Wheel& w = *r.wheel;
    std::vector<qint64> counts(size_t(w.pocketCount()), 0);
    Statement q = db.prepare(queriesOf(w).pockets);
    q.bind(1, r.settingId).bind(2, r.casino);
    while (q.next()) {
        const qint64 n = q.integer(1);
        spins += n;
        const int pocket = w.pocketIndex(q.text(0).trimmed());
        if (pocket >= 0)
            counts[size_t(pocket)] += n;
    }
    return counts;
}

// The same for the spins of a part of the history, read one by one.
std::vector<qint64> pocketCounts(Database& db, const StatsRequest& r, const SpinSpan& span, qint64& spins)
{
    if (span.whole())
        return pocketCounts(db, r, spins);
    const Wheel& w = *r.wheel;
    std::vector<qint64> counts(size_t(w.pocketCount()), 0);
    Statement q = db.prepare(queriesOf(w).pocketsIn);
    q.bind(1, r.settingId).bind(2, r.casino).bind(3, span.size()).bind(4, span.first - 1);
    while (q.next()) {
        ++spins;
        const int pocket = w.pocketIndex(q.text(0).trimmed());
        if (pocket >= 0)
            ++counts[size_t(pocket)];
    }
    return counts;
}

// The stakes of the advice rows of a casino, met in ascending id while the
// judgements go by in the order of play, which judges them in the same order.
// An advice out of that order is looked up on its own.
class StakeCursor
{
public:
    StakeCursor(Database& db, const Wheel& w, const StatsRequest& r)
        : m_db(db), m_queries(queriesOf(w)), m_scan(db.prepare(m_queries.stakes))
    {
        m_scan.bind(1, r.settingId).bind(2, r.casino);
        step();
    }

    // The stakes of the advice (negative where none is stored); false when
    // the advice does not exist.
    bool find(qint64 advice, std::vector<double>& stakes)
    {
        while (m_id > 0 && m_id < advice)
            step();
        if (m_id == advice)
            return read(m_scan, stakes);
        Statement one = m_db.prepare(m_queries.stakesOf);
        one.bind(1, advice);
        return one.next() && read(one, stakes);
    }

private:
    void step() { m_id = m_scan.next() ? m_scan.integer(0) : 0; }

    static bool read(const Statement& q, std::vector<double>& stakes)
    {
        for (size_t i = 0; i < stakes.size(); ++i)
            stakes[i] = q.real(int(i) + 1);
        return true;
    }

    Database& m_db;
    const Queries& m_queries;
    Statement m_scan;
    qint64 m_id = 0; // advice under the scan, 0 past the last
};

} // namespace

std::optional<Figures> compute(Database& db, const StatsRequest& r, const StopFn& stop)
{
    const Wheel& w = *r.wheel;
    std::optional<FiguresBuilder> figures;
    {
        Snapshot snapshot(db);
        const SpinSpan span = SpinWindows::resolve(db, w, r.settingId, r.casino, r.window);
        figures.emplace(r, span);
        qint64 spins = 0;
        const std::vector<qint64> counts = pocketCounts(db, r, span, spins);
        figures->setPocketCounts(counts, spins);

        StakeCursor stakeCursor(db, w, r);
        std::vector<double> stakes(figures->stakeCount());
        std::vector<WinVerdict> verdicts(w.categories().size());
        Statement q = db.prepare(queriesOf(w).judged);
        q.bind(1, r.settingId).bind(2, r.casino);
        qint64 spin = 0;
        while (q.next()) {
            // Every spin writes one judgement, so its place is the spin's number.
            ++spin;
            if (stop && spin % StopEvery == 0 && stop())
                return std::nullopt;
            if (spin < span.first)
                continue;
            if (spin > span.last)
                break;
            // The first spin of a casino had no advice before it to judge.
            const qint64 advice = q.integer(0);
            if (advice <= 0 || !stakeCursor.find(advice, stakes))
                continue;
            for (size_t i = 0; i < verdicts.size(); ++i)
                verdicts[i] = winVerdictOf(q.utf8(int(i) + 1));
            figures->addJudged(spin, verdicts, stakes);
        }
    }
    return figures->finish(stop);
}

Figures compute(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino)
{
    return *compute(db, StatsSettings::request(db, settingId, wheel, casino));
}

} // namespace spinledger::stats::CasinoStatistics
