#pragma once

#include "store/Result.h"
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
    PerCategory<QString> values;  // "" when there is none
    PerCategory<double> stakes{}; // Numbers has no stake
};

// What one spin changed; the board draws it. On failure nothing was written
// and status.text is the line for the status bar.
struct SpinOutcome
{
    Status status;
    qint64 spinId = 0;
    int pocketIndex = -1;
    std::vector<int> counts;       // follower counts in the order of Wheel::counters()
    Advice advice;                 // the new current advice
    PerCategory<QString> verdicts; // judgement of the previous advice, "Y" / "N"
    PerCategory<double> winPct{};  // win ratio of every category after this spin
    PerCategory<double> lossPct{};
    QStringList coinCells; // cells that the advice bets on (played categories only)
};

struct UndoOutcome
{
    Status status;
    qint64 removedSpinId = 0; // 0 when the casino had no spin
};

struct RestakeOutcome
{
    Status status;
    qint64 adviceId = 0; // 0 when the casino has no advice yet
};

struct HistoryEntry
{
    QString label;  // "17", "00"
    QString colour; // "B", "R", "G"
};

struct CurrentAdvice
{
    bool exists = false;
    qint64 id = 0;
    Advice advice;
};

// What the category refresh shows: the current advice, and the ratios of the
// last judgement (none while only the first spin judged nothing).
struct CategoryView
{
    bool hasAdvice = false;
    PerCategory<QString> values;
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

    SpinOutcome play(const QString& label);
    UndoOutcome undoSpin(qint64 settingId, qint64 casino);
    RestakeOutcome restakeAdvice();

    // Reads for the board, for the given casino of the running installation.
    Result<std::vector<HistoryEntry>> history(qint64 casino, int limit = 14);
    Result<CurrentAdvice> currentAdvice(qint64 casino);
    Result<CategoryView> categoryView(qint64 casino);

private:
    // Runs a read on the open connection; a failure gives the wheel's code.
    template <typename T, typename Read> Result<T> guardedRead(Read&& read);

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
