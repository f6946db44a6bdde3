#include "engine/SpinEngine.h"

#include "engine/AdviceGenerator.h"
#include "engine/Judgement.h"
#include "engine/Tallies.h"
#include "engine/WheelSql.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

namespace spinledger {

namespace {

struct SpinRow
{
    qint64 id = 0;
    double now = 0;
    SpinValues values;
};

struct AdviceRow
{
    qint64 id = 0;
    qint64 winId = 0;
    Advice advice;
};

// History rows are ordered by their stamp and, for equal stamps, by key.
std::vector<SpinRow> newestSpins(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit)
{
    Statement q = db.prepare(WheelSql::of(w).newestSpins);
    q.bind(1, settingId).bind(2, casino).bind(3, limit);
    std::vector<SpinRow> rows;
    while (q.next()) {
        SpinRow r{q.integer(0), q.real(1), {}};
        int col = 2;
        for (const Category& c : w.categories())
            r.values[idx(c.id)] = q.text(col++).trimmed();
        rows.push_back(r);
    }
    return rows;
}

std::vector<AdviceRow> newestAdvice(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit)
{
    Statement q = db.prepare(WheelSql::of(w).newestAdvice);
    q.bind(1, settingId).bind(2, casino).bind(3, limit);
    std::vector<AdviceRow> rows;
    while (q.next()) {
        AdviceRow r;
        r.id = q.integer(0);
        r.winId = q.isNull(1) ? 0 : q.integer(1);
        int col = 2;
        for (const Category& c : w.categories())
            r.advice.values[idx(c.id)] = q.text(col++).trimmed();
        for (const Category& c : w.categories()) {
            if (c.hasStake())
                r.advice.stakes[idx(c.id)] = q.real(col++);
        }
        rows.push_back(r);
    }
    return rows;
}

// A spin never sorts before the casino's newest one, even when the clock was
// set back (daylight saving time ends, a corrected clock).
OleStamp stampAfter(const QDateTime& now, const std::vector<SpinRow>& newest)
{
    OleStamp stamp = OleStamp::fromDateTime(now);
    if (!newest.empty() && stamp.now < newest.front().now)
        stamp = OleStamp::fromNow(newest.front().now);
    return stamp;
}

void addStamp(Statement& q, const OleStamp& s)
{
    q.add(s.date).add(s.time).add(s.now);
}

} // namespace

SpinOutcome SpinEngine::play(const QString& label)
{
    SpinOutcome out;
    const QString failure = errorLine(codes::play(m_wheel.letter()));
    const QDateTime now = m_app.clock().now();
    m_app.random().reseed(quint64(now.toMSecsSinceEpoch()));

    const int pocket = m_wheel.pocketIndex(label);
    if (pocket < 0) {
        out.status = Status::failure(QStringLiteral("Unknown pocket '%1'.").arg(label));
        return out;
    }
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failure);
        return out;
    }
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings) {
        out.status = Status::failure(failure);
        return out;
    }
    const qint64 casino = settings->casino;
    if (casino <= 0) {
        out.status = Status::failure(texts::SelectCasino);
        return out;
    }

    const qint64 settingId = m_app.settingId;
    const WheelSql& sql = WheelSql::of(m_wheel);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        Tallies tallies(db, m_wheel, settingId, casino);
        const std::vector<SpinRow> previousSpin = newestSpins(db, m_wheel, settingId, casino, 1);
        if (!previousSpin.empty())
            recountIfMissing(tallies);
        const OleStamp stamp = stampAfter(now, previousSpin);

        SpinValues values;
        for (const Category& c : m_wheel.categories())
            values[idx(c.id)] = m_wheel.field(pocket, c.field);

        // Count before the new spin joins the history: it is nobody's follower yet.
        out.counts = tallies.followerCounts(pocket);
        out.pocketIndex = pocket;

        Statement spin = db.prepare(sql.insertSpin);
        addStamp(spin, stamp);
        spin.add(settingId);
        for (const Category& c : m_wheel.categories())
            spin.add(values[idx(c.id)]);
        spin.add(casino).run();
        out.spinId = db.lastInsertId();

        Statement count = db.prepare(sql.insertCount);
        addStamp(count, stamp);
        count.add(settingId).add(out.spinId);
        for (int n : out.counts)
            count.add(n);
        count.add(casino).run();

        if (!previousSpin.empty())
            tallies.addTransition(previousSpin.front().values, values, +1);

        AdviceGenerator(m_wheel, m_app.random()).generate(out.counts, *settings, out.advice, out.coinCells);

        // Judge the advice that was current before this spin.
        const std::vector<AdviceRow> previous = newestAdvice(db, m_wheel, settingId, casino, 1);
        const bool hadAdvice = !previous.empty();
        PerCategory<std::pair<qint64, qint64>> tally = tallies.judgementCounts();
        for (const Category& c : m_wheel.categories()) {
            const int i = idx(c.id);
            const QString advised = hadAdvice ? previous.front().advice.values[i] : QString();
            out.verdicts[i] = Judgement::verdict(m_wheel, c.id, pocket, advised);
            if (c.hasStake()) {
                const double before = hadAdvice ? previous.front().advice.stakes[i] : settings->amount;
                out.advice.stakes[i] = Judgement::nextStake(out.verdicts[i], settings->amount, before);
            }
            (out.verdicts[i] == u"Y" ? tally[i].first : tally[i].second) += 1;
            const qint64 total = tally[i].first + tally[i].second;
            out.winPct[i] = Judgement::percent(tally[i].first, total);
            out.lossPct[i] = Judgement::percent(tally[i].second, total);
        }
        tallies.addJudgement(out.verdicts, +1);

        Statement win = db.prepare(sql.insertWin);
        addStamp(win, stamp);
        win.add(out.spinId).add(hadAdvice ? previous.front().id : qint64(0)).add(settingId);
        for (const Category& c : m_wheel.categories())
            win.add(out.verdicts[idx(c.id)]);
        win.add(casino);
        for (const Category& c : m_wheel.categories())
            win.add(out.winPct[idx(c.id)]).add(out.lossPct[idx(c.id)]);
        win.run();
        const qint64 winId = db.lastInsertId();
        if (hadAdvice)
            db.prepare(sql.linkAdvice).bind(1, winId).bind(2, previous.front().id).run();

        Statement advice = db.prepare(sql.insertAdvice);
        addStamp(advice, stamp);
        advice.add(out.spinId).add(settingId);
        for (const Category& c : m_wheel.categories())
            advice.add(out.advice.values[idx(c.id)]);
        for (const Category& c : m_wheel.categories()) {
            if (c.hasStake())
                advice.add(out.advice.stakes[idx(c.id)]);
        }
        advice.add(casino).run();

        tx.commit();
    } catch (const DbError&) {
        out = SpinOutcome{};
        out.status = Status::failure(failure);
    }
    return out;
}

