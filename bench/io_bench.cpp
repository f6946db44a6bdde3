// Speed of spin files: the backtest of a file, the import of a file into an
// empty casino and on top of a casino with a long history, and the export of
// that history; the peak memory of each step (the peak is started afresh
// before each). Targets: backtest and import at least 50,000 spins/s (1M
// spins in at most 20 s), the export of 1M at most 5 s, memory at most 200 MB
// for any accepted file, the largest included: a 50 MB file of one pocket per
// line and a 50 MB list on one line. Prints its figures; wall time and
// processor time both, as a busy machine stretches the first.
//
//   io_bench [--spins 100000] [--history 1000000] [--large] [--huge] [--dir PATH]
//   io_bench --backtest FILE | --import FILE [--dir PATH]
//   --beside-window: import as the window does, beside its other connections
//   (through the log), instead of as the command line, alone on the file
//
// --large adds the backtest and the import of 1M spins; --huge the backtest
// of both 50 MB files and the import of the one of a pocket per line
// (minutes each). --backtest and --import time that one step on the given
// file and nothing else, for /usr/bin/time -v to measure the whole process.
#include "HistoryWriter.h"
#include "io/Backtest.h"
#include "io/SpinExport.h"
#include "io/SpinImport.h"
#include "store/AppContext.h"
#include "store/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <random>

using namespace spinledger;

namespace {

QTextStream out(stdout);

enum class Form
{
    OnePerLine, // CRLF, as a list saved on Windows
    Stamped,
    OneLine, // a comma list on a single line
};

// A file as a player brings it, of `spins` pockets or of `bytes` bytes.
QString spinFile(const QString& dir, const Wheel& w, qint64 spins, Form form, qint64 bytes = 0)
{
    static const char* names[] = {"plain.txt", "stamped.csv", "line.txt"};
    const QString path = dir + u'/' + QString::fromLatin1(names[int(form)]);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    std::mt19937 rng(11);
    QByteArray text = form == Form::Stamped ? "pocket,date_time\n" : "";
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0));
    const QByteArray end = form == Form::OneLine ? "," : "\r\n";
    for (qint64 i = 0; bytes > 0 ? text.size() < bytes - 4 : i < spins; ++i) {
        text += w.label(1 + int(rng() % unsigned(w.pocketCount() - 1))).toLatin1();
        if (form == Form::Stamped)
            text += ',' + start.addSecs(i * 40).toString(Qt::ISODate).toLatin1();
        text += end;
    }
    f.write(text);
    return path;
}

QString figures(qint64 spins, double wallS, double cpuS)
{
    return QStringLiteral("%1 spins in %2 s, %3 spins/s (processor %4 s, %5 spins/s); peak memory %6 MB")
        .arg(spins)
        .arg(wallS, 0, 'f', 2)
        .arg(spins / wallS, 0, 'f', 0)
        .arg(cpuS, 0, 'f', 2)
        .arg(spins / cpuS, 0, 'f', 0)
        .arg(bench::peakMemoryMb(), 0, 'f', 1);
}

bool g_besideWindow = false;

void timedImport(AppContext& app, const Wheel& w, qint64 casino, const QString& path, const QString& what)
{
    bench::resetPeakMemory();
    QElapsedTimer t;
    t.start();
    const double cpu = bench::cpuSeconds();
    SpinImport import(app, w);
    import.setSoleConnection(!g_besideWindow);
    SpinImport::Report r = import.check(path, casino);
    const double checkS = t.nsecsElapsed() / 1e9;
    if (r.outcome == SpinImport::Outcome::Imported)
        r = import.write(casino);
    if (r.outcome != SpinImport::Outcome::Imported) {
        out << what << ": not imported: " << r.message << Qt::endl;
        return;
    }
    out << what << QStringLiteral(" (check %1 s): ").arg(checkS, 0, 'f', 2)
        << figures(r.spins, t.nsecsElapsed() / 1e9, bench::cpuSeconds() - cpu) << Qt::endl;
}

