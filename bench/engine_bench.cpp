// Latency of a spin (from the label to the committed rows), an undo and a
// re-stake on both wheels at growing histories of one casino, and the peak
// memory of the process. Prints its figures; the targets are a median spin,
// undo and re-stake of at most 5 ms at every size and at most 64 MB of memory.
// Last, the deletion of a small casino beside those long histories.
//
//   engine_bench [--sizes 1000,10000,100000,1000000] [--ops 200] [--dir PATH]
#include "HistoryWriter.h"
#include "engine/SpinEngine.h"
#include "store/AppContext.h"
#include "store/CasinoStore.h"
#include "store/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <random>

using namespace spinledger;

namespace {

QTextStream out(stdout);

void benchWheel(AppContext& app, const Wheel& w, const QList<qint64>& sizes, int ops)
{
    SpinEngine engine(app, w);
    SettingsStore settings(app);
    const qint64 casino = settings.wheelSettings(w)->casino;
    std::mt19937 rng(42);
    qint64 have = 0;
    for (qint64 size : sizes) {
        QElapsedTimer t;
        t.start();
        bench::appendHistory(app, w, casino, have, size, rng);
        have = size;
        const double genSec = t.elapsed() / 1000.0;
        t.restart();
        bench::rebuildTallies(app, w, casino);
        const double rebuildMs = t.nsecsElapsed() / 1e6;

        std::vector<double> spin, undo, restake;
        for (int i = 0; i < ops; ++i) {
            t.restart();
            const SpinOutcome o = engine.play(casino, w.label(int(rng() % unsigned(w.pocketCount()))));
            spin.push_back(t.nsecsElapsed() / 1e6);
            if (!o.status.ok) {
                out << "spin failed: " << o.status.text << Qt::endl;
                return;
            }
            t.restart();
            engine.restake(casino);
            restake.push_back(t.nsecsElapsed() / 1e6);
            t.restart();
            engine.undo(casino);
            undo.push_back(t.nsecsElapsed() / 1e6);
        }
        const bench::Spread s = bench::spread(spin), u = bench::spread(undo), r = bench::spread(restake);
        out << QStringLiteral(
                   "%1 wheel %2 spins: spin median %3 ms worst %4 | undo median %5 worst %6 | "
                   "re-stake median %7 worst %8 | tallies rebuilt in %9 ms (history written in %10 s)")
                   .arg(w.letter())
                   .arg(size, 8)
                   .arg(s.median, 0, 'f', 2)
                   .arg(s.worst, 0, 'f', 2)
                   .arg(u.median, 0, 'f', 2)
                   .arg(u.worst, 0, 'f', 2)
                   .arg(r.median, 0, 'f', 2)
                   .arg(r.worst, 0, 'f', 2)
                   .arg(rebuildMs, 0, 'f', 0)
                   .arg(genSec, 0, 'f', 1)
            << Qt::endl;
    }
}

// A casino of a few spins on each wheel, deleted beside the long histories:
// its rows are found among all of theirs.
void benchDeletion(AppContext& app, int spins)
{
    const Result<Casinos> added = CasinoStore(app).add(QStringLiteral("Small"));
    if (!added) {
        out << "casino not added: " << added.status() << Qt::endl;
        return;
    }
    const qint64 small = std::max_element(added->begin(), added->end(), [](const Casino& a, const Casino& b) {
                             return a.id < b.id;
                         })->id;
    std::mt19937 rng(7);
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
        bench::appendHistory(app, *w, small, 0, spins, rng);
    QElapsedTimer t;
    t.start();
    const Result<Casinos> removed = CasinoStore(app).remove(small);
    out << QStringLiteral("deleting a casino of %1 spins on each wheel beside the long histories: %2 ms (%3)")
               .arg(spins)
               .arg(t.nsecsElapsed() / 1e6, 0, 'f', 1)
               .arg(removed ? QStringLiteral("deleted") : removed.status())
        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCommandLineParser p;
    p.addOption({"sizes", "history sizes", "list", "1000,10000,100000,1000000"});
    p.addOption({"ops", "measured operations per size", "n", "200"});
    p.addOption({"dir", "folder for the database (default: a temporary folder)", "path"});
    p.addHelpOption();
    p.process(qapp);
    const QList<qint64> sizes = bench::sizes(p.value("sizes"));
    const int ops = p.value("ops").toInt();

    bench::BenchDatabase bench(p.value("dir"), QStringLiteral("10"));
    AppContext& app = bench.app;
    out << "database opened (key derivation) in " << bench.openMs << " ms" << Qt::endl;
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
        benchWheel(app, *w, sizes, ops);
    benchDeletion(app, 100);
    out << "peak memory " << bench::peakMemoryMb() << " MB; database file "
        << QFile(app.connString).size() / (1024 * 1024) << " MB, its log "
        << QFile(app.connString + QStringLiteral("-wal")).size() / (1024 * 1024) << " MB" << Qt::endl;
    return 0;
}
