#include "engine/SpinRecorder.h"

#include "engine/AdviceGenerator.h"
#include "engine/HistoryRows.h"
#include "engine/Judgement.h"
#include "engine/WheelSql.h"
#include "store/AppContext.h"

namespace spinledger {

namespace {

// Into a statement or a batch's row.
template <typename Sink> void addStamp(Sink& q, const OleStamp& s)
{
    q.add(s.date).add(s.time).add(s.now);
}

// The values of each row, in the order of the table's INSERT, for a
// statement of one row or a batch of many.
template <typename Sink>
void addSpinRow(Sink& q, const Wheel& w, const OleStamp& stamp, qint64 settingId, const SpinValues& values,
                qint64 casino)
{
    addStamp(q, stamp);
    q.add(settingId);
    for (const Category& c : w.categories())
        q.add(values[idx(c.id)]);
    q.add(casino);
}

template <typename Sink>
void addCountRow(Sink& q, const OleStamp& stamp, qint64 settingId, const SpinOutcome& out, qint64 casino)
{
    addStamp(q, stamp);
    q.add(settingId).add(out.spinId);
    for (int n : out.counts)
        q.add(n);
    q.add(casino);
}

template <typename Sink>
void addWinRow(Sink& q, const Wheel& w, const OleStamp& stamp, qint64 judgedAdvice, qint64 settingId,
               const SpinOutcome& out, qint64 casino)
{
    addStamp(q, stamp);
    q.add(out.spinId).add(judgedAdvice).add(settingId);
    for (const Category& c : w.categories())
        q.add(winVerdictText(out.verdicts[idx(c.id)]));
    q.add(casino);
    for (const Category& c : w.categories())
        q.add(out.winPct[idx(c.id)]).add(out.lossPct[idx(c.id)]);
}

template <typename Sink>
void addAdviceRow(Sink& q, const Wheel& w, const OleStamp& stamp, qint64 spinId, qint64 settingId,
                  const Advice& advice, qint64 casino)
{
    addStamp(q, stamp);
    q.add(spinId).add(settingId);
    for (const Category& c : w.categories())
        q.add(w.adviceText(advice.values[idx(c.id)]));
    for (const Category& c : w.categories()) {
        if (c.hasStake())
            q.add(advice.stakes[idx(c.id)]);
    }
    q.add(casino);
}

qint64 keyBefore(Database& db, const std::string& sql)
{
    Statement q = db.prepare(sql);
    return q.next() ? q.integer(0) : 0;
}

} // namespace

SpinRecorder::SpinRecorder(AppContext& app, const Wheel& wheel, const WheelSettings& settings,
                           Tallying tallying, const std::function<void()>& beforeRecount)
    : m_app(app), m_wheel(wheel), m_settings(settings),
      m_tallies(app.db(), wheel, app.settingId, settings.casino),
      m_storing(tallying != Tallying::InMemoryNothingStored)
{
    Database& db = m_app.db();
    if (tallying == Tallying::InMemory)
        m_batch = std::make_unique<Batch>(db, WheelSql::of(wheel));
    // Before a recount, so that a batch recounts into memory and writes once.
    if (tallying != Tallying::InRows)
        m_tallies.keepInMemory();
    const auto spins = HistoryRows::newestSpins(db, m_wheel, m_app.settingId, m_settings.casino, 1);
    if (!spins.empty()) {
        m_previousSpin = Previous{spins.front().id, spins.front().now, spins.front().values};
        m_tallies.rebuildIfMissing(beforeRecount);
    }
    const auto advice = HistoryRows::newestAdvice(db, m_wheel, m_app.settingId, m_settings.casino, 1);
    if (!advice.empty())
        m_previousAdvice = StoodAdvice{advice.front().id, advice.front().advice};
}

std::optional<double> SpinRecorder::newestNow() const
{
    return m_previousSpin ? std::optional<double>(m_previousSpin->now) : std::nullopt;
}

SpinOutcome SpinRecorder::record(int pocket, OleStamp stamp)
{
    SpinOutcome out;
    if (m_previousSpin && stamp.now < m_previousSpin->now)
        stamp = OleStamp::fromNow(m_previousSpin->now);

    SpinValues values;
    for (const Category& c : m_wheel.categories())
        values[idx(c.id)] = m_wheel.field(pocket, c.field);

    // Count before the new spin joins the history: it is nobody's follower yet.
    out.counts = m_tallies.followerCounts(pocket);
    out.pocketIndex = pocket;
    if (m_previousSpin)
        m_tallies.addTransition(m_previousSpin->values, values, +1);

    AdviceGenerator(m_wheel, m_app.random()).generate(out.counts, m_settings, out.advice, out.coinCells);
    judge(out, pocket);

    qint64 adviceId = 0;
    if (m_storing) {
        adviceId = store(out, stamp, values);
    } else {
        out.spinId = ++m_trialKeys;
        adviceId = out.spinId;
    }
    m_previousSpin = Previous{out.spinId, stamp.now, values};
    m_previousAdvice = StoodAdvice{adviceId, out.advice};
    out.current = {true, adviceId, out.advice};
    return out;
}

// Judges the advice that stood before this spin. With none standing (the
// casino's first spin) the row is still written, as files of earlier
// versions hold it, but nothing was advised: no stake doubles and no ratio
// counts it, as the statistics do not.
void SpinRecorder::judge(SpinOutcome& out, int pocket)
{
    const bool hadAdvice = m_previousAdvice.has_value();
    PerCategory<std::pair<qint64, qint64>> tally = m_tallies.judgementCounts();
    for (const Category& c : m_wheel.categories()) {
        const int i = idx(c.id);
        const AdviceValue advised = hadAdvice ? m_previousAdvice->advice.values[i] : AdviceValue::none(c.id);
        out.verdicts[i] = Judgement::verdict(m_wheel, pocket, advised);
        if (c.hasStake()) {
            out.advice.stakes[i] = hadAdvice ? Judgement::nextStake(out.verdicts[i], m_settings.amount,
                                                                    m_previousAdvice->advice.stakes[i])
                                             : m_settings.amount;
        }
        if (hadAdvice)
            (out.verdicts[i] == WinVerdict::Won ? tally[i].first : tally[i].second) += 1;
        const qint64 total = tally[i].first + tally[i].second;
        out.winPct[i] = Judgement::percent(tally[i].first, total);
        out.lossPct[i] = Judgement::percent(tally[i].second, total);
    }
    if (hadAdvice)
        m_tallies.addJudgement(out.verdicts, +1);
}

namespace {

RowBatch batchOf(Database& db, const WheelSql::KeyedRows& keyed)
{
    return RowBatch(db, keyed.columns, keyed.width, keyBefore(db, keyed.keyBefore));
}

} // namespace

SpinRecorder::Batch::Batch(Database& db, const WheelSql& sql)
    : spins(batchOf(db, sql.spinRows)), counts(batchOf(db, sql.countRows)), wins(batchOf(db, sql.winRows)),
      advice(batchOf(db, sql.adviceRows))
{
}

qint64 SpinRecorder::store(SpinOutcome& out, const OleStamp& stamp, const SpinValues& values)
{
    if (m_batch)
        return storeInBatch(out, stamp, values);
    Database& db = m_app.db();
    const WheelSql& sql = WheelSql::of(m_wheel);
    const qint64 settingId = m_app.settingId;
    const qint64 casino = m_settings.casino;
    const bool hadAdvice = m_previousAdvice.has_value();

    Statement spin = db.prepare(sql.insertSpin);
    addSpinRow(spin, m_wheel, stamp, settingId, values, casino);
    spin.run();
    out.spinId = db.lastInsertId();

    Statement count = db.prepare(sql.insertCount);
    addCountRow(count, stamp, settingId, out, casino);
    count.run();

    Statement win = db.prepare(sql.insertWin);
    addWinRow(win, m_wheel, stamp, hadAdvice ? m_previousAdvice->id : qint64(0), settingId, out, casino);
    win.run();
    if (hadAdvice)
        db.prepare(sql.linkAdvice).bind(1, db.lastInsertId()).bind(2, m_previousAdvice->id).run();

    Statement advice = db.prepare(sql.insertAdvice);
    addAdviceRow(advice, m_wheel, stamp, out.spinId, settingId, out.advice, casino);
    advice.run();
    return db.lastInsertId();
}

// The same rows as store() writes, with the same keys, many to a statement.
qint64 SpinRecorder::storeInBatch(SpinOutcome& out, const OleStamp& stamp, const SpinValues& values)
{
    const qint64 settingId = m_app.settingId;
    const qint64 casino = m_settings.casino;
    const bool hadAdvice = m_previousAdvice.has_value();
    Batch& b = *m_batch;

    out.spinId = b.spins.newKey();
    addSpinRow(b.spins, m_wheel, stamp, settingId, values, casino);
    b.spins.endRow();

    b.counts.newKey();
    addCountRow(b.counts, stamp, settingId, out, casino);
    b.counts.endRow();

    const qint64 winId = b.wins.newKey();
    addWinRow(b.wins, m_wheel, stamp, hadAdvice ? m_previousAdvice->id : qint64(0), settingId, out, casino);
    b.wins.endRow();

    // The advice this spin judged: held back and written now, linked; or,
    // stored before the batch, linked in its row.
    if (m_heldAdvice)
        batchAdvice(*m_heldAdvice, winId);
    else if (hadAdvice)
        m_app.db()
            .prepare(WheelSql::of(m_wheel).linkAdvice)
            .bind(1, winId)
            .bind(2, m_previousAdvice->id)
            .run();
    m_heldAdvice = AdviceRow{b.advice.newKey(), stamp, out.spinId, out.advice};
    return m_heldAdvice->key;
}

void SpinRecorder::batchAdvice(const AdviceRow& row, std::optional<qint64> judgedBy)
{
    RowBatch& advice = m_batch->advice;
    if (judgedBy)
        advice.add(*judgedBy);
    else
        advice.addNull();
    addAdviceRow(advice, m_wheel, row.stamp, row.spinId, m_app.settingId, row.advice, m_settings.casino);
    advice.endRow();
}

void SpinRecorder::finish()
{
    if (m_heldAdvice)
        batchAdvice(*m_heldAdvice, std::nullopt);
    m_heldAdvice.reset();
    if (m_batch) {
        for (RowBatch* rows : {&m_batch->spins, &m_batch->counts, &m_batch->wins, &m_batch->advice})
            rows->flush();
    }
    if (m_storing)
        m_tallies.writeBack();
}

} // namespace spinledger
