#include "cli/StatsCommand.h"

#include "cli/Session.h"
#include "stats/CasinoStatistics.h"
#include "stats/FiguresJson.h"
#include "stats/FiguresText.h"
#include "stats/StatsSettings.h"

#include <QDir>
#include <QJsonDocument>

#include <cmath>

namespace spinledger::cli {

namespace {

const QString TableMax = QStringLiteral("table-max");
const QString Bankroll = QStringLiteral("bankroll");
const QString Series = QStringLiteral("series");

// An amount typed for a script: digits with '.', whatever the locale.
std::optional<double> positiveAmount(const QString& text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && v > 0 && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// The stored doubling inputs, with what the options put in their place.
bool applyOverrides(Session& s, stats::DoublingInputs& in)
{
    const QCommandLineParser& a = s.args();
    for (const auto& [name, target] :
         {std::pair{TableMax, &in.tableMax}, std::pair{Bankroll, &in.bankroll}}) {
        if (!a.isSet(name))
            continue;
        const std::optional<double> v = positiveAmount(a.value(name));
        if (!v) {
            s.refuse(QStringLiteral("--%1 needs a positive amount such as 500 or 2.5, not '%2'")
                         .arg(name, a.value(name)));
            return false;
        }
        *target = v;
    }
    if (a.isSet(Series)) {
        bool ok = false;
        const int n = a.value(Series).trimmed().toInt(&ok);
        if (!ok || n < 1) {
            s.refuse(
                QStringLiteral("--series needs a whole number of at least 1, not '%1'").arg(a.value(Series)));
            return false;
        }
        in.series = n;
    }
    return true;
}

int showStats(Session& s)
{
    const Wheel* wheel = s.wheel();
    if (!wheel || !s.open(Database::Mode::ReadOnly))
        return Refused;
    const std::optional<Casino> casino = s.casino();
    if (!casino)
        return Refused;
    try {
        stats::StatsRequest request =
            stats::StatsSettings::request(s.db(), s.app().settingId, *wheel, casino->id);
        if (!applyOverrides(s, request.doubling))
            return Refused;
        stats::Figures figures = *stats::CasinoStatistics::compute(s.db(), request);
        figures.casinoName = casino->name;
        if (s.args().isSet(QStringLiteral("json")))
            s.out() << QJsonDocument(stats::FiguresJson::toJson(figures)).toJson(QJsonDocument::Indented);
        else
            s.out() << stats::FiguresText::toText(figures);
        s.out().flush();
        return Done;
    } catch (const DbError& e) {
        return s.refuse(QStringLiteral("cannot read %1: %2")
                            .arg(QDir::toNativeSeparators(s.databasePath()), QString::fromUtf8(e.what())));
    }
}

} // namespace

Command statsCommand()
{
    return {
        QStringLiteral("stats"),
        QStringLiteral("Statistics of a casino: advice against chance, wheel bias, money, doubling risk."),
        QString(),
        {Options::wheel(), Options::casino(), Options::db(), Options::json(),
         QCommandLineOption(TableMax,
                            QStringLiteral("Table maximum for the doubling risk (default: as typed "
                                           "on the Statistics tab)."),
                            QStringLiteral("AMOUNT")),
         QCommandLineOption(Bankroll,
                            QStringLiteral("Bankroll for the doubling risk (default: as typed on the "
                                           "Statistics tab, else no limit)."),
                            QStringLiteral("AMOUNT")),
         QCommandLineOption(Series,
                            QStringLiteral("Number of doubling series N (default: as typed on the "
                                           "Statistics tab, else 100)."),
                            QStringLiteral("N"))},
        &showStats};
}

} // namespace spinledger::cli
