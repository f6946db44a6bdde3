// A damaged, full, empty, missing or read-only database file: the reasons
// the player reads, the check that finds the damage, the backups that keep
// the spins and the salvage that gets them out of a damaged file.
#include "DamagedFile.h"
#include "InstalledFolder.h"
#include "TestDb.h"
#include "TestFiles.h"
#include "backup/BackupFolder.h"
#include "backup/Salvage.h"
#include "engine/SpinEngine.h"
#include "io/SpinImport.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

QString path(const TestDb& t)
{
    return t.app->connString;
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// A long history in a closed file: without the indexes on the spins, their
// rows alone fill the pages in its middle.
struct LongHistory
{
    LongHistory() : t(true, TestDb::Tables::DeliveredOnly)
    {
        t.db.exec("DROP INDEX ix_r_played; DROP INDEX ix_r_casino; DROP INDEX ix_r_stats_pocket");
        writeSpins(t.db, Spins, t.app->settingId, t.casino);
        t.db.close();
    }
    static constexpr int Spins = 12000;
    TestDb t;
};

} // namespace

class TestDamage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // What the player reads when the file cannot be opened; nothing is made or changed.
    void openingFailuresSayWhy()
    {
        const std::pair<std::optional<QByteArray>, QString> cases[] = {
            {std::nullopt, u"the database file is missing"_s},
            {QByteArray(), u"the database file is empty (0 bytes)"_s},
            {QByteArray(8192, 'x'), u"the file is no Spinledger database, or it is damaged at its start"_s}};
        for (const auto& [content, reason] : cases) {
            QTemporaryDir dir;
            const QString file = dir.filePath(AppContext::DatabaseFile);
            if (content)
                writeFile(file, *content);
            Database db;
            QVERIFY(!db.open(file, AppContext::DatabasePassword));
            QCOMPARE(db.lastReason(), reason);
            QCOMPARE(QFileInfo::exists(file), content.has_value());
            if (content)
                QCOMPARE(readFile(file), *content);
        }
    }

    void aFullDiskIsNamedInTheSpinsAndTheImportsLine()
    {
        TestDb t;
        SpinEngine engine(*t.app, Wheel::r());
        QVERIFY(engine.play(t.casino, u"5"_s).status.ok);
        // No page more than the file has: the next spin's rows do not fit.
        const qint64 pageCount = t.scalar("PRAGMA page_count");
        t.db.exec("PRAGMA max_page_count = " + std::to_string(pageCount));
        QString line;
        for (int i = 0; i < 200 && line.isEmpty(); ++i)
            line = engine.play(t.casino, u"17"_s).status.text;
        QCOMPARE(line, u"Unable to continue! Error Code: (playR ldb): the disk is full"_s);
        SpinImport import(*t.app, Wheel::r());
        QByteArray spins;
        for (int i = 0; i < 2000; ++i)
            spins += QByteArray::number(i % 37) + '\n';
        QCOMPARE(int(import.check(writeFile(t.dir.filePath(u"spins.txt"_s), spins), t.casino).outcome),
                 int(SpinImport::Outcome::Imported));
        const SpinImport::Report r = import.write(t.casino);
        QCOMPARE(int(r.outcome), int(SpinImport::Outcome::Failed));
        QCOMPARE(r.message, u"Unable to continue! Error Code: (importR ldb): the disk is full"_s);
    }

    // A reading open alone leaves no log behind, one beside a writer sees
    // what the writer committed, and a write on it is named.
    void readingLeavesNoLogSeesTheWriterAndCannotWrite()
    {
        TestDb t;
        t.db.close();
        {
            Database reader;
            QVERIFY(reader.open(path(t), AppContext::DatabasePassword, Database::Mode::ReadOnly));
            QCOMPARE(reader.prepare("SELECT count(*) FROM ka_app_casino").next(), true);
        }
        QCOMPARE(fileNames(t.dir.path()), QStringList{AppContext::DatabaseFile});
        QVERIFY(t.app->ensureOpen());
        t.addCasino(u"Second"_s);
        Database reader;
        QVERIFY(reader.open(path(t), AppContext::DatabasePassword, Database::Mode::ReadOnly));
        Statement q = reader.prepare("SELECT count(*) FROM ka_app_casino");
        QVERIFY(q.next());
        QCOMPARE(q.integer(0), 2);
        try {
            reader.exec("DELETE FROM ka_app_casino");
            QFAIL("a reading connection wrote");
        } catch (const DbError& e) {
            QCOMPARE(e.reason(), u"the database file is read-only"_s);
        }
        QCOMPARE(t.rows("ka_app_casino"), 2);
    }

    // Nine days of daily copies and five before risky changes: the newest
    // seven of the days and the newest three of the others stay.
    void theFolderKeepsSevenDaysAndThreeEvents()
    {
        TestDb t;
        t.clock.stepMs = 0;
        BackupFolder folder(path(t), t.clock);
        const BackupFolder::Kind events[] = {
            BackupFolder::Kind::BeforeImport, BackupFolder::Kind::BeforeDeletion,
            BackupFolder::Kind::BeforeImport, BackupFolder::Kind::BeforeRestore,
            BackupFolder::Kind::BeforeImport};
        for (int day = 1; day <= 9; ++day) {
            t.clock.current = QDateTime(QDate(2026, 11, day), QTime(10, 0));
            QVERIFY(folder.take(t.db, BackupFolder::Kind::Daily).ok());
            if (day <= 5) {
                t.clock.current = QDateTime(QDate(2026, 11, day), QTime(11, 0));
                QVERIFY(folder.take(t.db, events[day - 1]).ok());
            }
        }
        QCOMPARE(fileNames(folder.folder()),
                 (QStringList{
                     "Spinledger-2026-11-03_100000-daily.mdb", "Spinledger-2026-11-03_110000-import.mdb",
                     "Spinledger-2026-11-04_100000-daily.mdb", "Spinledger-2026-11-04_110000-restore.mdb",
                     "Spinledger-2026-11-05_100000-daily.mdb", "Spinledger-2026-11-05_110000-import.mdb",
                     "Spinledger-2026-11-06_100000-daily.mdb", "Spinledger-2026-11-07_100000-daily.mdb",
                     "Spinledger-2026-11-08_100000-daily.mdb", "Spinledger-2026-11-09_100000-daily.mdb"}));
    }

    void aFailedBackupSaysWhyAndChangesNothing()
    {
        TestDb t;
        writeFile(t.dir.filePath(u"backups"_s), "in the way");
        const QByteArray before = fingerprint(t.db);
        const Result<QString> taken = BackupFolder(path(t), t.clock).take(t.db, BackupFolder::Kind::Daily);
        QVERIFY(!taken.ok());
        QVERIFY2(taken.status().contains(u"cannot be made"_s), qPrintable(taken.status()));
        QCOMPARE(fingerprint(t.db), before);
    }

    // A restore swaps the file for the backup and keeps the one in use beside
    // it byte for byte, a damaged one too; a damaged backup changes nothing.
    void restoreKeepsTheFileInUse()
    {
        // the file flipped (none, "in use" or "backup"); the name the file in use is kept as, empty: refused
        const std::pair<QString, QString> cases[] = {
            {QString(), u"Spinledger.replaced-2026-12-07_081500.mdb"_s},
            {u"in use"_s, u"Spinledger.damaged-2026-12-07_081500.mdb"_s},
            {u"backup"_s, QString()}};
        for (const auto& [damaged, kept] : cases) {
            LongHistory h;
            TestDb& t = h.t;
            t.clock.stepMs = 0;
            QVERIFY(t.app->ensureOpen());
            BackupFolder folder(path(t), t.clock);
            const QString backup = folder.take(t.db, BackupFolder::Kind::Daily).value();
            writeSpins(t.db, 5, t.app->settingId, t.casino);
            t.db.close();
            const QString flipped = damaged == u"backup" ? backup : path(t);
            if (!damaged.isEmpty())
                flipByte(flipped, int(pages(flipped) / 2));
            const QByteArray before = readFile(path(t));
            t.clock.current = QDateTime(QDate(2026, 12, 7), QTime(8, 15));
            const Result<QString> restored = folder.restore(backup, AppContext::DatabasePassword);
            if (kept.isEmpty()) {
                QCOMPARE(restored.status(), u"the backup is damaged"_s);
                QCOMPARE(readFile(path(t)), before);
                QCOMPARE(fileNames(t.dir.path()), (QStringList{AppContext::DatabaseFile}));
                continue;
            }
            QVERIFY2(restored.ok(), qPrintable(restored.status()));
            QCOMPARE(restored.value(), t.dir.filePath(kept));
            QCOMPARE(readFile(restored.value()), before);
            QCOMPARE(InstalledFolder::spins(path(t)), LongHistory::Spins);
            QVERIFY(!QFileInfo::exists(path(t) + u".restoring"_s));
        }
    }

    // A backup is a checked copy under the same key, the day's taken once a
    // day, listed with its date and spins.
    void aBackupIsACheckedCopyTakenOnceADayAndListed()
    {
        TestDb t;
        t.clock.stepMs = 0;
        BackupFolder folder(path(t), t.clock);
        writeSpins(t.db, 3, t.app->settingId, t.casino);
        t.clock.current = QDateTime(QDate(2026, 12, 1), QTime(18, 30, 5));
        const Result<QString> taken = folder.takeDailyIfDue(t.db);
        QVERIFY2(taken.ok(), qPrintable(taken.status()));
        QCOMPARE(taken.value(), t.dir.filePath(u"backups/Spinledger-2026-12-01_183005-daily.mdb"_s));
        // The copy is whole: the folder holds it alone, nothing half-written.
        QCOMPARE(fileNames(folder.folder()), QStringList{QFileInfo(taken.value()).fileName()});
        Database plain;
        QVERIFY(!plain.open(taken.value(), QString(), Database::Mode::ReadOnly));
        QVERIFY(t.app->db().isOpen());
        t.clock.current = QDateTime(QDate(2026, 12, 1), QTime(23, 59));
        QCOMPARE(folder.takeDailyIfDue(t.db).value(), QString());
        writeSpins(t.db, 4, t.app->settingId, t.casino);
        t.clock.current = QDateTime(QDate(2026, 12, 2), QTime(7, 0));
        const QString newest = folder.take(t.db, BackupFolder::Kind::BeforeImport).value();
        flipByte(newest, 1); // its start: it cannot even be opened
        const std::vector<BackupFolder::Entry> all = folder.list(AppContext::DatabasePassword);
        QCOMPARE(all.size(), size_t(2));
        QCOMPARE(all[0].taken, QDateTime(QDate(2026, 12, 2), QTime(7, 0)));
        QCOMPARE(all[0].kind, BackupFolder::Kind::BeforeImport);
        QVERIFY(!all[0].readable);
        QCOMPARE(all[1].taken, QDateTime(QDate(2026, 12, 1), QTime(18, 30, 5)));
        QVERIFY(all[1].readable);
        QCOMPARE(all[1].spinsR, 3);
        // A copy before a change is none of the day's.
        QVERIFY(!folder.takeDailyIfDue(t.db).value().isEmpty());
    }

    // Every row off a damaged page, in order, the rest counted; of one
    // casino, its rows alone.
    void salvageWritesWhatCanBeRead()
    {
        for (const bool damaged : {false, true}) {
            LongHistory h;
            if (damaged)
                flipByte(path(h.t), int(pages(path(h.t)) / 2));
            QVERIFY(h.t.app->ensureOpen());
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            // Each row given up on is logged with the engine's reason.
            if (damaged) {
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression(u"^salvage of \\S+ stopped after key \\d+: .+"_s));
                QTest::ignoreMessage(
                    QtWarningMsg,
                    QRegularExpression(
                        u"^salvage of \\S+ skipped \\d+ unreadable keys, the last because: .+"_s));
            }
            const Salvage::Report report = Salvage(h.t.db, Wheel::r()).write(out, h.t.casino);
            QVERIFY(report.failure.isEmpty());
            QCOMPARE(report.unreadable > 0, damaged);
            QCOMPARE(report.written + report.unreadable, qint64(LongHistory::Spins));
            const QList<QByteArray> lines = out.data().split('\n');
            QCOMPARE(lines.value(0), QByteArray("\xEF\xBB\xBFspin_no,date_time,pocket,casino_id\r"));
            QCOMPARE(lines.size(), report.written + 2); // the header, the rows, the empty end
            // The i-th spin was pocket i % 37 a minute after the one before: the
            // minutes of the stamps tell which spins came out, and in what order.
            int lastMinute = -1;
            for (qsizetype i = 1; i <= report.written; ++i) {
                const QList<QByteArray> cells = lines[i].trimmed().split(',');
                QCOMPARE(cells.value(0).toLongLong(), i);
                const QDateTime stamp =
                    QDateTime::fromString(QString::fromLatin1(cells.value(1)), Qt::ISODateWithMs);
                const int minute = int(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).secsTo(stamp) / 60);
                QVERIFY(minute > lastMinute);
                QCOMPARE(cells.value(2).toInt(), minute % 37);
                lastMinute = minute;
            }
            QBuffer none;
            none.open(QIODevice::WriteOnly);
            QCOMPARE(Salvage(h.t.db, Wheel::r()).write(none, h.t.casino + 1).written, 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestDamage)
#include "test_damage.moc"
