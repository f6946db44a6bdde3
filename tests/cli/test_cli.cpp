// The command line's frame: dispatch, help, version, refusals and the casino
// lookup every command shares, run in-process on a prepared database, plus the
// real program's exit codes.
#include "TestDb.h"
#include "cli/Cli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    Run run(TestDb& t, QStringList args)
    {
        Run r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        cli::Environment env;
        env.programFolder = t.dir.path();
        env.installationId = [] { return QStringLiteral("test-machine"); };
        args.prepend(QStringLiteral("spinledger-cli"));
        r.code = cli::run(args, out, err, env);
        out.flush();
        err.flush();
        return r;
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

private slots:
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

    void realProgramExitCodes()
    {
        TestDb t;
        QProcess p;
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM),
                {QStringLiteral("casinos"), QStringLiteral("--db"), t.dir.filePath("missing.mdb")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().startsWith("spinledger-cli: cannot open"));
        p.start(QStringLiteral(SPINLEDGER_CLI_PROGRAM), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("spinledger-cli " SPINLEDGER_TEST_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
