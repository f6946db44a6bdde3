#include "cli/DoublingOptions.h"

#include "cli/Session.h"

#include <QLocale>

#include <cmath>

namespace spinledger::cli::DoublingOptions {

namespace {

const QString TableMax = QStringLiteral("table-max");
const QString Bankroll = QStringLiteral("bankroll");
const QString Series = QStringLiteral("series");

} // namespace

QList<QCommandLineOption> options(const QString& tableMaxOtherwise, const QString& bankrollOtherwise,
                                  const QString& seriesOtherwise)
{
    return {
        QCommandLineOption(
            TableMax,
            Session::tr("Table maximum for the doubling risk and the table limit (default: %1).")
                .arg(tableMaxOtherwise),
            Session::tr("AMOUNT")),
        QCommandLineOption(Bankroll,
                           Session::tr("Bankroll for the doubling risk and the table limit (default: %1).")
                               .arg(bankrollOtherwise),
                           Session::tr("AMOUNT")),
        QCommandLineOption(Series,
                           Session::tr("Number of doubling series N (default: %1).").arg(seriesOtherwise),
                           QStringLiteral("N"))};
}

std::optional<double> positiveAmount(const QString& text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && v > 0 && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

bool apply(Session& s, stats::DoublingInputs& in)
{
    const QCommandLineParser& a = s.args();
    for (const auto& [name, target] :
         {std::pair{TableMax, &in.tableMax}, std::pair{Bankroll, &in.bankroll}}) {
        if (!a.isSet(name))
            continue;
        const std::optional<double> v = positiveAmount(a.value(name));
        if (!v) {
            s.refuse(Session::tr("--%1 needs a positive amount such as 500 or 2.5, not '%2'")
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
                Session::tr("--series needs a whole number of at least 1, not '%1'").arg(a.value(Series)));
            return false;
        }
        in.series = n;
    }
    return true;
}

} // namespace spinledger::cli::DoublingOptions
