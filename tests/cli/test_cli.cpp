// The command line in-process on a prepared database (dispatch, refusals, the
// casino lookup every command shares), and the real program's exit codes.
#include "DamagedFile.h"
#include "InstalledFolder.h"
#include "TestDb.h"
#include "TestFiles.h"
#include "cli/Cli.h"
#include "session/SessionStore.h"
#include "store/InstanceLock.h"
#include "store/Schema.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace spinledger;
using namespace spinledger::test;

class TestCli : public QObject
{
    Q_OBJECT

    struct Run
    {
        int code = -1;
        QString out;
        QString err;
        QByteArray bytes; // of out
    };

    // Streams on devices, as standard output and error are; the program's
    // folder is the test database's unless another is given.
    Run run(TestDb& t, QStringList args, bool terminal = false) { return run(t.dir.path(), args, terminal); }
    Run run(const QString& folder, QStringList args, bool terminal = false)
    {
        Run r;
        QBuffer outBytes, errBytes;
        outBytes.open(QIODevice::WriteOnly);
        errBytes.open(QIODevice::WriteOnly);
        QTextStream out(&outBytes), err(&errBytes);
        cli::Environment env;
        env.programFolder = folder;
        env.installationId = [] { return u"test-machine"_s; };
        env.errIsTerminal = terminal;
        if (m_adjust)
            m_adjust(env);
        args.prepend(u"spinledger-cli"_s);
        r.code = cli::run(args, out, err, env);
        out.flush();
        err.flush();
        r.bytes = outBytes.data();
        r.out = QString::fromUtf8(r.bytes);
        r.err = QString::fromUtf8(errBytes.data());
        return r;
    }

    // Every "path=value" (steps by key or index, split by '/') against the
    // JSON document; null for a null value, missing for none.
    void checkJson(const QByteArray& json, const QString& expected)
    {
        const QJsonObject o = QJsonDocument::fromJson(json).object();
        for (const QString& pair : expected.split(u' ')) {
            QJsonValue v = o;
            for (const QString& step : pair.section(u'=', 0, 0).split(u'/'))
                v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
            const QString shown =
                v.isUndefined() ? u"missing"_s
                : v.isString()
                    ? v.toString()
                    : QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
                          .mid(1)
                          .chopped(1);
            QCOMPARE(pair.section(u'=', 0, 0) + u'=' + shown, pair);
        }
    }

