// Speed of spin files: the backtest of a file, the import of a file into an
// empty casino and on top of a casino with a long history, and the export of
// that history; the peak memory of the process after each step. Targets: the
// backtest of 100k spins at most 10 s, 100k spins into an empty casino at most
// 10 s (3 s hoped for), 100k on top of 1M at most 15 s, the export of 1M at
// most 5 s, memory at most 100 MB throughout. Prints its figures.
//
//   io_bench [--spins 100000] [--history 1000000] [--dir PATH]
#include "HistoryWriter.h"
#include "io/Backtest.h"
#include "io/SpinExport.h"
#include "io/SpinImport.h"
#include "store/AppContext.h"
#include "store/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <random>

using namespace spinledger;

namespace {

QTextStream out(stdout);

// A file as a player brings it: one pocket per line, or with a stamp each.
QString spinFile(const QString& dir, const Wheel& w, int spins, bool stamped)
{
    const QString path = dir + (stamped ? QStringLiteral("/stamped.csv") : QStringLiteral("/plain.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    std::mt19937 rng(11);
    QByteArray text = stamped ? "pocket,date_time\n" : "";
    const QDateTime start(QDate(2030, 1, 1), QTime(0, 0));
    for (int i = 0; i < spins; ++i) {
        text += w.label(1 + int(rng() % unsigned(w.pocketCount() - 1))).toLatin1();
        if (stamped)
            text += ',' + start.addSecs(i * 40).toString(Qt::ISODate).toLatin1();
        text += '\n';
    }
    f.write(text);
    return path;
}

void timedImport(AppContext& app, const Wheel& w, qint64 casino, const QString& path, const QString& what)
{
    QElapsedTimer t;
    t.start();
    const double cpu = bench::cpuSeconds();
    SpinImport import(app, w);
    SpinImport::Report r = import.check(path, casino);
    const double checkS = t.nsecsElapsed() / 1e9;
    if (r.outcome == SpinImport::Outcome::Imported)
        r = import.write(casino);
    const double totalS = t.nsecsElapsed() / 1e9;
    if (r.outcome != SpinImport::Outcome::Imported) {
        out << what << ": not imported: " << r.message << Qt::endl;
        return;
    }
    out << QStringLiteral("%1: %2 spins in %3 s (check %4 s, engine and commit %5 s; processor %6 s); "
                          "peak memory %7 MB")
               .arg(what)
               .arg(r.spins)
               .arg(totalS, 0, 'f', 2)
               .arg(checkS, 0, 'f', 2)
               .arg(totalS - checkS, 0, 'f', 2)
               .arg(bench::cpuSeconds() - cpu, 0, 'f', 2)
               .arg(bench::peakMemoryMb(), 0, 'f', 1)
        << Qt::endl;
}

// The backtest as the command line runs it, statistics included; first of
// all steps, so the peak memory is its own.
void timedBacktest(const Wheel& w, const QString& path)
{
    QElapsedTimer t;
    t.start();
    const double cpu = bench::cpuSeconds();
    Backtest::Setup setup;
    setup.wheel = &w;
    setup.path = path;
    setup.limits.tableMax = 500;
    const Backtest::Outcome r = Backtest::run(setup);
    if (r.report.outcome != SpinImport::Outcome::Imported) {
        out << "backtest: not played: " << r.report.message << Qt::endl;
        return;
    }
    out << QStringLiteral("backtest: %1 spins played in memory and judged in %2 s (processor %3 s); peak "
                          "memory %4 MB")
               .arg(r.figures.spins)
               .arg(t.nsecsElapsed() / 1e9, 0, 'f', 2)
               .arg(bench::cpuSeconds() - cpu, 0, 'f', 2)
               .arg(bench::peakMemoryMb(), 0, 'f', 1)
        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCommandLineParser p;
    p.addOption({"spins", "spins of each imported file", "n", "100000"});
    p.addOption({"history", "spins of the long history", "n", "1000000"});
    p.addOption({"dir", "folder for the database (default: a temporary folder)", "path"});
    p.addHelpOption();
    p.process(qapp);
    const int spins = p.value("spins").toInt();
    const qint64 history = p.value("history").toLongLong();

    QTemporaryDir tmp(p.isSet("dir") ? p.value("dir") + QStringLiteral("/benchXXXXXX") : QString());
    timedBacktest(Wheel::r(), spinFile(tmp.path(), Wheel::r(), spins, false));
    Database db;
    SystemClock clock;
    SystemRandom random;
    AppContext app(db, clock, random);
    bench::createDatabase(app, tmp.path());
    app.ensureOpen();
    bench::addInstallation(app);
    db.exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Empty', 1)");
    const qint64 empty = db.lastInsertId();
    db.exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Long', 1)");
    const qint64 longHistory = db.lastInsertId();
    const Wheel& w = Wheel::r();
    SettingsStore settings(app);
    settings.setSetting(w.settingsTable(), w.casinoSetting(), QString::number(empty));
    settings.setSetting(w.settingsTable(), w.amountSetting(), QStringLiteral("10"));

    timedImport(app, w, empty, spinFile(tmp.path(), w, spins, false),
                QStringLiteral("import into an empty casino, one pocket per line"));
    db.exec("DELETE FROM ka_app_r; DELETE FROM ka_app_r_count; DELETE FROM ka_app_r_advise; "
            "DELETE FROM ka_app_r_win; DELETE FROM ka_app_r_tally");
    timedImport(app, w, empty, spinFile(tmp.path(), w, spins, true),
                QStringLiteral("import into an empty casino, with stamps"));

    QElapsedTimer t;
    t.start();
    std::mt19937 rng(42);
    bench::appendHistory(app, w, longHistory, 0, history, rng);
    bench::rebuildTallies(app, w, longHistory);
    out << "history of " << history << " spins written in " << t.elapsed() / 1000.0 << " s; peak memory "
        << bench::peakMemoryMb() << " MB" << Qt::endl;

    t.restart();
    const double cpu = bench::cpuSeconds();
    QFile file(tmp.path() + QStringLiteral("/export.csv"));
    file.open(QIODevice::WriteOnly);
    const Result<qint64> written = SpinExport(app, w).write(longHistory, file);
    file.close();
    out << QStringLiteral("export: %1 spins in %2 s (processor %3 s), %4 MB of CSV; peak memory %5 MB")
               .arg(written ? *written : -1)
               .arg(t.nsecsElapsed() / 1e9, 0, 'f', 2)
               .arg(bench::cpuSeconds() - cpu, 0, 'f', 2)
               .arg(file.size() / 1048576.0, 0, 'f', 1)
               .arg(bench::peakMemoryMb(), 0, 'f', 1)
        << Qt::endl;

    timedImport(app, w, longHistory, spinFile(tmp.path(), w, spins, false),
                QStringLiteral("import on top of the long history"));
    return 0;
}
