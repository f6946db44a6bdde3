#pragma once

#include "engine/WinVerdict.h"
#include "stats/SpinWindow.h"
#include "wheel/Wheel.h"

#include <QString>

#include <optional>
#include <vector>

namespace spinledger {
class Database;
class Statement;
} // namespace spinledger

namespace spinledger::stats {

// One spin as the history lists it, with the advice it judged.
struct HistoryRow
{
    struct Bet
    {
        AdviceValue advice; // none when no advice was judged
        double stake = -1;  // negative where none is stored (Numbers has none)
        WinVerdict verdict = WinVerdict::None;
    };

    qint64 place = 0; // the spin's number in the casino's history, from 1
    qint64 id = 0;
    double now = 0;
    QString pocket;
    std::vector<Bet> bets; // per category of the wheel, in its order
};

// The spins of a window, newest first, a page at a time: each page goes on
// below the last row read (by stamp and key), so a page costs the same at
// the millionth spin as at the first. With a pocket, only that pocket's spins
// are returned; they keep their places in the whole history.
class SpinHistory
{
public:
    SpinHistory(const Wheel& wheel, qint64 settingId, qint64 casino, const SpinSpan& span,
                const QString& pocket = {});

    // Up to `rows` further rows; fewer when the window ends, or when a pocket
    // is asked for and `scan` spins went by without filling the page (the
    // next call goes on from there). Throws DbError.
    std::vector<HistoryRow> next(Database& db, int rows, int scan = 20000);
    bool atEnd() const { return m_place < m_span.first; }

private:
    bool findStart(Database& db);
    void readBets(const Statement& q, HistoryRow& row) const;

    const Wheel& m_wheel;
    qint64 m_settingId;
    qint64 m_casino;
    SpinSpan m_span;
    QString m_pocket;
    qint64 m_place;                                   // the place of the next spin to read
    std::optional<std::pair<double, qint64>> m_below; // read below this stamp and key
};

} // namespace spinledger::stats
