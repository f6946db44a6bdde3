#include "cli/StatsCommand.h"

#include "cli/DoublingOptions.h"
#include "cli/Session.h"
#include "cli/WindowOptions.h"
#include "stats/CasinoStatistics.h"
#include "stats/FiguresJson.h"
#include "stats/FiguresText.h"
#include "stats/StatsSettings.h"

#include <QJsonDocument>

namespace spinledger::cli {

namespace {

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
        if (!DoublingOptions::apply(s, request.doubling))
            return Refused;
        const std::optional<stats::SpinWindow> window = WindowOptions::window(s, *wheel);
        if (!window)
            return Refused;
        request.window = *window;
        stats::Figures figures = *stats::CasinoStatistics::compute(s.db(), request);
        figures.casinoName = casino->name;
        if (s.args().isSet(QStringLiteral("json")))
            s.out() << QJsonDocument(stats::FiguresJson::toJson(figures)).toJson(QJsonDocument::Indented);
        else
            s.out() << stats::FiguresText::toText(figures);
        s.out().flush();
        return Done;
    } catch (const DbError& e) {
        return s.cannotRead(e);
    }
}

} // namespace

Command statsCommand()
{
    return {QStringLiteral("stats"),
            Session::tr("Statistics of a casino: advice against chance, wheel bias, money, doubling risk."),
            QString(),
            QList<QCommandLineOption>{Options::wheel(), Options::casino(), Options::db(), Options::json()} +
                DoublingOptions::options(Session::tr("as typed on the Statistics tab"),
                                         Session::tr("as typed on the Statistics tab, else no limit"),
                                         Session::tr("as typed on the Statistics tab, else 100")) +
                WindowOptions::options(),
            &showStats};
}

} // namespace spinledger::cli
