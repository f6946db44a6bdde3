// The schema's versions: files of every state this program has written reach
// the latest version with their rows, a failing step keeps the version before
// it, and a newer program's file is refused untouched.
#include "TestDb.h"
#include "store/Installation.h"
#include "store/Schema.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

// The newest version this program writes: 1 the play indexes and tallies,
// 2 the statistics, 3 sessions, limits and imports, 4 pockets in the
// history's index.
constexpr int Latest = 4;

QStringList referenceStatements()
{
    QFile f(QFINDTESTDATA("schema/unversioned.sql"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("the reference schema cannot be read");
    QStringList out;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u"--"_s))
            out << line.chopped(1); // the closing ';'
    }
    return out;
}

// A file of the reference schema without the statements that name what
// `leftOut` matches, at the recorded version, with a few rows in it.
void writeFile(Database& db, const QString& leftOut, int recorded)
{
    const QRegularExpression skip(leftOut);
    for (const QString& sql : referenceStatements()) {
        if (leftOut.isEmpty() || !skip.match(sql).hasMatch())
            db.exec(sql.toStdString());
    }
    db.exec("PRAGMA user_version = " + std::to_string(recorded));
    db.exec("INSERT INTO ka_app_setting VALUES (3, 'machine-1')");
    db.exec("INSERT INTO ka_app_casino VALUES (5, 'North', 3)");
    db.exec("INSERT INTO ka_app_r (ka_app_r_id, ka_app_setting_id, ka_app_r_numbers, cmbR) VALUES (7, 3, "
            "'17', 5)");
    if (db.hasTable("ka_app_stats_setting"))
        db.exec("INSERT INTO ka_app_stats_setting VALUES (3, 'R', 500, 2000, 4)");
}

QStringList objects(Database& db)
{
    QStringList out;
    Statement q = db.prepare("SELECT type || ' ' || name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' "
                             "ORDER BY 1");
    while (q.next())
        out << q.text(0);
    return out;
}

QString text(Database& db, const char* sql)
{
    Statement q = db.prepare(sql);
    return q.next() ? q.text(0) : QString();
}

const QString TwelveOnly = u"INDEX|_tally|stats_setting|session|table_limit|ka_app_import"_s;
const QString BeforeStatistics = u"stats|session|table_limit|ka_app_import"_s;
const QString BeforeSessions = u"session|table_limit|ka_app_import"_s;

} // namespace

class SchemaTest : public QObject
{
    Q_OBJECT

private slots:
    void everyEarlierFileReachesTheLatestVersion()
    {
        // What the file lacks, and the version it records.
        const std::pair<QString, int> cases[] = {{TwelveOnly, 0},       // the twelve tables alone
                                                 {BeforeStatistics, 0}, // unversioned, before the statistics
                                                 {BeforeSessions, 0},   // unversioned, before sessions
                                                 {QString(), 0},        // unversioned, every addition
                                                 {BeforeStatistics, 1}, {BeforeSessions, 2}, {QString(), 3}};
        for (const auto& [leftOut, recorded] : cases) {
            QTemporaryDir dir;
            Database latest;
            QVERIFY(latest.open(dir.filePath(u"latest.mdb"_s), QString(), Database::Mode::Create));
            Schema::create(latest);
            Database db;
            QVERIFY(db.open(dir.filePath(u"Spinledger.mdb"_s), QString(), Database::Mode::Create));
            writeFile(db, leftOut, recorded);

            QVERIFY(!Schema::complete(db));
            QCOMPARE(Schema::upgrade(db), Schema::Upgrade::Upgraded);
            QVERIFY(Schema::complete(db));
            QCOMPARE(Schema::version(db), Latest);
            QCOMPARE(objects(db), objects(latest));
            QCOMPARE(text(db,
                          "SELECT ka_app_sId || ' ' || ka_app_casino_name || ' ' || ka_app_r_numbers FROM "
                          "ka_app_setting, ka_app_casino, ka_app_r"),
                     u"machine-1 North 17"_s);
            QCOMPARE(text(db,
                          "SELECT count(*) || ' ' || coalesce(group_concat(ka_app_stats_bankroll), '') FROM "
                          "ka_app_stats_setting"),
                     leftOut.contains(u"stats"_s) ? u"0 "_s : u"1 2000.0"_s);
            // A new file is at the latest version already.
            QCOMPARE(Schema::version(latest), Latest);
            QCOMPARE(Schema::upgrade(latest), Schema::Upgrade::Current);
        }
    }

    // A table where step 2 puts an index: that step fails and takes back all
    // of its own work, while step 1 stays.
    void aFailingStepLeavesTheVersionBeforeIt()
    {
        TestDb t(false, TestDb::Tables::DeliveredOnly);
        t.db.exec("CREATE TABLE ix_r_stats_pocket (x)");
        QVERIFY_THROWS_EXCEPTION(DbError, Schema::upgrade(t.db));
        QCOMPARE(Schema::version(t.db), 1);
        QVERIFY(t.db.hasTable("ka_app_r_tally"));
        QVERIFY(!t.db.hasTable("ka_app_stats_setting"));
        QVERIFY(!t.db.hasTable("ka_app_session"));
    }

    // A large file's start holds the writes until its check: one that lacks
    // only the number starts at once and gets it when the check passed.
    void anUnversionedLargeFileGetsItsNumberAfterTheCheck()
    {
        TestDb t;
        t.db.exec("PRAGMA user_version = 0");
        t.app->checkInlineBytes = 0;
        QCOMPARE(Installation(*t.app).prepare(u"test-machine"_s, [](const QString&) {}),
                 Installation::Outcome::Prepared);
        QVERIFY(t.app->checkPending);
        QCOMPARE(Schema::version(t.db), 0);
        t.db.releaseWrites();
        Installation(*t.app).upgradeAfterCheck();
        QCOMPARE(Schema::version(t.db), Latest);
    }

    void aNewerProgramsFileIsRefusedAndLeftAsItIs()
    {
        TestDb t(false);
        writeFile(t.db, u"."_s, Latest + 1); // the twelve tables are there already
        const QByteArray before = fingerprint(t.db);
        QStringList lines;
        QCOMPARE(Installation(*t.app).prepare(u"machine-1"_s, [&](const QString& s) { lines << s; }),
                 Installation::Outcome::Newer);
        QCOMPARE(lines.last(),
                 u"Unable to continue! Error Code: (Load ldb): the database file was written by a "
                 u"newer version of Spinledger, which this one cannot use"_s);
        QVERIFY(!t.db.isOpen());
        QVERIFY(t.app->ensureOpen());
        QCOMPARE(fingerprint(t.db), before);
        QCOMPARE(Schema::upgrade(t.db), Schema::Upgrade::Newer);
        QCOMPARE(Schema::version(t.db), Latest + 1);
    }
};

QTEST_GUILESS_MAIN(SchemaTest)
#include "test_schema.moc"