    // Changes the environment of the runs that follow, until the next test.
    std::function<void(cli::Environment&)> m_adjust;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_adjust = nullptr; }

    // Arguments parted by blanks; "S" stands for "stats --wheel R --casino 1", "I" for
    // "import --wheel R --casino", "B" for "backtest --wheel R --file FILE".
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString newer = u"the database file was written by a newer version of Spinledger"_s;
        const char* const table[][3] = {
            {"no command", "", "no command given"},
            {"unknown command", "play", "unknown command 'play'"},
            {"unknown option", "casinos --wheel R", "Unknown option 'wheel'"},
            {"stray argument", "casinos extra", "unexpected argument 'extra'"},
            {"spin count, missing file", "spin-count --db /nonexistent/x.mdb", "cannot open"},
            {"stats: wheel letter", "stats --wheel X --casino 1", "unknown wheel 'X'"},
            {"stats: no wheel", "stats --casino 1", "--wheel R|M is required"},
            {"stats: missing casino", "stats --wheel R --casino Nowhere", "no casino 'Nowhere'"},
            {"stats: table maximum", "stats --wheel M --casino 1 --table-max -5",
             "--table-max needs a positive amount"},
            {"stats: series", "stats --wheel M --casino 1 --series x", "--series needs a whole number"},
            {"stats: last 0", "S --last 0", "--last needs a whole number of at least 1, not '0'"},
            {"stats: two windows", "S --last 2 --since 2026-12-06",
             "Choose one window: --last, --session, or --since and --until"},
            {"stats: a date", "S --since yesterday", "--since needs a date such as 2026-12-06"},
            {"stats: dates the wrong way round", "S --since 2026-12-07 --until 2026-12-06",
             "--until must come after --since"},
            {"stats: no session started", "S --session",
             "--session needs a session, and the window has not started one"},
            {"stats: not a database", "S --db " SPINLEDGER_CLI_PROGRAM, "cannot open"},
            // FILE holds 17, 00, 37; a backtest refuses a file as the import does.
            {"import: a refused file", "I New FILE",
             "spinledger-cli: spins.csv: line 2 (\"00\"): 00 is switched off"},
            {"import: an id that names no casino", "I 9 FILE",
             "no casino with the id 9 (spinledger-cli casinos lists them)"},
            {"restore while the window is open", "restore FILE WINDOW", "Spinledger is open on"},
            {"check: missing file", "check --db /nonexistent/x.mdb", "the database file is missing"},
            {"salvage: a casino by name", "export --salvage --wheel R --casino Twin",
             "--casino takes the casino's id"},
            {"import: a name two casinos share", "I Twin FILE", "several casinos are named 'Twin'"},
            {"import: no file", "I 1", "import needs FILE"},
            {"import: an amount of 0", "I 1 FILE AMOUNT0",
             "the wheel's amount is 0, so no stake would stand: give --amount"},
            {"import: --amount 0", "I 1 FILE --amount 0", "--amount needs a positive amount"},
            {"import: the window is open", "I 1 FILE WINDOW", "close its window first"},
            {"import: the window is open, its folder reached through a link", "I 1 FILE WINDOW --db LINKED",
             "close its window first"},
            {"import: another import is running", "I 1 FILE IMPORTING", "another import into"},
            // NEWER: a file a newer program wrote; refused with `newer`.
            {"stats: a newer program's file", "S NEWER", ""},
            {"backtest: no file", "backtest --wheel R", "--file FILE is required"},
            {"backtest: 00 switched off", "B --zero00 off",
             ": spins.csv: line 2 (\"00\"): 00 is switched off"},
            {"backtest: amount", "B --amount 0", "--amount needs a positive"},
            {"backtest: 00 switch", "B --zero00 yes", "--zero00 needs on or off"},
            {"backtest: seed", "B --seed -1", "--seed needs a whole number"}};
        for (const auto& [name, args, message] : table) {
            QString line = QString::fromUtf8(args);
            for (const auto& [brief, full] : {std::pair{"S ", "stats --wheel R --casino 1 "},
                                              {"I ", "import --wheel R --casino "},
                                              {"B ", "backtest --wheel R --file FILE "}}) {
                if (line.startsWith(QLatin1String(brief)))
                    line = QLatin1String(full) + line.mid(2);
            }
            QTest::newRow(name) << line.split(u' ', Qt::SkipEmptyParts)
                                << (*message ? QString(message) : newer);
        }
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        TestDb t;
        t.addCasino(u"Twin"_s);
        t.addCasino(u"Twin"_s);
        args.replaceInStrings(u"FILE"_s, writeFile(t.dir.filePath(u"spins.csv"_s), "17\n00\n37\n"));
        // WINDOW: the window holds its lock; IMPORTING: an import runs; LINKED:
        // the database through a symbolic link to its folder.
        QLockFile window(InstanceLock::pathFor(t.dir.path()));
        QVERIFY(args.removeAll(u"WINDOW"_s) == 0 || window.tryLock(0));
        QLockFile importing(InstanceLock::importPathFor(t.dir.path()));
        QVERIFY(args.removeAll(u"IMPORTING"_s) == 0 || importing.tryLock(0));
        const QString link = t.dir.filePath(u"link"_s);
        QVERIFY(QFile::link(t.dir.path(), link));
        args.replaceInStrings(u"LINKED"_s, QDir(link).filePath(QFileInfo(t.app->connString).fileName()));
        if (args.removeAll(u"NEWER"_s) > 0)
            t.db.exec("PRAGMA user_version = " + std::to_string(Schema::latestVersion() + 1));
        // AMOUNT0: a fresh installation's amount.
        if (args.removeAll(u"AMOUNT0"_s) > 0)
            t.db.exec("UPDATE ka_app_r_setting SET tbRAmount = 0");
        const QByteArray before = fingerprint(t.db);
        const Run r = run(t, args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith(u"spinledger-cli: "_s) && r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QCOMPARE(fingerprint(t.db), before);
    }

    void listsTheInstallationsCasinos()
    {
        TestDb t;
        const qint64 second = t.addCasino(u"Casino \"Nord\" Zürich"_s);
        t.db.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1), (1, 1), (1, 1)");
        t.db.prepare("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1200) "
                     "INSERT INTO ka_app_m (ka_app_setting_id, cmbM) SELECT 1, ?1 FROM n")
            .bind(1, second)
            .run();
        // A casino of another installation is not listed.
        t.db.exec(
            "INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Foreign', 999)");

        // The table is read by people: counts in their locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const Run text = run(t, {"casinos"});
        QLocale::setDefault(QLocale::c());
        QCOMPARE(text.code, 0);
        QCOMPARE(text.out, u"    id    R spins    M spins  name\n"
                           "     1          3          0  Demo Casino\n"
                           "     2          0      1,200  Casino \"Nord\" Zürich\n"_s);

        const Run json = run(t, {"casinos", "--json"});
        QCOMPARE(json.code, 0);
        checkJson(json.bytes, "casinos/1/id=2 casinos/1/spins/M=1200 casinos/2=missing");
        QCOMPARE(QJsonDocument::fromJson(json.bytes)["casinos"][1]["name"], u"Casino \"Nord\" Zürich"_s);

        // A file of another machine: its one installation is used; with two and
        // none of this machine, the command refuses. The spin count covers all.
        t.db.exec("UPDATE ka_app_setting SET ka_app_sId = 'elsewhere'");
        QCOMPARE(run(t, {"casinos"}).out.count(u'\n'), 3);
        QCOMPARE(run(t, {"spin-count"}).out, u"1203\n"_s);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('third')");
        t.db.exec("INSERT INTO ka_app_m (ka_app_setting_id, cmbM) VALUES (2, 7), (1, 1)");
        const Run r = run(t, {"casinos"});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(u"several installations"_s));
        QCOMPARE(run(t, {"spin-count"}).out, u"1205\n"_s);
    }

    // The same six spins through the engine (ties drawn as scripted), all or a
    // window of them, while the test keeps its own connection open as the
    // window would; nothing is written. The heading starts the text, each part
    // after a '|' is somewhere in it.
    void statsWindows_data()
    {
        QTest::addColumn<QStringList>("window");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("heading");
        const auto row = [](const char* name, const char* window, const char* json, const char* heading) {
            QTest::newRow(name) << QString::fromLatin1(window).split(u' ', Qt::SkipEmptyParts)
                                << QString::fromLatin1(json) << QString::fromLatin1(heading);
        };
        // Six spins on 2026-12-06 from 18:00 on; spin 1 judges nothing. Base 10,
        // maximum 500: 10 to 320 fit, 6 bets; a bust loses 630.
        row("all spins", "",
            "wheel=R casino/id=1 pockets=37 spins=6 judged=5 scorecard/1/category=blackred "
            "scorecard/1/judged=5 scorecard/1/verdict=not-enough bias/needed=185 "
            "bias/chiSquare=null doubling/state=ready doubling/tableMax=500 doubling/bankroll=null "
            "doubling/categories/0/bets=6 doubling/categories/0/bustLoss=630 "
            "money/0/stoppedBy=null wheelOrder/1/pocket=32 sectors/tested=false sectors/hottest=null "
            "classicSectors=null spinsNeeded/rows/1/pocket=31884 spinsNeeded/sectorWidth=null "
            "edge/pocket=null",
            "all spins: 6 spins, 5 judged advices, 37 pockets in play (00 switched off)\n|"
            "Does the advice beat chance?|  Black/Red |not enough judged spins|"
            "  chi-square: needs at least 185 spins (6 so far)|Type the table maximum to see what doubling "
            "risks.|  not enough spins: the sector tests need at least 185 (6 so far)|"
            "    to see a 10% edge on one pocket you need about ");
        row("last 2", "--last 2", "window/kind=last window/first=5 window/last=6 spins=2 judged=2",
            "the last 2 spins (spins 5 to 6 of 6): 2 spins, 2 judged advices");
        row("the day", "--since 2026-12-06 --until 2026-12-06",
            "window/kind=dates window/first=1 window/last=6 spins=6",
            "from 6 Dec 2026 to 6 Dec 2026: 6 spins");
        row("the day before", "--until 2026-12-05", "window/first=1 window/last=0 spins=0 judged=0",
            "up to 5 Dec 2026 (none of 6 spins): 0 spins, 0 judged advices, 37 pockets in play (00 switched "
            "off)\nNone of the casino's spins is in this window");
        row("the day after", "--since 2026-12-07", "window/first=7 window/last=6 spins=0",
            "since 7 Dec 2026 (none of 6 spins): 0 spins");
        // The window began a session after the fourth spin.
        row("the session", "--session", "window/kind=session window/first=5 window/last=6 spins=2 judged=2",
            "this session (since 6 Dec 2026 18:");
    }
    void statsWindows()
    {
        QFETCH(QStringList, window);
        QFETCH(QString, json);
        QFETCH(QString, heading);
        TestDb t;
        QVERIFY(t.play(Wheel::r(), u"17 5 0 32"_s));
        SessionStore::begin(t.db, t.app->settingId, Wheel::r(), t.clock.now());
        QVERIFY(t.play(Wheel::r(), u"17 8"_s));
        const QByteArray before = fingerprint(t.db);
        const Run j =
            run(t, QStringList{"stats", "--wheel", "R", "--casino", "1", "--json", "--table-max", "500"} +
                       window);
        QCOMPARE(j.code, 0);
        checkJson(j.bytes, json);
        const Run text = run(t, QStringList{"stats", "--wheel", "r", "--casino", "Demo Casino"} + window);
        QCOMPARE(text.code, 0);
        QVERIFY(text.err.isEmpty());
        const QStringList parts = heading.split(u'|');
        QVERIFY2(text.out.startsWith(u"Demo Casino (id 1), 38-pocket wheel, "_s + parts[0]),
                 qPrintable(text.out));
        for (const QString& part : parts.mid(1))
            QVERIFY2(text.out.contains(part), qPrintable(part));
        QCOMPARE(fingerprint(t.db), before);
    }

    void backtest_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("json"); // path=value ...
        QTest::addColumn<QString>("text"); // a pattern of the text
        // 17, then 0 three times: every category with a stake loses the stakes 1, 2, 4 (the
        // first spin has no advice to judge: the first advice stakes the amount).
        QTest::newRow("table maximum")
            << QStringList{"--wheel", "R", "--table-max", "3"} << QByteArray("17\n0\n0\n0\n")
            << "pockets=37 casino=null backtest/seed=1 money/0/result=-7 money/0/largestStake=4 "
               "money/4/stoppedBy=table-max money/4/stoppedAt=4 money/4/refusedStake=4 money/4/resultThen=-3 "
               "money/1/stoppedBy=table-max doubling/categories/0/bets=2"
            << "^Backtest of spins.csv \\(seed 1\\), 38-pocket wheel, all spins: 4 spins, 3 judged advices.*"
               "\n  Black/Red .* 4 \\(table max\\) +-3\n";
        // Stakes 2.5, 5.
        QTest::newRow("00 in the file")
            << QStringList{"--wheel", "R", "--amount", "2.5"} << QByteArray("17\n00\n0\n")
            << "pockets=38 zeroZero=true backtest/zeroZeroFromFile=true money/3/result=-7.5 "
               "money/3/stoppedBy=null"
            << "^00 switched on: spins.csv holds 00 \\(--zero00 off refuses such a file\\).\n";
        // Stakes 1, then 2 on top of the 1 lost: more than the bankroll of 2.
        QTest::newRow("mini wheel, 00 switched on")
            << QStringList{"--wheel", "m", "--zero00", "on", "--bankroll", "2"} << QByteArray("12\n0\n0\n")
            << "pockets=14 backtest/zeroZeroFromFile=false money/3/category=2to1 money/3/stoppedBy=bankroll "
               "wheelOrder=null sectors=null classicSectors=null spinsNeeded/rows/1/pocket=2129"
            << "mini wheel, all spins: 3 spins";
    }
    void backtest()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(QString, json);
        QFETCH(QString, text);
        // A folder without a database: nothing but the spin file is opened, nothing appears.
        QTemporaryDir dir;
        args << "--file" << writeFile(dir.filePath(u"spins.csv"_s), file);
        const Run r = run(dir.path(), QStringList{"backtest", "--json"} + args);
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        checkJson(r.bytes, json);
        const Run t = run(dir.path(), QStringList{"backtest"} + args);
        QVERIFY2(
            QRegularExpression(text, QRegularExpression::DotMatchesEverythingOption).match(t.out).hasMatch(),
            qPrintable(t.out));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"spins.csv"});
    }

    void backtestSeed()
    {
        // Ties are drawn from the seed: the same seed gives the same figures, another one others.
        QTemporaryDir dir;
        const QString mixed = writeFile(dir.filePath(u"mixed.csv"_s), "5\n17\n5\n17\n32\n0\n5\n");
        auto money = [&](const QStringList& seed) {
            const Run r =
                run(dir.path(), QStringList{"backtest", "--wheel", "R", "--file", mixed, "--json"} + seed);
            return QJsonDocument::fromJson(r.bytes)["money"].toArray();
        };
        QCOMPARE(money({}), money({"--seed", "1"}));
        QCOMPARE(money({"--seed", "7"}), money({"--seed", "7"}));
        QVERIFY(money({"--seed", "7"}) != money({"--seed", "8"}));
    }

    void importCommand_data()
    {
        QTest::addColumn<QStringList>("args"); // FILE stands for the spin file
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // how standard error ends
        QTest::newRow("a new casino, created")
            << QStringList{"import", "--wheel", "R", "--casino", "Ζάρια \"Nord\"", "FILE"}
            << QByteArray("17\n0\n32\n") << false
            << "Created casino 'Ζάρια \"Nord\"' (id 2)\nImported 3 spins into casino 'Ζάρια \"Nord\"' (R "
               "wheel), read as a list of 3 pockets\n"
            << "";
        QTest::newRow("a casino by its id, progress on a terminal")
            << QStringList{"import", "--wheel", "m", "--casino", "1", "FILE"} << QByteArray("pocket\n12\n7\n")
            << true
            << "Imported 2 spins into casino 'Demo Casino' (M wheel), read as a table, pockets from column "
               "\"pocket\"\n"
            << "\rImporting spin 2 of 2... 100%\n";
    }

    void importCommand()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(bool, terminal);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TestDb t;
        args.replaceInStrings(u"FILE"_s, writeFile(t.dir.filePath(u"spins.csv"_s), file));
        t.db.close(); // alone on the file, the import goes through a rollback journal
        const Run r = run(t, args, terminal);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, out);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.endsWith(err), qPrintable(r.err));
        // The command has let go of the window's lock, and left the file in the log's mode.
        QVERIFY(QLockFile(InstanceLock::pathFor(t.dir.path())).tryLock(0));
        Database after;
        QVERIFY(after.open(t.app->connString, AppContext::DatabasePassword, Database::Mode::ReadOnly));
        QCOMPARE(after.journalMode(), u"wal"_s);
    }

    void importUndoLast()
    {
        TestDb t;
        QVERIFY(t.play(Wheel::r(), u"5"_s));
        const QString file =
            writeFile(t.dir.filePath(u"spins.csv"_s), QByteArray("17\n0\n32\n").repeated(400));
        QCOMPARE(run(t, {"import", "--wheel", "R", "--casino", "1", file}).code, 0);
        const QStringList undo{"import", "--wheel", "R", "--casino", "1", "--undo-last"};
        // Counts grouped, as a player reads them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Run r = run(t, undo);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out,
                 u"Removed the 1,200 spins of the last import from casino 'Demo Casino' (R wheel)\n"_s);
        QCOMPARE(t.rows("ka_app_r"), qint64(1));
        // Once undone there is nothing left to undo; nothing changes.
        r = run(t, undo);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(u"has no import to undo"_s), qPrintable(r.err));
        QCOMPARE(t.rows("ka_app_r"), qint64(1));
    }

    // A fresh installation's amount of 0 stands aside for the one given.
    void importAtTheAmountGiven()
    {
        TestDb t;
        t.db.exec("UPDATE ka_app_r_setting SET tbRAmount = 0");
        const QString file = writeFile(t.dir.filePath(u"spins.csv"_s), "17\n0\n32\n");
        const Run r = run(t, {"import", "--wheel", "R", "--casino", "1", "--amount", "5", file});
        QCOMPARE(r.code, 0);
        // Three advice rows; the first stakes the amount, a lost one doubles it.
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM ka_app_r_advise"), 3);
        QCOMPARE(t.scalar("SELECT MIN(ka_app_r_advise_blackred_coins) FROM ka_app_r_advise"), 5);
    }

    void exportCommandBesideTheWindow()
    {
        TestDb t;
        QVERIFY(t.play(Wheel::r(), u"5 00 5"_s));
        QLockFile window(InstanceLock::pathFor(t.dir.path()));
        QVERIFY(window.tryLock(0));
        const Run toOut = run(t, {"export", "--wheel", "R", "--casino", "Demo Casino"});
        QCOMPARE(toOut.code, 0);
        QVERIFY(toOut.err.isEmpty());
        QCOMPARE(toOut.out.count(u"\r\n"_s), 4);
        const QString path = t.dir.filePath(u"out.csv"_s);
        const Run toFile = run(t, {"export", "--wheel", "R", "--casino", "1", "--out", path});
        QCOMPARE(toFile.code, 0);
        QCOMPARE(toFile.out, u"Exported 3 spins of casino 'Demo Casino' (R wheel) to %1\n"_s.arg(
                                 QDir::toNativeSeparators(path)));
        QCOMPARE(readFile(path), toOut.bytes);
    }

    void checkTellsSoundFromDamaged()
    {
        TestDb t;
        writeSpins(t.db, 3000, t.app->settingId, t.casino);
        t.db.close();
        const Run sound = run(t, {"check"});
        QCOMPARE(sound.code, 0);
        QCOMPARE(sound.out, QDir::toNativeSeparators(t.app->connString) + u" is sound\n"_s);
        flipByte(t.app->connString, int(pages(t.app->connString) / 2));
        const Run damaged = run(t, {"check"});
        QCOMPARE(damaged.code, 1);
        QVERIFY2(damaged.out.startsWith(QDir::toNativeSeparators(t.app->connString) + u" is damaged:\n  "_s),
                 qPrintable(damaged.out));
        flipByte(t.app->connString, 1);
        const Run start = run(t, {"check"});
        QCOMPARE(start.code, 1);
        QVERIFY2(start.err.contains(u"is damaged: the file is no Spinledger database"_s),
                 qPrintable(start.err));
    }

    void backupsAreTakenListedAndRestored()
    {
        TestDb t;
        writeSpins(t.db, 12, t.app->settingId, t.casino);
        QCOMPARE(run(t, {"backup"}).code, 0);
        const QStringList files = QDir(t.dir.filePath(u"backups"_s)).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].endsWith(u"-manual.mdb"_s), qPrintable(files[0]));
        const QString copy = t.dir.filePath(u"copy.mdb"_s);
        QCOMPARE(run(t, {"backup", "--out", copy}).code, 0);
        QCOMPARE(run(t, {"backup", "--out", copy}).code, 1); // never over a file that is there

        const Run listed = run(t, {"backups"});
        QCOMPARE(listed.code, 0);
        const QStringList lines = listed.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].split(u' ', Qt::SkipEmptyParts).mid(2, 3), (QStringList{"manual", "12", "0"}));

        writeSpins(t.db, 5, t.app->settingId, t.casino);
        t.db.close();
        QCOMPARE(run(t, {"restore", copy}).code, 0);
        QVERIFY(t.app->ensureOpen());
        QCOMPARE(t.rows("ka_app_r"), 12);
        // The file it replaced is beside it, and so is its own backup.
        QCOMPARE(QDir(t.dir.path()).entryList({u"Spinledger.replaced-*.mdb"_s}).size(), 1);
        QCOMPARE(QDir(t.dir.filePath(u"backups"_s)).entryList({u"*-restore.mdb"_s}).size(), 1);
    }

    void salvageExportsWhatADamagedFileStillHolds()
    {
        TestDb t(true, TestDb::Tables::DeliveredOnly);
        t.db.exec("DROP INDEX ix_r_played; DROP INDEX ix_r_casino; DROP INDEX ix_r_stats_pocket");
        writeSpins(t.db, 12000, t.app->settingId, t.casino);
        t.db.close();
        flipByte(t.app->connString, int(pages(t.app->connString) / 2));
        const Run refused = run(t, {"export", "--wheel", "R", "--casino", "1"});
        QCOMPARE(refused.code, 2);
        const QByteArray damaged = InstalledFolder::digest(t.app->connString);
        const QString spins = writeFile(t.dir.filePath(u"spins.csv"_s), "17\n");
        const Run notWritten = run(t, {"import", "--wheel", "R", "--casino", "1", spins});
        QCOMPARE(notWritten.code, 2);
        QVERIFY2(notWritten.err.contains(u"the database file is damaged; nothing was written"_s),
                 qPrintable(notWritten.err));
        QCOMPARE(InstalledFolder::digest(t.app->connString), damaged);
        const QString path = t.dir.filePath(u"salvaged.csv"_s);
        const Run r = run(t, {"export", "--salvage", "--wheel", "R", "--out", path});
        QCOMPARE(r.code, 0);
        const QRegularExpressionMatch m =
            QRegularExpression(
                u"^Salvaged (\\d+) spins of the R wheel to .*; (\\d+) rows could not be read\n$"_s)
                .match(r.err);
        QVERIFY2(m.hasMatch(), qPrintable(r.err));
        QCOMPARE(m.captured(1).toInt() + m.captured(2).toInt(), 12000);
        QVERIFY(m.captured(2).toInt() > 0);
        QCOMPARE(readFile(path).count("\r\n"), m.captured(1).toInt() + 1);
    }

    // A read of a file the user may not write leaves nothing that stops a later
    // write; run unprivileged, as for the superuser every file is writable.
    void readingAReadOnlyFileLeavesNoLog()
    {
        QTemporaryDir dir;
        const QString db = dir.filePath(AppContext::DatabaseFile);
        {
            TestDb t;
            t.db.close();
            QVERIFY(QFile::copy(t.app->connString, db));
        }
        const QString spins = writeFile(dir.filePath(u"spins.csv"_s), "17\n5\n");
        const bool root = geteuid() == 0;
        auto asUser = [&](const QStringList& args) {
            QProcess p;
            const QStringList all = QStringList{QStringLiteral(SPINLEDGER_CLI_PROGRAM)} + args;
            if (root)
                p.start(u"setpriv"_s,
                        QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"} + all);
            else
                p.start(all.first(), all.mid(1));
            p.waitForFinished(20000);
            return p.exitCode();
        };
        if (root) {
            for (const QString& file : {dir.path(), db, spins})
                QVERIFY(::chown(QFile::encodeName(file).constData(), 65534, 65534) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(db).constData(), 0444) == 0);
        QCOMPARE(asUser({"casinos", "--db", db}), 0);
        QCOMPARE(QDir(dir.path()).entryList({u"*-wal"_s, u"*-shm"_s}), QStringList());
        QVERIFY(::chmod(QFile::encodeName(db).constData(), 0644) == 0);
        QCOMPARE(asUser({"import", "--db", db, "--wheel", "R", "--casino", "1", spins}), 0);
    }

    // Through the real program, as a shell runs it: an export's bytes reach
    // standard output unchanged; "-" reads a pipe.
    void realProgramExitCodes()
    {
        TestDb t;
        const QStringList exportM{"export", "--db", t.app->connString, "--wheel", "M", "--casino", "1"};
        const QStringList fromInput{"backtest", "--wheel", "R", "--file", "-"};
        const std::tuple<QStringList, QByteArray, int, QByteArray> runs[] = {
            {{"--help"}, "", 0, "\n  casinos     List the casinos"},
            {{"casinos", "--help"}, "", 0, "--db <PATH>"},
            {{"casinos", "--db", t.dir.filePath("missing.mdb")}, "", 2, "spinledger-cli: cannot open"},
            {exportM, "", 0, "\xEF\xBB\xBFspin_no,"},
            {{"--version"}, "", 0, "spinledger-cli " SPINLEDGER_TEST_VERSION "\n"},
            {fromInput, "12,5,0,32,17\n", 0, "standard input: read as a list of 5 pockets."}};
        for (const auto& [args, input, code, start] : runs) {
            QProcess p;
            p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM), args);
            QVERIFY(p.waitForStarted());
            p.write(input);
            p.closeWriteChannel();
            QVERIFY(p.waitForFinished(20000));
            QCOMPARE(p.exitCode(), code);
            const QByteArray shown = code == 0 ? p.readAllStandardOutput() : p.readAllStandardError();
            QVERIFY2(shown.contains(start), shown.constData());
        }
    }

    // The window's rule: beside the program, or in the user's folders when the
    // marker says installed. From the first minute the user's database is made
    // (or moved over) and the installation's rows prepared without the window.
    void installedOrPortableWithoutTheWindow()
    {
        InstalledFolder inst;
        const DataLocation::Folders folders = inst.folders();
        m_adjust = [&](cli::Environment& env) {
            env.userDataFolder = folders.userData;
            env.runtimeFolder = folders.runtime;
        };
        Run r = run(folders.program, {"where"});
        QCOMPARE(r.code, 0);
        const QString lock = inst.location().lockPath();
        QVERIFY(lock.startsWith(folders.runtime + u'/'));
        QCOMPARE(r.out,
                 u"mode: installed\ndatabase: %1/Spinledger.mdb\nbackups: %1/backups\nlock: %2\n"_s.arg(
                     folders.userData, lock));
        QVERIFY(!QFileInfo::exists(inst.userDatabase())); // telling makes nothing
        InstalledFolder::makeDatabase(inst.sharedDatabase(), 6);
        r = run(folders.program, {"casinos"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(u"Demo Casino"_s), qPrintable(r.out + r.err));
        QVERIFY(r.err.contains(u"Your 6 spins were copied from "_s + inst.sharedDatabase()));
        QCOMPARE(InstalledFolder::spins(inst.userDatabase()), 6);
        QCOMPARE(run(folders.program, {"spin-count"}).out, u"6\n"_s);
        // The file held no installation: one was made under this machine's identifier.
        Database user;
        QVERIFY(user.open(inst.userDatabase(), AppContext::DatabasePassword, Database::Mode::ReadOnly));
        Statement q = user.prepare("SELECT group_concat(ka_app_sId) FROM ka_app_setting");
        QVERIFY(q.next());
        QCOMPARE(q.text(0), u"test-machine"_s);
        QVERIFY(QFile::remove(inst.programFile(DataLocation::MarkerFile)));
        r = run(folders.program, {"where"});
        QCOMPARE(r.out, u"mode: portable\ndatabase: %1/Spinledger.mdb\nbackups: %1/backups\nlock: %2\n"_s.arg(
                            folders.program, InstanceLock::pathFor(folders.program)));
    }

    // The variable, or up to three tries at the terminal.
    void protectedDatabase_data()
    {
        QTest::addColumn<QVariant>("variable");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("said");
        const QVariant none;
        QTest::newRow("variable") << QVariant(u"correct horse"_s) << QStringList{} << 0 << 0 << QString();
        QTest::newRow("wrong variable") << QVariant(u"correct"_s) << QStringList{"correct horse"} << 2 << 0
                                        << "SPINLEDGER_PASSPHRASE does not open";
        QTest::newRow("no terminal") << none << QStringList{} << 2 << 0 << "SPINLEDGER_PASSPHRASE";
        QTest::newRow("typed at the second")
            << none << QStringList{"x", "correct horse"} << 0 << 2 << "That was not the passphrase.";
        QTest::newRow("three wrong") << none << QStringList{"x", "y", "z", "correct horse"} << 2 << 3
                                     << "the passphrase does not open";
    }

    void protectedDatabase()
    {
        QFETCH(QVariant, variable);
        QFETCH(QStringList, typed);
        QFETCH(int, code);
        QFETCH(int, asked);
        QFETCH(QString, said);
        TestDb t;
        QVERIFY(t.app->changeKey(u"correct horse"_s));
        int questions = 0;
        m_adjust = [&](cli::Environment& env) {
            if (variable.isValid())
                env.passphrase = variable.toString();
            if (!typed.isEmpty() || asked > 0) {
                env.askPassphrase = [&](const QString& prompt) -> std::optional<QString> {
                    ++questions;
                    if (!prompt.contains(t.app->connString) || typed.isEmpty())
                        return std::nullopt;
                    return typed.takeFirst();
                };
            }
        };
        const Run r = run(t, {"casinos"});
        QCOMPARE(r.code, code);
        QCOMPARE(questions, variable.isValid() ? 0 : asked);
        QCOMPARE(r.out.contains(u"Demo Casino"_s), code == 0);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
