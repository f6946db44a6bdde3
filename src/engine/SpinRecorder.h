#pragma once

#include "engine/SpinEngine.h"
#include "engine/Tallies.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <functional>
#include <optional>

namespace spinledger {

// Records spins of one casino the way a click does: writes the spin and its
// follower counts, judges the advice that stood, stakes and stores the next
// one. It works inside a transaction its caller holds, so one click or a whole
// file of spins commits at once. A click keeps the tallies in their rows; a
// batch keeps them in memory and writes them once before its commit.
// Database failures throw DbError; the caller's transaction rolls back.
class SpinRecorder
{
public:
    enum class Tallying
    {
        InRows,
        InMemory,
        // A trial run (a backtest): tallies in memory and no row written at
        // all, the outcomes being all that is wanted; memory stays that of
        // the tallies, however many spins are played.
        InMemoryNothingStored,
    };

    // settings.casino names the casino the spins belong to; the settings are
    // read once by the caller and hold for every spin recorded here. A casino
    // with history but no tallies is recounted first, after telling
    // beforeRecount, since that may take long.
    SpinRecorder(AppContext& app, const Wheel& wheel, const WheelSettings& settings, Tallying tallying,
                 const std::function<void()>& beforeRecount = {});

    // Stamp of the casino's newest spin; none while it has no spin.
    std::optional<double> newestNow() const;

    // A stamp before the newest spin's is moved up to it, so the history
    // keeps its order whatever the clock did.
    SpinOutcome record(int pocketIndex, OleStamp stamp);

    // Writes the tallies kept in memory; nothing for InRows.
    void finish();

private:
    struct Previous
    {
        qint64 id = 0;
        double now = 0;
        SpinValues values;
    };
    struct StoodAdvice
    {
        qint64 id = 0;
        Advice advice;
    };

    // An advice row as written: a batch holds the newest back until the
    // next spin judges it, so that each row is written once, linked.
    struct AdviceRow
    {
        qint64 key = 0;
        OleStamp stamp;
        qint64 spinId = 0;
        Advice advice;
    };

    void judge(SpinOutcome& out, int pocket);
    void writeAdvice(const AdviceRow& row, std::optional<qint64> judgedBy);
    // Writes the spin's rows; returns the key of its advice row.
    qint64 store(SpinOutcome& out, const OleStamp& stamp, const SpinValues& values);

    AppContext& m_app;
    const Wheel& m_wheel;
    WheelSettings m_settings;
    Tallies m_tallies;
    bool m_storing = true;
    qint64 m_trialKeys = 0; // stand-ins for the keys of rows not written
    bool m_batch = false;
    qint64 m_lastAdviceKey = 0; // a batch's: the key of the newest advice row, written or held
    std::optional<AdviceRow> m_heldAdvice;
    std::optional<Previous> m_previousSpin;
    std::optional<StoodAdvice> m_previousAdvice;
};

} // namespace spinledger
