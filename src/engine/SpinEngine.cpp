#include "engine/SpinEngine.h"

#include "engine/EngineLog.h"
#include "engine/HistoryRows.h"
#include "engine/SpinRecorder.h"
#include "engine/Tallies.h"
#include "engine/WheelSql.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>

namespace spinledger {

namespace {

using HistoryRows::AdviceRow;
using HistoryRows::newestAdvice;
using HistoryRows::newestSpins;
using HistoryRows::SpinRow;

} // namespace

QString SpinEngine::failed(const QString& code, const char* operation, const char* why)
{
    qCWarning(lcEngine).noquote() << m_wheel.letter() << operation
                                  << "failed:" << (why ? QString::fromUtf8(why) : m_app.db().lastError());
    return m_app.failureLine(code);
}

SpinOutcome SpinEngine::play(qint64 casino, const QString& label)
{
    SpinOutcome out;
    const QString code = codes::play(m_wheel.letter());
    const QDateTime now = m_app.clock().now();
    m_app.random().reseed(quint64(now.toMSecsSinceEpoch()));

    const int pocket = m_wheel.pocketIndex(label);
    if (pocket < 0) {
        out.status =
            Status::failure(QCoreApplication::translate("SpinEngine", "Unknown pocket '%1'.").arg(label));
        return out;
    }
    if (casino <= 0) {
        out.status = Status::failure(texts::SelectCasino());
        return out;
    }
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failed(code, "spin"));
        return out;
    }
    Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings) {
        out.status = Status::failure(failed(code, "spin", "settings not read"));
        readState(out, casino);
        return out;
    }
    settings.value().casino = casino;
    try {
        Transaction tx(m_app.db());
        SpinRecorder recorder(m_app, m_wheel, *settings, SpinRecorder::Tallying::InRows, m_longWork);
        out = recorder.record(pocket, OleStamp::fromDateTime(now));
        tx.commit();
    } catch (const DbError& e) {
        // Rolled back: the board shows what is stored.
        out = SpinOutcome{};
        out.status = Status::failure(failed(code, "spin", e.what()));
        readState(out, casino, &*settings);
        return out;
    }
    // What the spin wrote is what the board shows; only the newest spins
    // are read.
    out.read = true;
    out.casino = casino;
    out.settings = *settings;
    const Result<std::vector<HistoryEntry>> spins = history(casino);
    if (spins)
        out.history = *spins;
    else
        out.status = Status::failure(spins.status());
    return out;
}

UndoOutcome SpinEngine::undo(qint64 casino)
{
    UndoOutcome out;
    const QString code = codes::undo(m_wheel.letter());
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failed(code, "undo"));
        return out;
    }
    const WheelSql& sql = WheelSql::of(m_wheel);
    const qint64 settingId = m_app.settingId;
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        const std::vector<SpinRow> newest = newestSpins(db, m_wheel, settingId, casino, 2);
        if (!newest.empty()) {
            const SpinRow& spin = newest.front();
            Tallies tallies(db, m_wheel, settingId, casino);
            tallies.rebuildIfMissing(m_longWork);

            // The judgement this spin made goes with it, and the advice it
            // judged becomes the current, unjudged advice again.
            Statement judged = db.prepare(sql.winOfSpin);
            judged.bind(1, spin.id);
            std::vector<std::pair<qint64, PerCategory<WinVerdict>>> wins;
            while (judged.next()) {
                PerCategory<WinVerdict> verdicts{};
                // A row that judged no advice (the casino's first spin) is in no tally.
                if (judged.integer(1) > 0) {
                    int col = 2;
                    for (const Category& c : m_wheel.categories())
                        verdicts[idx(c.id)] = winVerdictOf(judged.text(col++));
                }
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
            out.removedSpinId = spin.id;
        }
        tx.commit();
    } catch (const DbError& e) {
        out = UndoOutcome{};
        out.status = Status::failure(failed(code, "undo", e.what()));
    }
    // Drawn either way: the board shows what the database holds.
    readState(out, casino);
    return out;
}

