#include "session/Sleepers.h"

#include "stats/Odds.h"
#include "store/Database.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace spinledger {

namespace {

// A pocket that never came sleeps longer than any that did.
qint64 sleptFor(const std::optional<qint64>& gap)
{
    return gap ? *gap : std::numeric_limits<qint64>::max();
}

} // namespace

Sleepers::Sleepers(const Wheel& wheel, bool zeroZeroEnabled, qint64 window)
    : m_wheel(wheel), m_zeroZero(zeroZeroEnabled), m_window(window)
{
    buildTargets();
}

void Sleepers::buildTargets()
{
    const double inPlay = stats::Odds::pocketsInPlay(m_wheel, m_zeroZero);
    for (int p = 0; p < m_wheel.pocketCount(); ++p) {
        if (stats::Odds::inPlay(m_wheel, p, m_zeroZero))
            m_targets.push_back({m_wheel.cellPrefix() + m_wheel.label(p), {p}, 1.0 / inPlay});
    }
    m_pocketTargets = int(m_targets.size());
    for (const Category& c : m_wheel.categories()) {
        if (!c.hasStake())
            continue;
        for (const CategoryValue& v : c.values) {
            Target t{m_wheel.cellName(c.id, v.value), {}, 0};
            for (int p = 0; p < m_wheel.pocketCount(); ++p) {
                bool number = false;
                const int n = m_wheel.label(p).toInt(&number);
                // 0 and 00 win no outside bet.
                if (!number || n == 0)
                    continue;
                const bool wins = m_wheel.judgesByRange(c.id) ? m_wheel.groupRangeWins(v.value, n)
                                                              : m_wheel.field(p, c.field) == v.value;
                if (wins)
                    t.pockets.push_back(p);
            }
            t.probability = double(t.pockets.size()) / inPlay;
            m_targets.push_back(std::move(t));
        }
    }
}

void Sleepers::take(const std::vector<int>& pockets)
{
    m_spins = qint64(pockets.size());
    const qint64 windowStart = m_window > 0 ? std::max<qint64>(0, m_spins - m_window) : 0;
    m_inWindow = m_spins - windowStart;

    // Per pocket, when it last came and how often in the window.
    std::vector<std::optional<qint64>> last(size_t(m_wheel.pocketCount()));
    std::vector<qint64> counts(size_t(m_wheel.pocketCount()), 0);
    for (qint64 t = 0; t < m_spins; ++t) {
        const int p = pockets[size_t(t)];
        if (p < 0 || p >= m_wheel.pocketCount())
            continue;
        last[size_t(p)] = t;
        if (t >= windowStart)
            ++counts[size_t(p)];
    }

    m_figures.clear();
    for (const Target& target : m_targets) {
        Figure f{target.cell, std::nullopt, 0, target.probability * double(m_inWindow), 0};
        std::optional<qint64> newest;
        for (int p : target.pockets) {
            f.count += counts[size_t(p)];
            if (last[size_t(p)] && (!newest || *last[size_t(p)] > *newest))
                newest = last[size_t(p)];
        }
        if (newest)
            f.gap = m_spins - 1 - *newest;
        // A gap of g spins without it comes with (1 - p)^g; never having come
        // is a gap as long as the history.
        f.chance = std::pow(1.0 - target.probability, double(f.gap ? *f.gap : m_spins));
        m_figures.push_back(f);
    }
    rankPockets();
}

void Sleepers::rankPockets()
{
    m_hot.clear();
    m_cold.clear();
    if (m_inWindow == 0)
        return;
    std::vector<int> order(static_cast<size_t>(m_pocketTargets));
    std::iota(order.begin(), order.end(), 0);
    const auto& f = m_figures;
    std::vector<int> hot = order;
    std::stable_sort(hot.begin(), hot.end(), [&f](int a, int b) {
        if (f[a].count != f[b].count)
            return f[a].count > f[b].count;
        return sleptFor(f[a].gap) < sleptFor(f[b].gap);
    });
    std::vector<int> cold = order;
    std::stable_sort(cold.begin(), cold.end(), [&f](int a, int b) {
        if (f[a].count != f[b].count)
            return f[a].count < f[b].count;
        return sleptFor(f[a].gap) > sleptFor(f[b].gap);
    });
    const size_t marked = std::min<size_t>(Marked, order.size() / 2);
    for (size_t i = 0; i < marked; ++i) {
        // A pocket that did not come in the window is not hot however few did.
        if (f[size_t(hot[i])].count > 0)
            m_hot.push_back(f[size_t(hot[i])].cell);
        m_cold.push_back(f[size_t(cold[i])].cell);
    }
}

const Sleepers::Figure* Sleepers::figure(const QString& cell) const
{
    for (const Figure& f : m_figures) {
        if (f.cell == cell)
            return &f;
    }
    return nullptr;
}

void Sleepers::read(Database& db, qint64 settingId, qint64 casino)
{
    const std::string spin = m_wheel.spinTable().toStdString();
    const std::string sql = "SELECT " + m_wheel.spinColumn(CategoryId::Numbers).toStdString() + " FROM " +
                            spin + " WHERE ka_app_setting_id = ?1 AND " +
                            m_wheel.casinoSetting().toStdString() + " = ?2 ORDER BY " + spin + "_now, " +
                            spin + "_id";
    Statement q = db.prepare(sql);
    q.bind(1, settingId).bind(2, casino);
    std::vector<int> pockets;
    while (q.next())
        pockets.push_back(m_wheel.pocketIndex(q.text(0).trimmed()));
    take(pockets);
}

} // namespace spinledger
