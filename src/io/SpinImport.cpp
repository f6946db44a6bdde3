#include "io/SpinImport.h"

#include "engine/HistoryRows.h"
#include "engine/SpinRecorder.h"
#include "io/ImportLog.h"
#include "io/SpinFileReader.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"

#include <QFileInfo>

namespace spinledger {

namespace {

constexpr qint64 SecondMs = 1000;
constexpr qint64 ProgressEvery = 512;

SpinImport::Report report(SpinImport::Outcome outcome, QString message, qint64 spins = 0)
{
    return {outcome, spins, std::move(message)};
}

QString refusal(const QString& path, const FileProblem& problem)
{
    return problem.line > 0 ? QFileInfo(path).fileName() + QStringLiteral(": ") + problem.text()
                            : problem.text();
}

} // namespace

const QString SpinImport::NoStake =
    QStringLiteral("the amount is 0, so no stake would stand: set a base stake first");

SpinImport::Report SpinImport::check(const QString& path, qint64 casino, const Progress& progress)
{
    m_checked = false;
    m_path = path;
    const QString failure = errorLine(codes::importSpins(m_wheel.letter()));
    const Result<WheelSettings> settings = SettingsStore(m_app).wheelSettings(m_wheel);
    if (!settings)
        return report(Outcome::Failed, settings.status());
    m_settings = *settings;
    if (m_amount) {
        m_settings.amount = *m_amount;
        m_settings.amountText = QString::number(*m_amount, 'g', 15);
    }
    if (m_settings.amount <= 0)
        return report(Outcome::Refused, NoStake);
    std::optional<qint64> newest;
    try {
        if (casino > 0) {
            const auto spins = HistoryRows::newestSpins(m_app.db(), m_wheel, m_app.settingId, casino, 1);
            if (!spins.empty())
                newest = OleStamp::fromNow(spins.front().now).msecs();
        }
    } catch (const DbError&) {
        return report(Outcome::Failed, failure);
    }
    SpinFileReader reader(m_wheel, m_settings.zeroZeroEnabled, newest);
    const auto bytes = [&](qint64 done, qint64 total) {
        return !progress || progress(Step::Checking, done, total);
    };
    switch (reader.read(path, {}, bytes)) {
    case SpinFileReader::End::Refused:
        return report(Outcome::Refused, refusal(path, reader.problem()));
    case SpinFileReader::End::Stopped:
        return report(Outcome::Cancelled, QString());
    case SpinFileReader::End::Done:
        break;
    }
    m_spins = reader.spins();
    m_checked = true;
    return report(Outcome::Imported, QString(), m_spins);
}

SpinImport::Report SpinImport::write(qint64 casino, const Progress& progress)
{
    const QString failure = errorLine(codes::importSpins(m_wheel.letter()));
    if (!m_checked)
        return report(Outcome::Refused, QStringLiteral("The file has not been checked."));
    QString dbError;
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        const qint64 keysBefore = ImportLog::newestSpinKey(db, m_wheel);
        WheelSettings settings = m_settings;
        settings.casino = casino;
        SpinRecorder recorder(m_app, m_wheel, settings, SpinRecorder::Tallying::InMemory);
        const QDateTime now = m_app.clock().now();
        // One seed for the whole file: its tie-breaks are one random sequence.
        m_app.random().reseed(m_seed.value_or(quint64(now.toMSecsSinceEpoch())));
        const std::optional<qint64> newest =
            recorder.newestNow() ? std::optional(OleStamp::fromNow(*recorder.newestNow()).msecs())
                                 : std::nullopt;
        qint64 next =
            newest ? *newest + SecondMs : OleStamp::fromDateTime(now).msecs() - (m_spins - 1) * SecondMs;

        qint64 done = 0;
        bool cancelled = false;
        SpinFileReader reader(m_wheel, m_settings.zeroZeroEnabled, newest);
        const SpinFileReader::End end = reader.read(m_path, [&](const FileSpin& spin) {
            try {
                recorder.record(spin.pocket, OleStamp::fromMsecs(spin.stamp ? *spin.stamp : next));
            } catch (const DbError& e) {
                // Thrown no further than here: libcsv, a C library, called us.
                dbError = QString::fromUtf8(e.what());
                return false;
            }
            next += SecondMs;
            ++done;
            if (done % ProgressEvery == 0 && progress && !progress(Step::Recording, done, m_spins))
                cancelled = true;
            return !cancelled;
        });
        if (!dbError.isEmpty())
            return report(Outcome::Failed, failure);
        if (cancelled)
            return report(Outcome::Cancelled, QString());
        if (end == SpinFileReader::End::Refused)
            return report(Outcome::Refused, refusal(m_path, reader.problem()));
        recorder.finish();
        ImportLog::record(db, m_app.settingId, m_wheel, casino, keysBefore);
        tx.commit();
        if (progress)
            progress(Step::Recording, done, done);
        return report(Outcome::Imported, QString(), done);
    } catch (const DbError&) {
        return report(Outcome::Failed, failure);
    }
}

} // namespace spinledger