RestakeOutcome SpinEngine::restake(qint64 casino)
{
    RestakeOutcome out;
    const QString code = codes::restake(m_wheel.letter());
    if (!m_app.ensureOpen()) {
        out.status = Status::failure(failed(code, "re-stake"));
        return out;
    }
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings) {
        out.status = Status::failure(failed(code, "re-stake", "settings not read"));
        readState(out, casino);
        return out;
    }
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        const std::vector<AdviceRow> current = newestAdvice(db, m_wheel, m_app.settingId, casino, 1);
        if (!current.empty()) {
            db.prepare(WheelSql::of(m_wheel).restake)
                .bind(1, settings->amount)
                .bind(2, current.front().id)
                .run();
            out.adviceId = current.front().id;
        }
        tx.commit();
    } catch (const DbError& e) {
        out = RestakeOutcome{};
        out.status = Status::failure(failed(code, "re-stake", e.what()));
    }
    readState(out, casino, &*settings);
    return out;
}

BoardState SpinEngine::state(qint64 casino)
{
    BoardState state;
    readState(state, casino);
    return state;
}

void SpinEngine::readState(BoardState& state, qint64 casino, const WheelSettings* known)
{
    const auto keepFirst = [&state](const QString& failure) {
        if (state.status.ok)
            state.status = Status::failure(failure);
    };
    state.casino = casino;
    Result<WheelSettings> settings =
        known ? Result<WheelSettings>(*known) : SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings) {
        keepFirst(settings.status());
        return;
    }
    state.settings = *settings;
    state.settings.casino = casino;
    const Result<std::vector<HistoryEntry>> spins = history(casino);
    const Result<CategoryView> view = categoryView(casino);
    if (!spins || !view) {
        keepFirst(!spins ? spins.status() : view.status());
        return;
    }
    state.read = true;
    state.history = *spins;
    state.winPct = view->winPct;
    state.current = {view->hasAdvice, view->adviceId, {view->values, view->stakes}};
    state.coinCells = coinCells(state.current, state.settings.played);
}

QStringList SpinEngine::coinCells(const CurrentAdvice& current, const PerCategory<bool>& played) const
{
    QStringList cells;
    if (!current.exists)
        return cells;
    for (const Category& c : m_wheel.categories()) {
        const AdviceValue value = current.advice.values[idx(c.id)];
        if (played[idx(c.id)] && value.isChoice())
            cells << m_wheel.cellName(value);
    }
    return cells;
}

template <typename T, typename Read> Result<T> SpinEngine::guardedRead(Read&& read)
{
    const auto failure = [this] { return m_app.failureLine(codes::show(m_wheel.letter())); };
    if (!m_app.ensureOpen())
        return Result<T>::failure(failure());
    try {
        return read(m_app.db());
    } catch (const DbError& e) {
        qCWarning(lcEngine).noquote() << m_wheel.letter() << "read failed:" << e.what();
        return Result<T>::failure(failure());
    }
}

Result<std::vector<HistoryEntry>> SpinEngine::history(qint64 casino, int limit)
{
    return guardedRead<std::vector<HistoryEntry>>([&](Database& db) {
        const std::vector<SpinRow> rows = newestSpins(db, m_wheel, m_app.settingId, casino, limit);
        std::vector<HistoryEntry> entries;
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            entries.push_back({it->values[idx(CategoryId::Numbers)],
                               pocketColourOf(it->values[idx(CategoryId::BlackRed)])});
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
        // The current advice stands from the first spin on, as the spin
        // showed it. The ratios shown are those of the last judgement, which
        // the advice before the current one points to.
        if (rows.empty())
            return view;
        view.hasAdvice = true;
        view.adviceId = rows.front().id;
        view.values = rows.front().advice.values;
        view.stakes = rows.front().advice.stakes;
        if (rows.size() > 1 && rows[1].winId > 0) {
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
