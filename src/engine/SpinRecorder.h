#pragma once

#include "engine/RowBatch.h"
#include "engine/SpinEngine.h"
#include "engine/Tallies.h"
#include "engine/WheelSql.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <functional>
#include <memory>
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

    // A batch's rows of each table.
    struct Batch
    {
        Batch(Database& db, const WheelSql& sql);
        RowBatch spins, counts, wins, advice;
    };

    void judge(SpinOutcome& out, int pocket);
    // Writes the spin's rows; returns the key of its advice row.
    qint64 store(SpinOutcome& out, const OleStamp& stamp, const SpinValues& values);
    qint64 storeInBatch(SpinOutcome& out, const OleStamp& stamp, const SpinValues& values);
    // Adds an advice row to the batch, linked to the win row of the spin
    // that judged it (none while it stands).
    void batchAdvice(const AdviceRow& row, std::optional<qint64> judgedBy);

    AppContext& m_app;
    const Wheel& m_wheel;
    WheelSettings m_settings;
    Tallies m_tallies;
    bool m_storing = true;
    qint64 m_trialKeys = 0; // stand-ins for the keys of rows not written
    std::unique_ptr<Batch> m_batch;
    std::optional<AdviceRow> m_heldAdvice; // a batch's newest advice, held until the next spin judges it
    std::optional<Previous> m_previousSpin;
    std::optional<StoodAdvice> m_previousAdvice;
};

} // namespace spinledger