// The backtest as the command line runs it, statistics included.
void timedBacktest(const Wheel& w, const QString& path, const QString& what)
{
    bench::resetPeakMemory();
    QElapsedTimer t;
    t.start();
    const double cpu = bench::cpuSeconds();
    Backtest::Setup setup;
    setup.wheel = &w;
    setup.path = path;
    setup.limits.tableMax = 500;
    const Backtest::Outcome r = Backtest::run(setup);
    if (r.report.outcome != SpinImport::Outcome::Imported) {
        out << what << ": not played: " << r.report.message << Qt::endl;
        return;
    }
    out << what << QStringLiteral(" (%1 MB): ").arg(QFile(path).size() / 1048576.0, 0, 'f', 1)
        << figures(r.figures.spins, t.nsecsElapsed() / 1e9, bench::cpuSeconds() - cpu) << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCommandLineParser p;
    p.addOption({"spins", "spins of each imported file", "n", "100000"});
    p.addOption({"history", "spins of the long history", "n", "1000000"});
    p.addOption({"large", "also 1M spins"});
    p.addOption({"huge", "also the 50 MB files (backtests of both, import of one pocket per line)"});
    p.addOption({"dir", "folder for the database (default: a temporary folder)", "path"});
    p.addOption({"backtest", "only the backtest of this file", "file"});
    p.addOption({"import", "only the import of this file into an empty casino", "file"});
    p.addOption({"beside-window", "import through the log, as the window does"});
    p.addHelpOption();
    p.process(qapp);
    g_besideWindow = p.isSet("beside-window");
    const int spins = p.value("spins").toInt();
    const qint64 history = p.value("history").toLongLong();
    const bool large = p.isSet("large");
    const bool huge = p.isSet("huge");
    constexpr qint64 Million = 1000000;
    constexpr qint64 FiftyMb = 50LL * 1024 * 1024;

    if (p.isSet("dir"))
        QDir().mkpath(p.value("dir"));
    QTemporaryDir tmp(p.isSet("dir") ? p.value("dir") + QStringLiteral("/benchXXXXXX") : QString());
    // Without its folder the database would land in the working folder and
    // grow from run to run.
    if (!tmp.isValid()) {
        out << "no temporary folder: " << tmp.errorString() << Qt::endl;
        return 1;
    }
    const Wheel& w = Wheel::r();
    if (p.isSet("backtest")) {
        timedBacktest(w, p.value("backtest"), QStringLiteral("backtest of ") + p.value("backtest"));
        return 0;
    }
    const bool importOnly = p.isSet("import");
    if (!importOnly)
        timedBacktest(w, spinFile(tmp.path(), w, spins, Form::OnePerLine), QStringLiteral("backtest"));
    if (large && !importOnly)
        timedBacktest(w, spinFile(tmp.path(), w, Million, Form::OnePerLine),
                      QStringLiteral("backtest of 1M"));
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
    SettingsStore settings(app);
    app.currentCasino(w).choose(empty);
    settings.setAmount(w, QStringLiteral("10"));
    const auto emptyAgain = [&] {
        db.exec("DELETE FROM ka_app_r; DELETE FROM ka_app_r_count; DELETE FROM ka_app_r_advise; "
                "DELETE FROM ka_app_r_win; DELETE FROM ka_app_r_tally");
    };
    if (importOnly) {
        timedImport(app, w, empty, p.value("import"), QStringLiteral("import of ") + p.value("import"));
        return 0;
    }

    timedImport(app, w, empty, spinFile(tmp.path(), w, spins, Form::OnePerLine),
                QStringLiteral("import into an empty casino, one pocket per line"));
    emptyAgain();
    timedImport(app, w, empty, spinFile(tmp.path(), w, spins, Form::Stamped),
                QStringLiteral("import into an empty casino, with stamps"));
    emptyAgain();
    if (large) {
        timedImport(app, w, empty, spinFile(tmp.path(), w, Million, Form::OnePerLine),
                    QStringLiteral("import of 1M into an empty casino"));
        emptyAgain();
    }
    if (huge) {
        // The largest files last: each takes minutes.
        timedBacktest(w, spinFile(tmp.path(), w, 0, Form::OneLine, FiftyMb),
                      QStringLiteral("backtest of a list on one line"));
        timedBacktest(w, spinFile(tmp.path(), w, 0, Form::OnePerLine, FiftyMb),
                      QStringLiteral("backtest of one pocket per line"));
        timedImport(app, w, empty, spinFile(tmp.path(), w, 0, Form::OnePerLine, FiftyMb),
                    QStringLiteral("import of 50 MB, one pocket per line, into an empty casino"));
        emptyAgain();
    }

    QElapsedTimer t;
    t.start();
    std::mt19937 rng(42);
    bench::appendHistory(app, w, longHistory, 0, history, rng);
    bench::rebuildTallies(app, w, longHistory);
    out << "history of " << history << " spins written in " << t.elapsed() / 1000.0 << " s" << Qt::endl;

    bench::resetPeakMemory();
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

    timedImport(app, w, longHistory, spinFile(tmp.path(), w, spins, Form::OnePerLine),
                QStringLiteral("import on top of the long history"));
    return 0;
}
