#include "cli/BacktestCommand.h"

#include "cli/DoublingOptions.h"
#include "cli/Session.h"
#include "cli/TerminalProgress.h"
#include "io/Backtest.h"
#include "io/SpinSource.h"
#include "stats/FiguresJson.h"
#include "stats/FiguresText.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace spinledger::cli {

namespace {

const QString File = QStringLiteral("file");
const QString Amount = QStringLiteral("amount");
const QString ZeroZero = QStringLiteral("zero00");
const QString Seed = QStringLiteral("seed");

// The options beside the doubling inputs into the setup; false after a refusal.
bool readSetup(Session& s, Backtest::Setup& setup)
{
    const QCommandLineParser& a = s.args();
    if (!a.isSet(File)) {
        s.refuse(Session::tr("--file FILE is required"));
        return false;
    }
    setup.path = a.value(File);
    if (a.isSet(Amount)) {
        const std::optional<double> v = DoublingOptions::positiveAmount(a.value(Amount));
        if (!v) {
            s.refuse(Session::tr("--amount needs a positive amount such as 10 or 2.5, not '%1'")
                         .arg(a.value(Amount)));
            return false;
        }
        setup.amount = *v;
    }
    if (a.isSet(ZeroZero)) {
        const QString v = a.value(ZeroZero).trimmed().toLower();
        if (v != u"on" && v != u"off") {
            s.refuse(Session::tr("--zero00 needs on or off, not '%1'").arg(a.value(ZeroZero)));
            return false;
        }
        setup.zeroZero = v == u"on";
    }
    if (a.isSet(Seed)) {
        bool ok = false;
        const qulonglong v = a.value(Seed).trimmed().toULongLong(&ok);
        if (!ok || v > std::numeric_limits<quint32>::max()) {
            s.refuse(Session::tr("--seed needs a whole number from 0 to %1, not '%2'")
                         .arg(std::numeric_limits<quint32>::max())
                         .arg(a.value(Seed)));
            return false;
        }
        setup.seed = v;
    }
    return DoublingOptions::apply(s, setup.limits);
}

int backtest(Session& s)
{
    Backtest::Setup setup;
    setup.wheel = s.wheel();
    if (!setup.wheel || !readSetup(s, setup))
        return Refused;
    Backtest::Outcome result;
    {
        TerminalProgress progress(s);
        result = Backtest::run(setup, progress.callback());
    }
    if (result.report.outcome != SpinImport::Outcome::Imported)
        return s.notImported(result.report);
    stats::Figures& f = result.figures;
    const QString file = SpinSource::nameOf(setup.path);
    if (s.args().isSet(QStringLiteral("json"))) {
        QJsonObject o = stats::FiguresJson::toJson(f);
        o.insert(QStringLiteral("backtest"),
                 QJsonObject{{QStringLiteral("file"), file},
                             {QStringLiteral("seed"), double(setup.seed)},
                             {QStringLiteral("readAs"), result.report.readAs},
                             {QStringLiteral("zeroZeroFromFile"), result.zeroZeroFromFile}});
        s.out() << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        f.casinoName = Session::tr("Backtest of %1 (seed %2)").arg(file).arg(setup.seed);
        if (result.zeroZeroFromFile)
            s.out()
                << Session::tr("00 switched on: %1 holds 00 (--zero00 off refuses such a file).\n").arg(file);
        s.out() << stats::FiguresText::toText(f);
        s.out() << QStringLiteral("%1: %2.\n").arg(file, result.report.readAs);
    }
    s.out().flush();
    return Done;
}

} // namespace

Command backtestCommand()
{
    const QString none = QStringLiteral("none");
    return {
        QStringLiteral("backtest"),
        Session::tr("Statistics of a spin file played in memory; no database of yours is opened."), QString(),
        QList<QCommandLineOption>{
            Options::wheel(),
            QCommandLineOption(File, Session::tr("The spin file, as import takes it (- for standard input)."),
                               Session::tr("FILE")),
            QCommandLineOption(Amount,
                               Session::tr("Base stake: the stake after a win (default: %1, so "
                                           "results read in base stakes).")
                                   .arg(Backtest::DefaultAmount),
                               Session::tr("AMOUNT")),
            QCommandLineOption(ZeroZero,
                               Session::tr("The wheel's 00 (default: on when the file holds a 00, "
                                           "else off)."),
                               QStringLiteral("on|off")),
            QCommandLineOption(Seed,
                               Session::tr("Seed of the random tie-breaks of the advice (default: %1; "
                                           "the same seed gives the same figures).")
                                   .arg(Backtest::DefaultSeed),
                               QStringLiteral("N")),
            Options::json()} +
            DoublingOptions::options(none, none, QStringLiteral("100")),
        &backtest};
}

} // namespace spinledger::cli
