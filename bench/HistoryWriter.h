#pragma once

// Writes a long history straight into the tables, as years of play would
// have left it, for the benchmarks; the engine is not involved. Also the
// database, the options and the figures every benchmark needs.
#include "engine/Tallies.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"
#include "wheel/Wheel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace spinledger::bench {

// A database with every table in the folder, which becomes the context's.
inline void createDatabase(AppContext& app, const QString& folder)
{
    app.setAppFolder(folder);
    Database maker;
    maker.open(app.connString, AppContext::DatabasePassword, Database::Mode::Create);
    Schema::create(maker);
}

// An installation row on the context's open connection.
inline void addInstallation(AppContext& app)
{
    app.db().exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('bench')");
    app.settingId = app.db().lastInsertId();
}

// Starts the peak resident memory afresh, so the next figure is that of the
// steps after this one (Linux resets it on a "5" in clear_refs).
inline void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// The process's peak resident memory so far.
inline double peakMemoryMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong() / 1024.0;
    }
    return -1;
}

// Seconds of processor time: the machine may be shared, so this is reported
// beside the elapsed time.
inline double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The median and the worst of a run of timings.
struct Spread
{
    double median = 0, worst = 0;
};

inline Spread spread(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// History sizes as an option lists them: "1000,10000".
inline QList<qint64> sizes(const QString& list)
{
    QList<qint64> out;
    for (const QString& s : list.split(u','))
        out << s.toLongLong();
    return out;
}

// A fresh database in a temporary folder (below `dir` when given) with one
// installation and its casino 1, open on `app`; each wheel plays on casino 1
// at the given amount.
struct BenchDatabase
{
    BenchDatabase(const QString& dir, const QString& amount)
        : tmp(dir.isEmpty() ? QString() : dir + QStringLiteral("/benchXXXXXX")), app(db, clock, random)
    {
        createDatabase(app, tmp.path());
        QElapsedTimer t;
        t.start();
        app.ensureOpen();
        openMs = t.elapsed();
        addInstallation(app);
        db.exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Bench', 1)");
        SettingsStore settings(app);
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
            app.currentCasino(*w).choose(1);
            settings.setAmount(*w, amount);
            settings.setPlayed(*w, CategoryId::BlackRed, true);
        }
    }

    QTemporaryDir tmp;
    Database db;
    SystemClock clock;
    SystemRandom random;
    AppContext app;
    qint64 openMs = 0; // opening derives the key
};

// Appends spins number `from` to `to` (exclusive) of one casino with their
// count, advice and judgement rows; the tallies are the caller's to rebuild.
inline void appendHistory(AppContext& app, const Wheel& w, qint64 casino, qint64 from, qint64 to,
                          std::mt19937& rng)
{
    Database& db = app.db();
    const QString cmb = w.casinoSetting();
    QStringList spinCols{w.spinTable() + QStringLiteral("_now"), w.spinTable() + QStringLiteral("_date"),
                         w.spinTable() + QStringLiteral("_time"), QStringLiteral("ka_app_setting_id"), cmb};
    for (const Category& c : w.categories())
        spinCols << w.spinColumn(c.id);
    auto insertSql = [](const QString& table, const QStringList& cols) {
        QStringList marks;
        for (int i = 1; i <= cols.size(); ++i)
            marks << QStringLiteral("?%1").arg(i);
        return (QStringLiteral("INSERT INTO ") + table + u'(' + cols.join(u',') +
                QStringLiteral(") VALUES (") + marks.join(u',') + u')')
            .toStdString();
    };
    const QString spinId = w.spinTable() + QStringLiteral("_id");
    QStringList adviceCols{w.adviseTable() + QStringLiteral("_now"), QStringLiteral("ka_app_setting_id"), cmb,
                           spinId};
    QStringList winCols{w.winTable() + QStringLiteral("_now"), QStringLiteral("ka_app_setting_id"), cmb,
                        spinId, w.adviseTable() + QStringLiteral("_id")};
    QStringList countCols{w.countTable() + QStringLiteral("_now"), QStringLiteral("ka_app_setting_id"), cmb,
                          spinId};
    for (const Category& c : w.categories()) {
        adviceCols << w.adviseColumn(c.id);
        if (c.hasStake())
            adviceCols << w.coinsColumn(c.id);
        winCols << w.winColumn(c.id) << w.winPctColumn(c.id) << w.lossPctColumn(c.id);
    }
    for (const Counter& c : w.counters())
        countCols << c.column;
    const std::string spinSql = insertSql(w.spinTable(), spinCols);
    const std::string adviceSql = insertSql(w.adviseTable(), adviceCols);
    const std::string winSql = insertSql(w.winTable(), winCols);
    const std::string countSql = insertSql(w.countTable(), countCols);

    // Each judgement judges the advice before it; stakes double after a loss
    // and fall back to the base after a win, as the engine stakes them.
    qint64 previousAdvice = 0;
    {
        Statement last =
            db.prepare((QStringLiteral("SELECT max(") + w.adviseTable() + QStringLiteral("_id) FROM ") +
                        w.adviseTable() + QStringLiteral(" WHERE ") + cmb + QStringLiteral(" = ?1"))
                           .toStdString());
        last.bind(1, casino);
        if (last.next())
            previousAdvice = last.integer(0);
    }
    PerCategory<double> stake;
    stake.fill(10.0);

    qint64 n = from;
    while (n < to) {
        // Batches keep the log small while a million rows go in.
        Transaction tx(db);
        for (int batch = 0; batch < 20000 && n < to; ++batch, ++n) {
            const double now = 40000.0 + double(n) / 3000.0;
            const int pocket = int(rng() % unsigned(w.pocketCount()));
            Statement s = db.prepare(spinSql);
            s.add(now).add(std::floor(now)).add(now - std::floor(now)).add(app.settingId).add(casino);
            for (const Category& c : w.categories())
                s.add(w.field(pocket, c.field));
            s.run();
            const qint64 id = db.lastInsertId();

            Statement cnt = db.prepare(countSql);
            cnt.add(now).add(app.settingId).add(casino).add(id);
            for (size_t i = 0; i < w.counters().size(); ++i)
                cnt.add(int(rng() % 9));
            cnt.run();

            Statement win = db.prepare(winSql);
            win.add(now).add(app.settingId).add(casino).add(id).add(previousAdvice);
            for (const Category& c : w.categories()) {
                const bool won = rng() % 2;
                win.add(won ? "Y" : "N").add(50.0).add(50.0);
                stake[idx(c.id)] = won ? 10.0 : 2 * stake[idx(c.id)];
            }
            win.run();

            Statement adv = db.prepare(adviceSql);
            adv.add(now).add(app.settingId).add(casino).add(id);
            for (const Category& c : w.categories()) {
                adv.add(w.field(int(rng() % unsigned(w.pocketCount())), c.field));
                if (c.hasStake())
                    adv.add(stake[idx(c.id)]);
            }
            adv.run();
            previousAdvice = db.lastInsertId();
        }
        tx.commit();
    }
}

inline void rebuildTallies(AppContext& app, const Wheel& w, qint64 casino)
{
    Transaction tx(app.db());
    Tallies(app.db(), w, app.settingId, casino).rebuild();
    tx.commit();
}

} // namespace spinledger::bench
