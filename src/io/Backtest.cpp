#include "io/Backtest.h"

#include "io/SpinFileReader.h"
#include "stats/CasinoStatistics.h"
#include "stats/StatsSettings.h"
#include "store/AppContext.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

#include <QFileInfo>
#include <QStringList>

namespace spinledger::Backtest {

namespace {

constexpr qint64 Casino = 1;

// Whether the file holds a 00; a file refused before one shows is read
// without it, and check() then names the refusal.
bool holdsZeroZero(const Setup& s)
{
    const int zeroZero = s.wheel->pocketIndex(QStringLiteral("00"));
    bool found = false;
    SpinFileReader reader(*s.wheel, true);
    reader.read(s.path, [&](const FileSpin& spin) {
        found = spin.pocket == zeroZero;
        return !found;
    });
    return found;
}

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

} // namespace

Outcome run(const Setup& s, const SpinImport::Progress& progress)
{
    Outcome out;
    out.zeroZeroFromFile = !s.zeroZero && holdsZeroZero(s);
    out.zeroZero = s.zeroZero.value_or(out.zeroZeroFromFile);

    // Nobody else sees this database, so it is neither keyed nor encrypted.
    Database db;
    SystemClock clock;
    SystemRandom random;
    AppContext app(db, clock, random);
    if (!db.open(QStringLiteral(":memory:"), QString(), Database::Mode::Create)) {
        out.report = {SpinImport::Outcome::Failed, 0, db.lastError()};
        return out;
    }
    try {
        prepare(app, *s.wheel, s.amount, out.zeroZero);
        SpinImport import(app, *s.wheel);
        import.setSeed(s.seed);
        out.report = import.check(s.path, 0, progress);
        if (out.report.outcome == SpinImport::Outcome::Imported)
            out.report = import.write(Casino, progress);
        if (out.report.outcome != SpinImport::Outcome::Imported)
            return out;
        stats::StatsRequest request = stats::StatsSettings::request(db, app.settingId, *s.wheel, Casino);
        request.doubling.tableMax = s.limits.tableMax;
        request.doubling.bankroll = s.limits.bankroll;
        request.doubling.series = s.limits.series;
        out.figures = *stats::CasinoStatistics::compute(db, request);
        out.figures.casino = 0;
        out.figures.casinoName = QFileInfo(s.path).fileName();
    } catch (const DbError& e) {
        out.report = {SpinImport::Outcome::Failed, 0, QString::fromUtf8(e.what())};
    }
    return out;
}

} // namespace spinledger::Backtest
