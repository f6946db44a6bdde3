#include "engine/Tallies.h"

#include "engine/WheelSql.h"
#include "store/Database.h"

#include <QHash>

#include <unordered_map>

namespace spinledger {

QString Tallies::matchKey(CategoryId c, const QString& value)
{
    const QString v = value.trimmed();
    return c == CategoryId::Numbers ? QString::number(v.toInt()) : v;
}

Tallies::Tallies(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino)
    : m_db(db), m_wheel(wheel), m_settingId(settingId), m_casino(casino)
{
    for (const Category& c : wheel.categories()) {
        m_followKinds[idx(c.id)] = QStringLiteral("follow:") + c.key;
        m_judgeKinds[idx(c.id)] = QStringLiteral("verdict:") + c.key;
        m_categoryOfKind.insert(m_followKinds[idx(c.id)], &c);
        m_categoryOfKind.insert(m_judgeKinds[idx(c.id)], &c);
        for (int p = 0; p < wheel.pocketCount(); ++p)
            m_pocketsFrom[idx(c.id)][matchKey(c.id, wheel.field(p, c.field))].push_back(p);
    }
}

Tallies::Memory Tallies::emptyMemory() const
{
    Memory memory;
    memory.followers.assign(size_t(m_wheel.pocketCount()), std::vector<int>(m_wheel.counters().size(), 0));
    return memory;
}

// What a row's change does to the counts a spin reads.
void Tallies::count(Memory& memory, const QString& kind, const QString& from, const QString& to,
                    qint64 delta) const
{
    const auto category = m_categoryOfKind.constFind(kind);
    if (category == m_categoryOfKind.cend())
        return;
    const Category& c = **category;
    const int i = idx(c.id);
    if (kind == followKind(c)) {
        const auto pockets = m_pocketsFrom[i].constFind(from);
        if (pockets == m_pocketsFrom[i].cend())
            return;
        const std::vector<int>& counters = m_wheel.countersFor(c.id, to);
        for (int p : *pockets) {
            for (int counter : counters)
                memory.followers[size_t(p)][size_t(counter)] += int(delta);
        }
    } else if (from.isEmpty() && winVerdictOf(to) == WinVerdict::Won) {
        memory.verdicts[i].first += delta;
    } else if (from.isEmpty() && winVerdictOf(to) == WinVerdict::Lost) {
        memory.verdicts[i].second += delta;
    }
}

std::vector<int> Tallies::followerCounts(int pocketIndex)
{
    const WheelSql& sql = WheelSql::of(m_wheel);
    std::vector<int> counts(m_wheel.counters().size(), 0);
    if (m_memory) {
        if (pocketIndex >= 0 && size_t(pocketIndex) < m_memory->followers.size())
            counts = m_memory->followers[size_t(pocketIndex)];
        return counts;
    }
    for (const Category& c : m_wheel.categories()) {
        Statement q = m_db.prepare(sql.tallyRows);
        q.bind(1, m_settingId).bind(2, m_casino).bind(3, followKind(c));
        q.bind(4, matchKey(c.id, m_wheel.field(pocketIndex, c.field)));
        while (q.next()) {
            const QString to = q.text(0);
            const int n = int(q.integer(1));
            for (int counter : m_wheel.countersFor(c.id, to))
                counts[counter] += n;
        }
    }
    return counts;
}

void Tallies::addTransition(const SpinValues& from, const SpinValues& to, int delta)
{
    for (const Category& c : m_wheel.categories()) {
        // A follower without a value (the outside fields of 0 and 00) counts nowhere.
        const QString follower = to[idx(c.id)].trimmed();
        if (!follower.isEmpty())
            add(followKind(c), matchKey(c.id, from[idx(c.id)]), follower, delta);
    }
}

PerCategory<std::pair<qint64, qint64>> Tallies::judgementCounts()
{
    const WheelSql& sql = WheelSql::of(m_wheel);
    PerCategory<std::pair<qint64, qint64>> result{};
    if (m_memory)
        return m_memory->verdicts;
    for (const Category& c : m_wheel.categories()) {
        Statement q = m_db.prepare(sql.tallyRows);
        q.bind(1, m_settingId).bind(2, m_casino).bind(3, judgeKind(c)).bind(4, QString());
        while (q.next()) {
            const WinVerdict verdict = winVerdictOf(q.text(0));
            if (verdict == WinVerdict::Won)
                result[idx(c.id)].first = q.integer(1);
            else if (verdict == WinVerdict::Lost)
                result[idx(c.id)].second = q.integer(1);
        }
    }
    return result;
}

void Tallies::addJudgement(const PerCategory<WinVerdict>& verdicts, int delta)
{
    for (const Category& c : m_wheel.categories()) {
        const WinVerdict v = verdicts[idx(c.id)];
        if (v != WinVerdict::None)
            add(judgeKind(c), QString(), winVerdictText(v), delta);
    }
}

bool Tallies::isEmpty()
{
    Statement q = m_db.prepare(WheelSql::of(m_wheel).tallyAny);
    q.bind(1, m_settingId).bind(2, m_casino);
    return !q.next();
}

// Earlier versions counted the judgement of a casino's first spin, where no
// advice stood, under the kinds "judge:...": such tallies are counted again.
bool Tallies::isOutdated()
{
    Statement q = m_db.prepare(WheelSql::of(m_wheel).tallyOfKinds);
    q.bind(1, m_settingId)
        .bind(2, m_casino)
        .bind(3, QStringLiteral("judge:"))
        .bind(4, QStringLiteral("judge;"));
    return q.next();
}

void Tallies::rebuildIfMissing(const std::function<void()>& beforeRecount)
{
    if (!isEmpty() && !isOutdated())
        return;
    if (beforeRecount)
        beforeRecount();
    rebuild();
}

void Tallies::add(const QString& kind, const QString& from, const QString& to, qint64 delta)
{
    if (m_memory) {
        m_memory->kinds[kind][from][to] += delta;
        count(*m_memory, kind, from, to, delta);
        return;
    }
    const WheelSql& sql = WheelSql::of(m_wheel);
    // Every tally statement addresses its row by the same five key values.
    auto keyed = [&](const std::string& text) {
        Statement q = m_db.prepare(text);
        q.bind(1, m_settingId).bind(2, m_casino).bind(3, kind).bind(4, from).bind(5, to);
        return q;
    };
    keyed(sql.tallyCreate).run();
    keyed(sql.tallyAdd).bind(6, delta).run();
    if (delta < 0)
        keyed(sql.tallyDropEmpty).run();
}

void Tallies::keepInMemory()
{
    Memory memory = emptyMemory();
    Statement q = m_db.prepare(WheelSql::of(m_wheel).tallyAll);
    q.bind(1, m_settingId).bind(2, m_casino);
    while (q.next()) {
        const QString kind = q.text(0), from = q.text(1), to = q.text(2);
        memory.kinds[kind][from][to] = q.integer(3);
        count(memory, kind, from, to, q.integer(3));
    }
    m_memory = std::move(memory);
}

void Tallies::writeBack()
{
    if (!m_memory)
        return;
    const WheelSql& sql = WheelSql::of(m_wheel);
    m_db.prepare(sql.tallyClear).bind(1, m_settingId).bind(2, m_casino).run();
    for (auto kind = m_memory->kinds.cbegin(); kind != m_memory->kinds.cend(); ++kind) {
        for (auto from = kind->cbegin(); from != kind->cend(); ++from) {
            for (auto to = from->cbegin(); to != from->cend(); ++to) {
                if (to.value() <= 0)
                    continue;
                Statement q = m_db.prepare(sql.tallyInsert);
                q.bind(1, m_settingId).bind(2, m_casino).bind(3, kind.key()).bind(4, from.key());
                q.bind(5, to.key()).bind(6, to.value()).run();
            }
        }
    }
}

void Tallies::rebuild()
{
    const WheelSql& sql = WheelSql::of(m_wheel);
    m_db.prepare(sql.tallyClear).bind(1, m_settingId).bind(2, m_casino).run();
    // A batch counts again from nothing, not on top of the rows it read.
    if (m_memory)
        m_memory = emptyMemory();

    struct Key
    {
        QString kind, from, to;
        bool operator==(const Key& o) const { return kind == o.kind && from == o.from && to == o.to; }
    };
    struct KeyHash
    {
        size_t operator()(const Key& k) const
        {
            return qHash(k.kind) ^ (qHash(k.from) << 1) ^ (qHash(k.to) << 2);
        }
    };
    std::unordered_map<Key, qint64, KeyHash> totals;

    const auto& cats = m_wheel.categories();
    Statement spins = m_db.prepare(sql.historyAscending);
    spins.bind(1, m_settingId).bind(2, m_casino);
    bool havePrevious = false;
    SpinValues previous;
    while (spins.next()) {
        SpinValues current;
        for (size_t i = 0; i < cats.size(); ++i)
            current[idx(cats[i].id)] = spins.text(2 + int(i)).trimmed();
        if (havePrevious) {
            for (const Category& c : cats) {
                const QString follower = current[idx(c.id)];
                if (!follower.isEmpty())
                    ++totals[{followKind(c), matchKey(c.id, previous[idx(c.id)]), follower}];
            }
        }
        previous = current;
        havePrevious = true;
    }

    Statement wins = m_db.prepare(sql.winVerdictsOfCasino);
    wins.bind(1, m_settingId).bind(2, m_casino);
    while (wins.next()) {
        for (size_t i = 0; i < cats.size(); ++i) {
            const QString v = wins.text(int(i)).trimmed();
            if (!v.isEmpty())
                ++totals[{judgeKind(cats[i]), QString(), v}];
        }
    }

    for (const auto& [key, n] : totals)
        add(key.kind, key.from, key.to, n);
}

} // namespace spinledger
