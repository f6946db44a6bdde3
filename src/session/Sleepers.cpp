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
        for (int k = 0; k < int(c.values.size()); ++k) {
            const AdviceValue value(c.id, k);
            Target t{m_wheel.cellName(value), {}, 0};
            for (int p = 0; p < m_wheel.pocketCount(); ++p) {
                bool number = false;
                const int n = m_wheel.label(p).toInt(&number);
                // 0 and 00 win no outside bet.
                if (!number || n == 0)
                    continue;
                if (m_wheel.wins(value, p))
                    t.pockets.push_back(p);
            }
            t.probability = double(t.pockets.size()) / inPlay;
            m_targets.push_back(std::move(t));
        }
    }
}

void Sleepers::take(const std::vector<int>& pockets)
{
    const qint64 spins = qint64(pockets.size());
    const qint64 windowStart = m_window > 0 ? std::max<qint64>(0, spins - m_window) : 0;
    Seen seen(size_t(m_wheel.pocketCount()));
    for (qint64 t = 0; t < spins; ++t) {
        const int p = pockets[size_t(t)];
        if (p < 0 || p >= m_wheel.pocketCount())
            continue;
        seen.gaps[size_t(p)] = spins - 1 - t;
        if (t >= windowStart)
            ++seen.counts[size_t(p)];
    }
    finish(seen, spins, spins - windowStart);
}

void Sleepers::finish(const Seen& seen, qint64 spins, qint64 inWindow)
{
    m_spins = spins;
    m_inWindow = inWindow;
    m_figures.clear();
    for (const Target& target : m_targets) {
        Figure f{target.cell, std::nullopt, 0, target.probability * double(m_inWindow), 0};
        for (int p : target.pockets) {
            f.count += seen.counts[size_t(p)];
            const std::optional<qint64>& gap = seen.gaps[size_t(p)];
            if (gap && (!f.gap || *gap < *f.gap))
                f.gap = gap;
        }
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
    const std::string numbers = m_wheel.spinColumn(CategoryId::Numbers).toStdString();
    const std::string byCasino = " FROM " + spin + " WHERE ka_app_setting_id = ?1 AND " +
                                 m_wheel.casinoSetting().toStdString() + " = ?2";
    Statement total = db.prepare("SELECT COUNT(*)" + byCasino);
    total.bind(1, settingId).bind(2, casino);
    const qint64 spins = total.next() ? total.integer(0) : 0;
    const qint64 inWindow = m_window > 0 ? std::min(m_window, spins) : spins;

    Seen seen(size_t(m_wheel.pocketCount()));
    if (m_window == 0) {
        // The counts of the whole history come from the index alone.
        Statement counts = db.prepare("SELECT " + numbers + ", COUNT(*)" + byCasino + " GROUP BY " + numbers);
        counts.bind(1, settingId).bind(2, casino);
        while (counts.next()) {
            const int p = m_wheel.pocketIndex(counts.text(0).trimmed());
            if (p >= 0)
                seen.counts[size_t(p)] += counts.integer(1);
        }
    }
    // Newest first, only as far back as the window and the pocket that has
    // slept longest: in a long history a few hundred spins.
    int unseen = stats::Odds::pocketsInPlay(m_wheel, m_zeroZero);
    Statement q =
        db.prepare("SELECT " + numbers + byCasino + " ORDER BY " + spin + "_now DESC, " + spin + "_id DESC");
    q.bind(1, settingId).bind(2, casino);
    for (qint64 t = 0; q.next(); ++t) {
        if (unseen == 0 && t >= (m_window > 0 ? inWindow : 0))
            break;
        const int p = m_wheel.pocketIndex(q.text(0).trimmed());
        if (p < 0)
            continue;
        if (!seen.gaps[size_t(p)]) {
            seen.gaps[size_t(p)] = t;
            if (stats::Odds::inPlay(m_wheel, p, m_zeroZero))
                --unseen;
        }
        if (m_window > 0 && t < inWindow)
            ++seen.counts[size_t(p)];
    }
    finish(seen, spins, inWindow);
}

} // namespace spinledger
