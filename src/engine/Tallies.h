#pragma once

#include "engine/WinVerdict.h"
#include "wheel/Wheel.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace spinledger {

class Database;

// The stored category values of one spin, trimmed, indexed by category.
using SpinValues = PerCategory<QString>;

// Running summaries of one casino's history, kept beside the rows so that a
// spin costs the same at any history length:
//  - follower transitions: per category, how often a spin with value "from"
//    was followed by a spin with value "to";
//  - judgement counts: per category, how many judgements of an advice were
//    "Y" and "N" (the first spin of a casino judges none).
// They change in the same transaction as the rows they summarise and can be
// rebuilt from those rows at any time.
class Tallies
{
public:
    Tallies(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino);

    // Follower counts for a spin of the given pocket, in counter order, over
    // the history as it stands (the new spin itself not yet in it).
    std::vector<int> followerCounts(int pocketIndex);
    void addTransition(const SpinValues& from, const SpinValues& to, int delta);

    // Won and lost judgements of every category.
    PerCategory<std::pair<qint64, qint64>> judgementCounts();
    void addJudgement(const PerCategory<WinVerdict>& verdicts, int delta);

    // Recomputes every tally of the casino from its spin and judgement rows.
    void rebuild();
    // A history without tallies (a file of an earlier version, or one written
    // beside the program) or with tallies an earlier version counted is
    // rebuilt, after telling beforeRecount: that may take long.
    void rebuildIfMissing(const std::function<void()>& beforeRecount);

    // From here on the casino's tallies are read once and kept in memory, for
    // a batch of spins in one transaction; writeBack() stores them again.
    void keepInMemory();
    void writeBack();

    // The key a category value is matched by: pocket labels match by number,
    // so "0" and "00" are the same earlier spin for Numbers.
    static QString matchKey(CategoryId c, const QString& value);

private:
    // to value -> count, per from value, per kind.
    using Followers = QHash<QString, qint64>;
    using KindRows = QHash<QString, Followers>;
    struct Memory
    {
        QHash<QString, KindRows> kinds;
        // Kept up to date with every change, so a spin reads its counts
        // instead of summing the rows: per pocket, the follower counts in
        // counter order; per category, the won and lost judgements.
        std::vector<std::vector<int>> followers;
        PerCategory<std::pair<qint64, qint64>> verdicts{};
    };

    bool isEmpty();
    bool isOutdated();
    void add(const QString& kind, const QString& from, const QString& to, qint64 delta);
    Memory emptyMemory() const;
    void count(Memory& memory, const QString& kind, const QString& from, const QString& to,
               qint64 delta) const;
    const QString& followKind(const Category& c) const { return m_followKinds[idx(c.id)]; }
    const QString& judgeKind(const Category& c) const { return m_judgeKinds[idx(c.id)]; }

    Database& m_db;
    const Wheel& m_wheel;
    qint64 m_settingId;
    qint64 m_casino;
    PerCategory<QString> m_followKinds;
    PerCategory<QString> m_judgeKinds;
    std::optional<Memory> m_memory;
    // Per category: the pockets whose value matches a tally's "from".
    PerCategory<QHash<QString, std::vector<int>>> m_pocketsFrom;
    QHash<QString, const Category*> m_categoryOfKind; // follow and judge kinds alike
};

} // namespace spinledger
