// Time to compute every statistic of one casino, on a reader beside the
// window as the statistics tab and the command line use it, at growing
// histories, with the sector scan's simulated p and without it. Targets:
// everything, the simulation included, at most 250 ms at 100k spins; 1.5 s
// at 1M. Then the History's pages of 200 rows: all spins newest first, one
// pocket's, and a window at the oldest end of the history (its first page
// includes finding where the window starts). Prints its figures and, at the
// last size, the statistics themselves.
//
//   stats_bench [--sizes 100000,1000000] [--runs 5] [--wheel R|M] [--dir PATH]
#include "HistoryWriter.h"
#include "engine/SpinEngine.h"
#include "stats/CasinoStatistics.h"
#include "stats/FiguresText.h"
#include "stats/SpinHistory.h"
#include "stats/StatsSettings.h"
#include "store/AppContext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <random>

using namespace spinledger;

namespace {

QTextStream out(stdout);

// Milliseconds of each of up to `pages` pages of the History.
std::vector<double> historyPages(Database& db, const Wheel& w, qint64 settingId, const stats::SpinSpan& span,
                                 const QString& pocket, int pages)
{
    stats::SpinHistory history(w, settingId, 1, span, pocket);
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < pages && !history.atEnd(); ++i) {
        t.restart();
        history.next(db, 200);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCommandLineParser p;
    p.addOption({"sizes", "history sizes", "list", "100000,1000000"});
    p.addOption({"runs", "measured computations per size", "n", "5"});
    p.addOption({"wheel", "R or M", "letter", "R"});
    p.addOption({"dir", "folder for the database (default: a temporary folder)", "path"});
    p.addHelpOption();
    p.process(qapp);
    const QList<qint64> sizes = bench::sizes(p.value("sizes"));
    const int runs = std::max(1, p.value("runs").toInt());
    const Wheel* wheel = Wheel::byLetter(p.value("wheel").toUpper().front());
    if (!wheel) {
        out << "unknown wheel" << Qt::endl;
        return 2;
    }

    bench::BenchDatabase bench(p.value("dir"), QStringLiteral("5"));
    AppContext& app = bench.app;
    Database& db = bench.db;
    stats::DoublingInputs limits;
    limits.tableMax = 500;
    stats::StatsSettings::save(db, app.settingId, *wheel, limits);

    SpinEngine engine(app, *wheel);
    std::mt19937 rng(42);
    qint64 have = 0;
    stats::Figures last;
    for (qint64 size : sizes) {
        QElapsedTimer t;
        t.start();
        bench::appendHistory(app, *wheel, 1, have, size, rng);
        bench::rebuildTallies(app, *wheel, 1);
        have = size;
        const double genSec = t.elapsed() / 1000.0;

        // The window checkpoints its log as it plays; a history written in
        // one go leaves a long one.
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");

        // A reader as the tab keeps it open. Before each computation a spin
        // is played on the window's connection, which empties the reader's
        // page cache: every run reads the history afresh, as after a spin.
        t.restart();
        Database reader;
        reader.open(app.connString, AppContext::DatabasePassword, Database::Mode::ReadOnly);
        const double openMs = t.nsecsElapsed() / 1e6;
        // Processor time beside the wall clock: on a busy machine the wall
        // clock also counts the time other processes held the processor.
        const stats::StatsRequest request = stats::StatsSettings::request(reader, app.settingId, *wheel, 1);
        for (const bool simulated : {false, true}) {
            stats::StatsRequest r = request;
            if (!simulated)
                r.sectorSimulations = 0;
            std::vector<double> ms, cpu;
            for (int i = 0; i < runs; ++i) {
                engine.play(1, wheel->label(int(rng() % unsigned(wheel->pocketCount()))));
                ++have;
                const double c = bench::cpuSeconds();
                t.restart();
                last = *stats::CasinoStatistics::compute(reader, r);
                ms.push_back(t.nsecsElapsed() / 1e6);
                cpu.push_back((bench::cpuSeconds() - c) * 1000);
            }
            const bench::Spread wall = bench::spread(ms);
            out << QStringLiteral(
                       "%1 wheel %2 spins: all figures after a spin, %10: first %3 ms, median %4 ms, "
                       "worst %5 ms of %6, median processor time %9 ms (reader opened in %7 ms; "
                       "history written in %8 s)")
                       .arg(wheel->letter())
                       .arg(last.spins, 8)
                       .arg(ms.front(), 0, 'f', 1)
                       .arg(wall.median, 0, 'f', 1)
                       .arg(wall.worst, 0, 'f', 1)
                       .arg(runs)
                       .arg(openMs, 0, 'f', 0)
                       .arg(genSec, 0, 'f', 1)
                       .arg(bench::spread(cpu).median, 0, 'f', 1)
                       .arg(simulated ? QStringLiteral("with %1 simulated histories").arg(r.sectorSimulations)
                                      : QStringLiteral("without the simulation"))
                << Qt::endl;
        }
        const stats::SpinSpan all = stats::SpinWindows::resolve(reader, *wheel, app.settingId, 1, {});
        const stats::SpinSpan oldest{1, 1000, all.total};
        const std::pair<const char*, std::vector<double>> histories[] = {
            {"all spins", historyPages(reader, *wheel, app.settingId, all, QString(), 50)},
            {"one pocket", historyPages(reader, *wheel, app.settingId, all, wheel->label(5), 20)},
            {"the oldest 1,000 spins", historyPages(reader, *wheel, app.settingId, oldest, QString(), 5)}};
        for (const auto& [name, ms] : histories) {
            const bench::Spread spread = bench::spread(ms);
            out << QStringLiteral(
                       "%1 wheel %2 spins: History pages of 200 rows, %3: first %4 ms, median %5 ms, "
                       "worst %6 ms of %7")
                       .arg(wheel->letter())
                       .arg(all.total, 8)
                       .arg(QLatin1String(name))
                       .arg(ms.front(), 0, 'f', 2)
                       .arg(spread.median, 0, 'f', 2)
                       .arg(spread.worst, 0, 'f', 2)
                       .arg(ms.size())
                << Qt::endl;
        }
    }
    last.casinoName = QStringLiteral("Bench");
    // The written history is no play: every verdict is a coin flip, so these
    // figures show what is computed and printed, not how good any advice is.
    out << Qt::endl
        << "figures of the last history (synthetic: its verdicts are coin flips, not judged advice):"
        << Qt::endl
        << stats::FiguresText::toText(last, QLocale::c());
    return 0;
}