UndoOutcome SpinEngine::undoSpin(qint64 settingId, qint64 casino)
{
    UndoOutcome out;
    const QString failure = errorLine(codes::undo(m_wheel.letter()));
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failure);
        return out;
    }
    const WheelSql& sql = WheelSql::of(m_wheel);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        const std::vector<SpinRow> newest = newestSpins(db, m_wheel, settingId, casino, 2);
        if (newest.empty()) {
            tx.commit();
            return out;
        }
        const SpinRow& spin = newest.front();
        Tallies tallies(db, m_wheel, settingId, casino);
        recountIfMissing(tallies);

        // The judgement this spin made goes with it, and the advice it judged
        // becomes the current, unjudged advice again.
        Statement judged = db.prepare(sql.winOfSpin);
        judged.bind(1, spin.id);
        std::vector<std::pair<qint64, PerCategory<QString>>> wins;
        while (judged.next()) {
            PerCategory<QString> verdicts;
            int col = 1;
            for (const Category& c : m_wheel.categories())
                verdicts[idx(c.id)] = judged.text(col++).trimmed();
            wins.emplace_back(judged.integer(0), verdicts);
        }

        db.prepare(sql.deleteSpin).bind(1, spin.id).run();
        db.prepare(sql.deleteAdviceOfSpin).bind(1, spin.id).run();
        db.prepare(sql.deleteCountOfSpin).bind(1, spin.id).run();
        db.prepare(sql.deleteWinOfSpin).bind(1, spin.id).run();
        for (const auto& [winId, verdicts] : wins) {
            db.prepare(sql.unlinkAdvice).bind(1, winId).run();
            tallies.addJudgement(verdicts, -1);
        }
        if (newest.size() > 1)
            tallies.addTransition(newest[1].values, spin.values, -1);

        tx.commit();
        out.removedSpinId = spin.id;
    } catch (const DbError&) {
        out = UndoOutcome{};
        out.status = Status::failure(failure);
    }
    return out;
}

