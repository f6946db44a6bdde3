#include "io/SpinImport.h"

#include "engine/HistoryRows.h"
#include "engine/SpinRecorder.h"
#include "io/ImportLog.h"
#include "io/IoLog.h"
#include "io/SpinFileReader.h"
#include "io/SpinSource.h"
#include "store/AppContext.h"
#include "store/CasinoStore.h"
#include "store/ErrorCodes.h"
#include "store/RollbackJournal.h"

#include <algorithm>

namespace spinledger {

namespace {

constexpr qint64 SecondMs = 1000;
constexpr qint64 DayMs = 24 * 3600 * SecondMs;
constexpr qint64 ProgressEvery = 512;
// Pages kept in memory while an import writes (in KiB, as cache_size takes
// a negative number). An import appends to each table and index, so the
// pages it keeps touching are few: a larger cache bought no speed, only
// memory, of which the log's index of a long import needs its share.
constexpr int ImportCacheKib = 8 * 1024;

// The connection's page cache, larger for the time of an import.
class LargerCache
{
public:
    explicit LargerCache(Database& db) : m_db(db)
    {
        Statement q = db.prepare("PRAGMA cache_size");
        m_before = q.next() ? q.integer(0) : 0;
        set(-ImportCacheKib);
    }
    ~LargerCache()
    {
        try {
            set(m_before);
        } catch (const DbError& e) {
            qCWarning(lcIo) << "the import's cache size could not be restored:" << e.what();
            // The size only matters for speed.
        }
    }
    LargerCache(const LargerCache&) = delete;
    LargerCache& operator=(const LargerCache&) = delete;

private:
    void set(qint64 size)
    {
        m_db.exec(QByteArray("PRAGMA cache_size=" + QByteArray::number(size)).constData());
    }

    Database& m_db;
    qint64 m_before = 0;
};

SpinImport::Report report(SpinImport::Outcome outcome, QString message, qint64 spins = 0)
{
    return {outcome, spins, std::move(message), QString(), 0};
}

QString refusal(const QString& name, const FileProblem& problem)
{
    return problem.line > 0 ? name + QStringLiteral(": ") + problem.text() : problem.text();
}

} // namespace

// The player reads why, such as a full disk; the engine's words go to the log.
QString SpinImport::failureLine(const DbError& e) const
{
    return errorLine(codes::importSpins(m_wheel.letter()), e.reason());
}

QString SpinImport::noStake()
{
    return tr("the amount is 0, so no stake would stand: set a base stake first");
}

SpinImport::Report SpinImport::check(const QString& path, qint64 casino, const Progress& progress)
{
    m_checked = false;
    m_list = SpinList{};
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings)
        return report(Outcome::Failed, settings.status());
    m_settings = *settings;
    if (m_amount) {
        m_settings.amount = *m_amount;
        m_settings.amountText = QString::number(*m_amount, 'g', 15);
    }
    if (m_settings.amount <= 0)
        return report(Outcome::Refused, noStake());
    std::optional<qint64> newest;
    try {
        if (casino > 0) {
            const auto spins = HistoryRows::newestSpins(m_app.db(), m_wheel, m_app.settingId, casino, 1);
            if (!spins.empty())
                newest = OleStamp::fromNow(spins.front().now).msecs();
        }
    } catch (const DbError& e) {
        qCWarning(lcIo) << "reading the casino's newest spin failed:" << e.what();
        return report(Outcome::Failed, failureLine(e));
    }
    const auto bytes = [&](qint64 done, qint64 total) {
        return !progress || progress(Step::Checking, done, total);
    };
    const QString name = SpinSource::nameOf(path);
    SpinSource source;
    switch (source.read(path, bytes)) {
    case SpinSource::End::Refused:
        return report(Outcome::Refused, source.problem());
    case SpinSource::End::Cancelled:
        return report(Outcome::Cancelled, QString());
    case SpinSource::End::Read:
        break;
    }
    m_moment = m_app.clock().now();
    const qint64 notAfter = OleStamp::fromDateTime(m_moment).msecs() + DayMs;
    SpinFileReader reader(m_wheel, m_settings.zeroZeroEnabled, newest, notAfter);
    switch (reader.read(source.take(), name, bytes)) {
    case SpinFileReader::End::Refused:
        return report(Outcome::Refused, refusal(name, reader.problem()));
    case SpinFileReader::End::Stopped:
        return report(Outcome::Cancelled, QString());
    case SpinFileReader::End::Done:
        break;
    }
    m_list = reader.take();
    m_checked = true;
    Report r = report(Outcome::Imported, QString(), m_list.size());
    r.readAs = m_list.description();
    return r;
}

