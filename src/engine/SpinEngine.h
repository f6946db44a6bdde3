#pragma once

#include "engine/WinVerdict.h"
#include "store/Result.h"
#include "store/SettingsStore.h"
#include "wheel/Wheel.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <vector>

namespace spinledger {

class AppContext;

// An advice: one value per category and a stake per outside category.
struct Advice
{
    PerCategory<AdviceValue> values = noAdvice();
    PerCategory<double> stakes{}; // Numbers has no stake
};

struct HistoryEntry
{
    QString label; // "17", "00"
    PocketColour colour = PocketColour::Unknown;
};

struct CurrentAdvice
{
    bool exists = false;
    qint64 id = 0;
    Advice advice;
};

// Everything a board draws of a casino, as one operation left it: the
// stored settings, the current advice with its stakes and the cells it
// bets on (played categories only), the ratios of the last judgement and
// the newest spins. status is the operation's first failure; with
// read false nothing could be read and the rest is empty.
struct BoardState
{
    Status status;
    bool read = false;
    qint64 casino = 0;
    WheelSettings settings;
    CurrentAdvice current;
    QStringList coinCells;
    PerCategory<double> winPct{};
    std::vector<HistoryEntry> history; // oldest first
};

// What one spin changed. On failure nothing was written and status.text is
// the line for the status bar; the board state is then what is stored.
struct SpinOutcome : BoardState
{
    qint64 spinId = 0;
    int pocketIndex = -1;
    std::vector<int> counts;            // follower counts in the order of Wheel::counters()
    Advice advice;                      // the new current advice
    PerCategory<WinVerdict> verdicts{}; // judgement of the previous advice
    PerCategory<double> lossPct{};
};

struct UndoOutcome : BoardState
{
    qint64 removedSpinId = 0; // 0 when the casino had no spin
};

struct RestakeOutcome : BoardState
{
    qint64 adviceId = 0; // 0 when the casino has no advice yet
};

// What the category refresh shows: the current advice, and the ratios of the
// last judgement (none while only the first spin judged nothing).
struct CategoryView
{
    bool hasAdvice = false;
    qint64 adviceId = 0;
    PerCategory<AdviceValue> values = noAdvice();
    PerCategory<double> stakes{};
    PerCategory<double> winPct{};
};

// The spin engine of one wheel: records a spin, counts its followers, judges
// the previous advice, stakes and stores the next one; undoes and re-stakes.
// Each operation runs in one transaction.
class SpinEngine
{
public:
    SpinEngine(AppContext& app, const Wheel& wheel) : m_app(app), m_wheel(wheel) {}

    const Wheel& wheel() const { return m_wheel; }

    // Told before work that may take long, recounting a casino's history
    // whose tallies are missing, so that the caller can say so.
    void setLongWorkNotice(std::function<void()> notice) { m_longWork = std::move(notice); }

    // Every operation works on the given casino of the running installation
    // and answers what the board then draws.
    SpinOutcome play(qint64 casino, const QString& label);
    UndoOutcome undo(qint64 casino);
    // The current advice staked anew at the stored amount.
    RestakeOutcome restake(qint64 casino);
    BoardState state(qint64 casino);

    static constexpr int HistoryRows = 14;

    // Reads, for the given casino of the running installation.
    Result<std::vector<HistoryEntry>> history(qint64 casino, int limit = HistoryRows);
    Result<CurrentAdvice> currentAdvice(qint64 casino);
    Result<CategoryView> categoryView(qint64 casino);

private:
    // Runs a read on the open connection; a failure gives the wheel's code.
    template <typename T, typename Read> Result<T> guardedRead(Read&& read);
    // The state read after an operation; its failure, the operation's own
    // coming first, in status.
    void readState(BoardState& state, qint64 casino, const WheelSettings* settings = nullptr);
    QStringList coinCells(const CurrentAdvice& current, const PerCategory<bool>& played) const;
    // The failure line of an operation's code; the reason goes to the log.
    QString failed(const QString& code, const char* operation, const char* why = nullptr);

    AppContext& m_app;
    const Wheel& m_wheel;
    std::function<void()> m_longWork;
};

// Both engines of the application.
class SpinEngines
{
public:
    explicit SpinEngines(AppContext& app) : r(app, Wheel::r()), m(app, Wheel::m()) {}

    SpinEngine r;
    SpinEngine m;
};

} // namespace spinledger
