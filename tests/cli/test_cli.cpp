// The command line's frame: dispatch, help, version, refusals and the casino
// lookup every command shares, run in-process on a prepared database, plus the
// real program's exit codes.
#include "TestDb.h"
#include "cli/Cli.h"
#include "engine/SpinEngine.h"
#include "store/InstanceLock.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
    QByteArray bytes; // of out
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    // Streams on devices, as standard output and error are.
    Run run(TestDb& t, QStringList args, bool terminal = false)
    {
        Run r;
        QBuffer outBytes, errBytes;
        outBytes.open(QIODevice::WriteOnly);
        errBytes.open(QIODevice::WriteOnly);
        QTextStream out(&outBytes);
        QTextStream err(&errBytes);
        cli::Environment env;
        env.programFolder = t.dir.path();
        env.installationId = [] { return QStringLiteral("test-machine"); };
        env.errIsTerminal = terminal;
        args.prepend(QStringLiteral("spinledger-cli"));
        r.code = cli::run(args, out, err, env);
        out.flush();
        err.flush();
        r.bytes = outBytes.data();
        r.out = QString::fromUtf8(r.bytes);
        r.err = QString::fromUtf8(errBytes.data());
        return r;
    }

    QString writeFile(TestDb& t, const QString& name, const QByteArray& bytes)
    {
        QFile f(t.dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

    // Spin number, stamp and pocket of every row of an exported file.
    QStringList spinColumns(const QString& csv)
    {
        QStringList rows;
        for (const QString& line : csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
            rows << line.section(u',', 0, 2);
        return rows;
    }

    void addSpins(TestDb& t, const Wheel& w, qint64 casino, int n)
    {
        for (int i = 0; i < n; ++i)
            t.db.prepare(QStringLiteral("INSERT INTO %1 (ka_app_setting_id, %2) VALUES (?1, ?2)")
                             .arg(w.spinTable(), w.casinoSetting())
                             .toStdString())
                .bind(1, t.app->settingId)
                .bind(2, casino)
                .run();
    }

    QByteArray fileBytes(TestDb& t)
    {
        QFile f(t.app->connString);
        f.open(QIODevice::ReadOnly);
        QFile wal(t.app->connString + QStringLiteral("-wal"));
        wal.open(QIODevice::ReadOnly);
        return f.readAll() + wal.readAll();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << "no command given";
        QTest::newRow("unknown command") << QStringList{"play"} << "unknown command 'play'";
        QTest::newRow("unknown option") << QStringList{"casinos", "--wheel", "R"} << "Unknown option 'wheel'";
        QTest::newRow("stray argument") << QStringList{"casinos", "extra"} << "unexpected argument 'extra'";
        QTest::newRow("missing file")
            << QStringList{"casinos", "--db", "/nonexistent/x.mdb"} << "cannot open";
        QTest::newRow("spin count, missing file")
            << QStringList{"spin-count", "--db", "/nonexistent/x.mdb"} << "cannot open";
        QTest::newRow("stats: wheel letter")
            << QStringList{"stats", "--wheel", "X", "--casino", "1"} << "unknown wheel 'X'";
        QTest::newRow("stats: no wheel")
            << QStringList{"stats", "--casino", "1"} << "--wheel R|M is required";
        QTest::newRow("stats: missing casino")
            << QStringList{"stats", "--wheel", "R", "--casino", "Nowhere"} << "no casino 'Nowhere'";
        QTest::newRow("stats: table maximum")
            << QStringList{"stats", "--wheel", "M", "--casino", "1", "--table-max", "-5"}
            << "--table-max needs a positive amount";
        QTest::newRow("stats: series")
            << QStringList{"stats", "--wheel", "M", "--casino", "1", "--series", "x"}
            << "--series needs a whole number";
        QTest::newRow("stats: not a database")
            << QStringList{"stats", "--wheel", "R", "--casino", "1", "--db", SPINLEDGER_CLI_PROGRAM}
            << "cannot open";
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        TestDb t;
        const Run r = run(t, args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith(QStringLiteral("spinledger-cli: ")) && r.err.contains(message),
                 qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
    }

    void helpAndVersion()
    {
        TestDb t;
        const Run version = run(t, {"--version"});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QStringLiteral("spinledger-cli " SPINLEDGER_TEST_VERSION "\n"));
        const Run help = run(t, {"--help"});
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains(QRegularExpression(QStringLiteral("\n  casinos +List the casinos"))));
        const Run commandHelp = run(t, {"casinos", "--help"});
        QCOMPARE(commandHelp.code, 0);
        QVERIFY(commandHelp.out.contains(QStringLiteral("--db <PATH>")));
    }

    void listsTheInstallationsCasinos()
    {
        TestDb t;
        const qint64 second = t.addCasino(QStringLiteral("Casino \"Nord\" Zürich"));
        addSpins(t, Wheel::r(), t.casino, 3);
        addSpins(t, Wheel::m(), second, 2);
        // A casino of another installation is not listed.
        t.db.exec(
            "INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Foreign', 999)");

        const Run text = run(t, {"casinos"});
        QCOMPARE(text.code, 0);
        QCOMPARE(text.out, QStringLiteral("    id    R spins    M spins  name\n"
                                          "     1          3          0  Demo Casino\n"
                                          "     2          0          2  Casino \"Nord\" Zürich\n"));

        const Run json = run(t, {"casinos", "--json"});
        QCOMPARE(json.code, 0);
        const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).object()["casinos"].toArray();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].toObject()["name"].toString(), QStringLiteral("Casino \"Nord\" Zürich"));
        QCOMPARE(rows[1].toObject()["spins"].toObject()["M"].toInt(), 2);
    }

    void spinCountCoversEveryInstallation()
    {
        TestDb t;
        QCOMPARE(run(t, {"spin-count"}).out, QStringLiteral("0\n"));
        addSpins(t, Wheel::r(), t.casino, 3);
        addSpins(t, Wheel::m(), t.casino, 1);
        // A history filed under another machine's installation counts as well.
        t.db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('elsewhere')");
        t.db.exec("INSERT INTO ka_app_m (ka_app_setting_id, cmbM) VALUES (2, 7)");
        const Run r = run(t, {"spin-count"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("5\n"));
    }

    void statsAsTextAndJson()
    {
        // Six spins through the engine (ties drawn as scripted), while the
        // test keeps its own connection open as the window would.
        TestDb t;
        SpinEngine engine(*t.app, Wheel::r());
        for (const char* pocket : {"17", "5", "0", "32", "17", "8"})
            QVERIFY(engine.play(QString::fromLatin1(pocket)).status.ok);
        const QByteArray before = fileBytes(t);

        const Run text = run(t, {"stats", "--wheel", "r", "--casino", "Demo Casino"});
        QCOMPARE(text.code, 0);
        QVERIFY(text.err.isEmpty());
        QVERIFY2(text.out.startsWith(
                     QStringLiteral("Demo Casino (id 1), 38-pocket wheel: 6 spins, 5 judged advices, "
                                    "37 pockets in play (00 switched off)\n")),
                 qPrintable(text.out));
        for (const char* line : {"Does the advice beat chance?", "  Black/Red ", "not enough judged spins",
                                 "  chi-square: needs at least 185 spins (6 so far)",
                                 "Type the table maximum to see what doubling risks."})
            QVERIFY2(text.out.contains(QString::fromUtf8(line)), line);

        // Base 10, maximum 500: 10 to 320 fit, 6 bets; a bust loses 630.
        const Run json = run(t, {"stats", "--wheel", "R", "--casino", "1", "--json", "--table-max", "500"});
        QCOMPARE(json.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(o["wheel"].toString(), QStringLiteral("R"));
        QCOMPARE(o["casino"].toObject()["name"].toString(), QStringLiteral("Demo Casino"));
        QCOMPARE(o["pockets"].toInt(), 37);
        QCOMPARE(o["spins"].toInt(), 6);
        QCOMPARE(o["judged"].toInt(), 5);
        const QJsonObject colour = o["scorecard"].toArray()[1].toObject();
        QCOMPARE(colour["category"].toString(), QStringLiteral("blackred"));
        QCOMPARE(colour["judged"].toInt(), 5);
        QCOMPARE(colour["chance"].toDouble(), 18.0 / 37);
        QCOMPARE(colour["verdict"].toString(), QStringLiteral("not-enough"));
        const QJsonObject bias = o["bias"].toObject();
        QCOMPARE(bias["needed"].toInt(), 185);
        QVERIFY(bias["chiSquare"].isNull());
        QCOMPARE(bias["counts"].toArray().size(), 37);
        QCOMPARE(o["money"].toArray().size(), 5);
        const QJsonObject doubling = o["doubling"].toObject();
        QCOMPARE(doubling["state"].toString(), QStringLiteral("ready"));
        QCOMPARE(doubling["tableMax"].toDouble(), 500.0);
        QVERIFY(doubling["bankroll"].isNull());
        QCOMPARE(doubling["categories"].toArray()[0].toObject()["bets"].toInt(), 6);
        QCOMPARE(doubling["categories"].toArray()[0].toObject()["bustLoss"].toDouble(), 630.0);
        // Nothing was written.
        QCOMPARE(fileBytes(t), before);
    }

    void installationOfAnotherMachine()
    {
        // A file brought from another machine: its one installation is used;
        // with two and none of this machine, the command refuses.
        TestDb t;
        t.db.exec("UPDATE ka_app_setting SET ka_app_sId = 'elsewhere'");
        QCOMPARE(run(t, {"casinos"}).code, 0);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('third')");
        const Run r = run(t, {"casinos"});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("several installations")));
    }

    void importCommand_data()
    {
        QTest::addColumn<QStringList>("args"); // FILE stands for the spin file
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray three("17\n0\n32\n");
        QTest::newRow("a new casino, created")
            << QStringList{"import", "--wheel", "R", "--casino", "Ζάρια \"Nord\"", "FILE"} << three << false
            << false << 0
            << "Created casino 'Ζάρια \"Nord\"' (id 2)\nImported 3 spins into casino 'Ζάρια \"Nord\"' (R "
               "wheel)\n"
            << "";
        QTest::newRow("a casino by its id, progress on a terminal")
            << QStringList{"import", "--wheel", "m", "--casino", "1", "FILE"} << QByteArray("pocket\n12\n7\n")
            << false << true << 0 << "Imported 2 spins into casino 'Demo Casino' (M wheel)\n"
            << "\rImporting spin 2 of 2... 100%\n";
        QTest::newRow("a refused file")
            << QStringList{"import", "--wheel", "R", "--casino", "New", "FILE"} << QByteArray("17\n37\n")
            << false << false << 2 << ""
            << "spinledger-cli: spins.csv: line 2 (\"37\"): \"37\" is no pocket of this wheel (0, 1-36)\n";
        QTest::newRow("the window is open")
            << QStringList{"import", "--wheel", "R", "--casino", "Demo Casino", "FILE"} << three << true
            << false << 2 << ""
            << "close its window first";
        QTest::newRow("an id that names no casino")
            << QStringList{"import", "--wheel", "R", "--casino", "9", "FILE"} << three << false << false << 2
            << ""
            << "spinledger-cli: no casino with the id 9 (spinledger-cli casinos lists them)\n";
        QTest::newRow("no such file")
            << QStringList{"import", "--wheel", "R", "--casino", "1", "nope.csv"} << three << false << false
            << 2 << ""
            << "spinledger-cli: nope.csv cannot be read: No such file or directory\n";
        QTest::newRow("no wheel") << QStringList{"import", "--casino", "1", "FILE"} << three << false << false
                                  << 2 << ""
                                  << "spinledger-cli: --wheel R|M is required\n";
        QTest::newRow("no file") << QStringList{"import", "--wheel", "R", "--casino", "1"} << three << false
                                 << false << 2 << ""
                                 << "spinledger-cli: import needs FILE\n";
    }

    void importCommand()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(bool, windowOpen);
        QFETCH(bool, terminal);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TestDb t;
        args.replaceInStrings(QStringLiteral("FILE"), writeFile(t, QStringLiteral("spins.csv"), file));
        QLockFile window(InstanceLock::pathFor(t.dir.path()));
        if (windowOpen)
            QVERIFY(window.tryLock(0));
        const QByteArray before = fingerprint(t.db, t.app->connString);
        const Run r = run(t, args, terminal);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, out);
        if (code == 0 && err.isEmpty())
            QVERIFY(r.err.isEmpty());
        else
            QVERIFY2(code == 0 ? r.err.endsWith(err) : r.err.contains(err), qPrintable(r.err));
        if (code != 0)
            QCOMPARE(fingerprint(t.db, t.app->connString), before);
        // The command has let go of the lock.
        QCOMPARE(QLockFile(InstanceLock::pathFor(t.dir.path())).tryLock(0), !windowOpen);
    }

    void exportCommandBesideTheWindow()
    {
        TestDb t;
        SpinEngine engine(*t.app, Wheel::r());
        for (const char* pocket : {"5", "00", "5"})
            engine.play(QString::fromLatin1(pocket));
        QLockFile window(InstanceLock::pathFor(t.dir.path()));
        QVERIFY(window.tryLock(0));
        const Run toOut = run(t, {"export", "--wheel", "R", "--casino", "Demo Casino"});
        QCOMPARE(toOut.code, 0);
        QVERIFY(toOut.err.isEmpty());
        QVERIFY(toOut.bytes.startsWith("\xEF\xBB\xBFspin_no,date_time,pocket,"));
        QCOMPARE(toOut.out.count(QStringLiteral("\r\n")), 4);
        const QString path = t.dir.filePath(QStringLiteral("out.csv"));
        const Run toFile = run(t, {"export", "--wheel", "R", "--casino", "1", "--out", path});
        QCOMPARE(toFile.code, 0);
        QCOMPARE(toFile.out, QStringLiteral("Exported 3 spins of casino 'Demo Casino' (R wheel) to %1\n")
                                 .arg(QDir::toNativeSeparators(path)));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), toOut.bytes);
        const Run unknown = run(t, {"export", "--wheel", "R", "--casino", "Nowhere"});
        QCOMPARE(unknown.code, 2);
        QVERIFY(unknown.err.startsWith(QStringLiteral("spinledger-cli: no casino 'Nowhere'")));
    }

    void roundTripBetweenCasinos_data()
    {
        QTest::addColumn<QString>("wheel");
        QTest::newRow("R") << "R";
        QTest::newRow("M") << "M";
    }

    void roundTripBetweenCasinos()
    {
        QFETCH(QString, wheel);
        TestDb t;
        const qint64 source = t.addCasino(QStringLiteral("Casino \"Nord\" Zürich"));
        t.db.prepare(QStringLiteral("UPDATE %1 SET %2 = ?1")
                         .arg(Wheel::byLetter(wheel[0])->settingsTable(),
                              Wheel::byLetter(wheel[0])->casinoSetting())
                         .toStdString())
            .bind(1, source)
            .run();
        SpinEngine engine(*t.app, *Wheel::byLetter(wheel[0]));
        for (const char* pocket : {"0", "12", "3", "3", "0", "7", "11"}) {
            engine.play(QString::fromLatin1(pocket));
            if (pocket[0] == '7')
                engine.undoSpin(t.app->settingId, source);
        }
        const QString file = t.dir.filePath(QStringLiteral("nord.csv"));
        QCOMPARE(
            run(t, {"export", "--wheel", wheel, "--casino", "Casino \"Nord\" Zürich", "--out", file}).code,
            0);
        QCOMPARE(run(t, {"import", "--wheel", wheel, "--casino", "Ζάρια «Süd»", file}).code, 0);
        const Run original = run(t, {"export", "--wheel", wheel, "--casino", "Casino \"Nord\" Zürich"});
        const Run copy = run(t, {"export", "--wheel", wheel, "--casino", "Ζάρια «Süd»"});
        QCOMPARE(spinColumns(copy.out).size(), 6);
        QCOMPARE(spinColumns(copy.out), spinColumns(original.out));
    }

    void realProgramExitCodes()
    {
        TestDb t;
        QProcess p;
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM),
                {QStringLiteral("casinos"), QStringLiteral("--db"), t.dir.filePath("missing.mdb")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().startsWith("spinledger-cli: cannot open"));
        // The window's lock stops an import; an export runs beside it and
        // writes its bytes to standard output unchanged.
        const QString db = t.app->connString;
        QLockFile window(InstanceLock::pathFor(t.dir.path()));
        QVERIFY(window.tryLock(0));
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM),
                {"import", "--db", db, "--wheel", "R", "--casino", "1", db});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("close its window first"));
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM),
                {"export", "--db", db, "--wheel", "M", "--casino", "1"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("\xEF\xBB\xBFspin_no,"));
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("spinledger-cli " SPINLEDGER_TEST_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
