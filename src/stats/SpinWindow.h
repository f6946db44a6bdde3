#pragma once

#include <QtGlobal>

#include <optional>

namespace spinledger {
class Database;
class Wheel;
} // namespace spinledger

namespace spinledger::stats {

// Which of a casino's spins the figures are of: all of them, the newest few,
// the spins of the session, or those between two dates. Stamps are the
// history's own (days since 30 December 1899, time of day as the fraction).
struct SpinWindow
{
    enum class Kind
    {
        All,
        Last,    // the `last` newest spins
        Session, // the spins from `from` on, the session's first stamp
        Dates,   // the spins stamped at or after `from` and before `until`
    };
    Kind kind = Kind::All;
    qint64 last = 0;
    std::optional<double> from;
    std::optional<double> until;

    static SpinWindow newest(qint64 count) { return {Kind::Last, count, {}, {}}; }
    static SpinWindow session(double firstStamp) { return {Kind::Session, 0, firstStamp, {}}; }
    static SpinWindow dates(std::optional<double> from, std::optional<double> until)
    {
        return {Kind::Dates, 0, from, until};
    }
};

// A window as places in the casino's history in the order of play, the first
// spin 1.
struct SpinSpan
{
    qint64 first = 1;
    qint64 last = 0;  // below first: no spin in the window
    qint64 total = 0; // the casino's spins, in the window or not

    qint64 size() const { return last >= first ? last - first + 1 : 0; }
    bool whole() const { return first == 1 && last == total; }
};

namespace SpinWindows {

// The places of the window's spins, counted in the history's index. Throws DbError.
SpinSpan resolve(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino, const SpinWindow& window);

} // namespace SpinWindows

} // namespace spinledger::stats
