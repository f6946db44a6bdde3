#include "io/Backtest.h"

#include "engine/SpinEngine.h"
#include "io/IoLog.h"
#include "io/SpinSource.h"
#include "stats/CasinoStatistics.h"
#include "stats/FiguresBuilder.h"
#include "stats/StatsSettings.h"
#include "store/AppContext.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace spinledger::Backtest {

namespace {

constexpr qint64 Casino = 1;

// The one installation of the scratch database and the wheel's settings the
// engine plays with: every category ticked, the amount, the 00 switch.
void prepare(AppContext& app, const Wheel& w, double amount, bool zeroZero)
{
    Database& db = app.db();
    Schema::createScratch(db);
    db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('backtest')");
    app.settingId = db.lastInsertId();
    QStringList columns{QStringLiteral("ka_app_setting_id")};
    for (const Category& c : w.categories())
        columns << w.checkBox(c.id);
    columns << w.zeroSwitch() << w.amountSetting() << w.casinoSetting();
    QStringList marks;
    for (int i = 1; i <= columns.size(); ++i)
        marks << QStringLiteral("?%1").arg(i);
    Statement q = db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(w.settingsTable(), columns.join(u','), marks.join(u','))
                                 .toStdString());
    q.add(app.settingId);
    for (size_t i = 0; i < w.categories().size(); ++i)
        q.add(1);
    q.add(zeroZero ? 1 : 0).add(amount).add(Casino).run();
}

// 00 is in play as given, else exactly when the checked file holds one.
void chooseZeroZero(AppContext& app, const Setup& s, SpinImport& import, Outcome& out)
{
    const Wheel& w = *s.wheel;
    out.zeroZeroFromFile = !s.zeroZero && import.spins().holds(w.pocketIndex(QStringLiteral("00")));
    out.zeroZero = s.zeroZero.value_or(out.zeroZeroFromFile);
    import.setZeroZero(out.zeroZero);
    Statement q = app.db().prepare(
        QStringLiteral("UPDATE %1 SET %2 = ?1").arg(w.settingsTable(), w.zeroSwitch()).toStdString());
    q.add(out.zeroZero ? 1 : 0).run();
}

stats::StatsRequest requestOf(AppContext& app, const Setup& s)
{
    stats::StatsRequest request = stats::StatsSettings::request(app.db(), app.settingId, *s.wheel, Casino);
    request.doubling.tableMax = s.limits.tableMax;
    request.doubling.bankroll = s.limits.bankroll;
    request.doubling.series = s.limits.series;
    return request;
}

// Plays the checked spins without storing them and gathers the figures the
// statistics would read from their rows: every spin's pocket, and each
// judgement with the stakes of the advice it judged. The window of a
// backtest is the whole file.
SpinImport::Report playInMemory(SpinImport& import, const stats::StatsRequest& request,
                                const SpinImport::Progress& progress, std::optional<stats::Figures>& figures)
{
    const Wheel& w = *request.wheel;
    const qint64 total = import.spins().size();
    stats::FiguresBuilder builder(request, stats::SpinSpan{1, total, total});
    std::vector<qint64> counts(size_t(w.pocketCount()), 0);
    std::vector<WinVerdict> verdicts(w.categories().size());
    std::vector<double> stood(builder.stakeCount()); // the stakes of the advice standing
    const auto played = [&](qint64 spin, const SpinOutcome& o) {
        ++counts[size_t(o.pocketIndex)];
        // The casino is new: its first spin found no advice to judge.
        if (spin > 1) {
            for (size_t i = 0; i < verdicts.size(); ++i)
                verdicts[i] = o.verdicts[idx(w.categories()[i].id)];
            builder.addJudged(spin, verdicts, stood);
        }
        size_t k = 0;
        for (const Category& c : w.categories()) {
            if (c.hasStake())
                stood[k++] = o.advice.stakes[idx(c.id)];
        }
    };
    const SpinImport::Report r = import.trial(Casino, played, progress);
    if (r.outcome == SpinImport::Outcome::Imported) {
        builder.setPocketCounts(counts, total);
        figures = builder.finish();
    }
    return r;
}

Outcome play(const Setup& s, const SpinImport::Progress& progress, bool stored)
{
    Outcome out;
    // A stored history of millions of spins outgrows memory: it lives in a
    // file of the temporary folder, removed with the folder when the run ends.
    const QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("spinledger-backtest-XXXXXX")));
    Database db;
    SystemClock clock;
    SystemRandom random;
    AppContext app(db, clock, random);
    // Nobody else sees this database, so it is neither keyed nor encrypted,
    // and nothing of it needs to survive a crash.
    if (!folder.isValid() ||
        !db.open(folder.filePath(QStringLiteral("backtest.db")), QString(), Database::Mode::Create)) {
        const QString why = folder.isValid() ? db.lastError() : folder.errorString();
        qCWarning(lcIo) << "no scratch database in" << QDir::tempPath() << ":" << why;
        out.report = {SpinImport::Outcome::Failed, 0,
                      QCoreApplication::translate("Backtest", "No scratch database in %1: %2")
                          .arg(QDir::toNativeSeparators(QDir::tempPath()), why),
                      QString(), 0};
        return out;
    }
    try {
        // The statistics sort millions of rows: in files, not in memory.
        db.exec("PRAGMA synchronous=OFF; PRAGMA temp_store=FILE; PRAGMA cache_size=-32768");
        prepare(app, *s.wheel, s.amount, s.zeroZero.value_or(true));
        SpinImport import(app, *s.wheel);
        import.setSeed(s.seed);
        out.report = import.check(s.path, 0, progress);
        if (out.report.outcome != SpinImport::Outcome::Imported)
            return out;
        chooseZeroZero(app, s, import, out);
        const stats::StatsRequest request = requestOf(app, s);
        std::optional<stats::Figures> figures;
        if (stored) {
            out.report = import.write(Casino, progress);
            if (out.report.outcome == SpinImport::Outcome::Imported)
                figures = stats::CasinoStatistics::compute(db, request);
        } else {
            out.report = playInMemory(import, request, progress, figures);
        }
        if (out.report.outcome != SpinImport::Outcome::Imported)
            return out;
        out.figures = std::move(*figures);
        out.figures.casino = 0;
        out.figures.casinoName = SpinSource::nameOf(s.path);
    } catch (const DbError& e) {
        qCWarning(lcIo) << "the backtest failed:" << e.what();
        out.report = {SpinImport::Outcome::Failed, 0, QString::fromUtf8(e.what()), QString(), 0};
    }
    return out;
}

} // namespace

Outcome run(const Setup& s, const SpinImport::Progress& progress)
{
    return play(s, progress, false);
}

Outcome runStored(const Setup& s, const SpinImport::Progress& progress)
{
    return play(s, progress, true);
}

} // namespace spinledger::Backtest