SpinImport::Report SpinImport::write(qint64 casino, const Progress& progress)
{
    if (!m_checked)
        return report(Outcome::Refused, tr("The file has not been checked."));
    try {
        const LargerCache cache(m_app.db());
        std::optional<RollbackJournal> journal;
        if (m_soleConnection)
            journal.emplace(m_app.db()); // before the transaction, which it outlives
        Transaction tx(m_app.db());
        if (casino <= 0 && !m_newCasino.isEmpty()) {
            const Result<Casinos> after = CasinoStore(m_app).add(m_newCasino);
            if (!after)
                return report(Outcome::Failed, after.status());
            // Keys only grow: the new casino has the highest id.
            casino = std::max_element(after->begin(), after->end(), [](const Casino& a, const Casino& b) {
                         return a.id < b.id;
                     })->id;
        }
        const qint64 keysBefore = ImportLog::newestSpinKey(m_app.db(), m_wheel);
        Report r = record(casino, progress);
        if (r.outcome == Outcome::Imported) {
            // What "Undo last import" takes back: the keys written after keysBefore.
            ImportLog::record(m_app.db(), m_app.settingId, m_wheel, casino, keysBefore);
            tx.commit();
        }
        return r;
    } catch (const DbError& e) {
        qCWarning(lcIo) << "the import into casino" << casino << "failed:" << e.what();
        return report(Outcome::Failed, failureLine(e));
    }
}

SpinImport::Report SpinImport::trial(qint64 casino, const Played& played, const Progress& progress)
{
    if (!m_checked)
        return report(Outcome::Refused, tr("The file has not been checked."));
    try {
        return record(casino, progress, &played);
    } catch (const DbError& e) {
        qCWarning(lcIo) << "the trial in casino" << casino << "failed:" << e.what();
        return report(Outcome::Failed, failureLine(e));
    }
}

// Plays the checked spins into the casino inside the caller's transaction.
SpinImport::Report SpinImport::record(qint64 casino, const Progress& progress, const Played* played)
{
    WheelSettings settings = m_settings;
    settings.casino = casino;
    SpinRecorder recorder(m_app, m_wheel, settings,
                          played ? SpinRecorder::Tallying::InMemoryNothingStored
                                 : SpinRecorder::Tallying::InMemory);
    const QDateTime& now = m_moment;
    // One seed for the whole file: its tie-breaks are one random sequence.
    m_app.random().reseed(m_seed.value_or(quint64(now.toMSecsSinceEpoch())));
    const std::optional<qint64> newest =
        recorder.newestNow() ? std::optional(OleStamp::fromNow(*recorder.newestNow()).msecs()) : std::nullopt;
    const qint64 total = m_list.size();
    qint64 next = newest ? *newest + SecondMs : OleStamp::fromDateTime(now).msecs() - (total - 1) * SecondMs;
    const bool stamped = !m_list.stamps.empty();
    for (qint64 i = 0; i < total; ++i) {
        const SpinOutcome out = recorder.record(
            m_list.pockets[size_t(i)], OleStamp::fromMsecs(stamped ? m_list.stamps[size_t(i)] : next));
        if (played)
            (*played)(i + 1, out);
        next += SecondMs;
        if ((i + 1) % ProgressEvery == 0 && progress && !progress(Step::Recording, i + 1, total))
            return report(Outcome::Cancelled, QString());
    }
    recorder.finish();
    if (progress)
        progress(Step::Recording, total, total);
    Report r = report(Outcome::Imported, QString(), total);
    r.readAs = m_list.description();
    r.casino = casino;
    return r;
}

} // namespace spinledger
