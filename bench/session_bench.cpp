// session_bench: what the board adds to every redraw at long histories: the
// session line (spins, money and largest stake of the session) and the
// sleepers (every cell's gap, counts and the hot and cold pockets), each
// read from the database afresh as after a spin.
#include "HistoryWriter.h"
#include "session/SessionFigures.h"
#include "session/SessionStore.h"
#include "session/Sleepers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <random>

using namespace spinledger;

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QTextStream out(stdout);
    QCommandLineParser p;
    p.addOption({"sizes", "history sizes", "list", "10000,100000"});
    p.addOption({"runs", "measured reads per size", "n", "5"});
    p.addOption({"dir", "folder for the database (default: a temporary folder)", "path"});
    p.addHelpOption();
    p.process(qapp);
    const QList<qint64> sizes = bench::sizes(p.value("sizes"));
    const int runs = std::max(1, p.value("runs").toInt());
    const Wheel& wheel = Wheel::r();

    bench::BenchDatabase bench(p.value("dir"), QStringLiteral("5"));
    AppContext& app = bench.app;
    Database& db = bench.db;
    std::mt19937 rng(7);
    PerCategory<bool> played{};
    played.fill(true);
    qint64 have = 0;
    for (qint64 size : sizes) {
        // The session holds the newest 500 spins, a long evening.
        bench::appendHistory(app, wheel, 1, have, size - 500, rng);
        SessionStore::begin(db, app.settingId, wheel, QDateTime::currentDateTime());
        bench::appendHistory(app, wheel, 1, size - 500, size, rng);
        have = size;
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        const qint64 afterKey = SessionStore::start(db, app.settingId, wheel)->afterKey;

        std::vector<double> session;
        std::vector<double> sleepers[2]; // of the last 500 spins, of all
        qint64 sessionSpins = 0;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            sessionSpins = SessionFigures::read(db, wheel, app.settingId, 1, afterKey, played).spins;
            session.push_back(t.nsecsElapsed() / 1e6);
            for (int w = 0; w < 2; ++w) {
                t.restart();
                Sleepers s(wheel, true, w == 0 ? 500 : 0);
                s.read(db, app.settingId, 1);
                sleepers[w].push_back(t.nsecsElapsed() / 1e6);
            }
        }
        const bench::Spread a = bench::spread(session);
        const bench::Spread b = bench::spread(sleepers[0]);
        const bench::Spread c = bench::spread(sleepers[1]);
        out << QStringLiteral("R wheel %1 spins: session line (%2 spins in it) median %3 ms, worst %4 ms; "
                              "sleepers over the last 500 median %5 ms, worst %6 ms, over all median %7 ms, "
                              "worst %8 ms (%9 runs)")
                   .arg(size)
                   .arg(sessionSpins)
                   .arg(a.median, 0, 'f', 1)
                   .arg(a.worst, 0, 'f', 1)
                   .arg(b.median, 0, 'f', 1)
                   .arg(b.worst, 0, 'f', 1)
                   .arg(c.median, 0, 'f', 1)
                   .arg(c.worst, 0, 'f', 1)
                   .arg(runs)
            << Qt::endl;
    }
    return 0;
}