RestakeOutcome SpinEngine::restakeAdvice()
{
    RestakeOutcome out;
    const QString failure = errorLine(codes::restake(m_wheel.letter()));
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failure);
        return out;
    }
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings) {
        out.status = Status::failure(failure);
        return out;
    }
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        const std::vector<AdviceRow> current =
            newestAdvice(db, m_wheel, m_app.settingId, settings->casino, 1);
        if (!current.empty()) {
            db.prepare(WheelSql::of(m_wheel).restake)
                .bind(1, settings->amount)
                .bind(2, current.front().id)
                .run();
            out.adviceId = current.front().id;
        }
        tx.commit();
    } catch (const DbError&) {
        out = RestakeOutcome{};
        out.status = Status::failure(failure);
    }
    return out;
}

// A file of an earlier version, or one written beside the program, has history
// without tallies.
void SpinEngine::recountIfMissing(Tallies& tallies)
{
    if (!tallies.isEmpty())
        return;
    if (m_longWork)
        m_longWork();
    tallies.rebuild();
}

template <typename T, typename Read> Result<T> SpinEngine::guardedRead(Read&& read)
{
    const QString failure = errorLine(codes::show(m_wheel.letter()));
    if (!m_app.ensureOpen())
        return Result<T>::failure(failure);
    try {
        return read(m_app.db());
    } catch (const DbError&) {
        return Result<T>::failure(failure);
    }
}

Result<std::vector<HistoryEntry>> SpinEngine::history(qint64 casino, int limit)
{
    return guardedRead<std::vector<HistoryEntry>>([&](Database& db) {
        const std::vector<SpinRow> rows = newestSpins(db, m_wheel, m_app.settingId, casino, limit);
        std::vector<HistoryEntry> entries;
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            entries.push_back({it->values[idx(CategoryId::Numbers)], it->values[idx(CategoryId::BlackRed)]});
        return entries;
    });
}

Result<CurrentAdvice> SpinEngine::currentAdvice(qint64 casino)
{
    return guardedRead<CurrentAdvice>([&](Database& db) {
        const std::vector<AdviceRow> rows = newestAdvice(db, m_wheel, m_app.settingId, casino, 1);
        CurrentAdvice current;
        if (!rows.empty())
            current = {true, rows.front().id, rows.front().advice};
        return current;
    });
}

Result<CategoryView> SpinEngine::categoryView(qint64 casino)
{
    return guardedRead<CategoryView>([&](Database& db) {
        const std::vector<AdviceRow> rows = newestAdvice(db, m_wheel, m_app.settingId, casino, 2);
        CategoryView view;
        // The ratios shown are those of the last judgement, which the advice
        // before the current one points to.
        if (rows.size() < 2)
            return view;
        view.hasAdvice = true;
        view.values = rows.front().advice.values;
        if (rows[1].winId > 0) {
            Statement q = db.prepare(WheelSql::of(m_wheel).winPercents);
            q.bind(1, rows[1].winId);
            if (q.next()) {
                int col = 0;
                for (const Category& c : m_wheel.categories())
                    view.winPct[idx(c.id)] = q.real(col++);
            }
        }
        return view;
    });
}

} // namespace spinledger
