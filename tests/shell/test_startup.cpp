#include "DamagedFile.h"
#include "InstalledFolder.h"
#include "ShellFixture.h"
#include "TestDb.h"
#include "backup/BackupFolder.h"
#include "board/BoardCell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace spinledger;
using spinledger::test::InstalledFolder;
using spinledger::test::ShellFixture;
using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private:
    // The status line's text fits its label, and the label the window.
    static bool wholeLineShows(SplashWindow& splash)
    {
        const auto* line = splash.findChild<QLabel*>(u"Panel1"_s);
        const QRect shown = line->contentsRect();
        const int flags = int(line->alignment()) | (line->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = line->fontMetrics().boundingRect(shown, flags, line->text());
        return shown.contains(needed) &&
               splash.rect().contains(QRect(line->mapTo(&splash, QPoint()), line->size()));
    }

private slots:
    void firstStartOpensTheMainWindow()
    {
        ShellFixture f;
        QCOMPARE(f.start(), Application::Outcome::Running);
        QVERIFY(f.main()->isVisible() && !f.app->splash().isVisible());
        QCOMPARE(f.waits, (QList<int>{1000, 600}));
        QVERIFY(f.elevations.isEmpty() && !QFileInfo::exists(f.dir.filePath(u"dblog.txt"_s)));
        QCOMPARE(f.app->splash().statusText(), u"Spinledger v1.1.0 Ready"_s);
        QCOMPARE(f.rows("ka_app_casino"), 1);
        // Both boards load the demo casino and its settings (the board's tests check what they show).
        for (const QString& letter : {u"R"_s, u"M"_s}) {
            QCOMPARE(f.main()->findChild<QComboBox*>(u"cmb"_s + letter)->currentText(), u"Demo Casino"_s);
            QVERIFY(f.main()->findChild<QCheckBox*>(u"cb"_s + letter + u"BlackRed"_s)->isChecked());
        }
    }

    // A wait holds nothing up: the window takes Esc while the start-up
    // waits, and nothing is prepared before the wait is over.
    void theSplashTakesEscWhileItWaits()
    {
        ShellFixture f;
        std::function<void()> resume;
        f.services.wait = [&](int ms, QObject*, std::function<void()> then) {
            f.waits << ms;
            resume = std::move(then);
        };
        f.app = std::make_unique<Application>(f.dir.path(), f.services);
        QSignalSpy over(f.app.get(), &Application::started);
        QSignalSpy exit(f.app.get(), &Application::exitRequested);
        f.app->start();
        QCOMPARE(f.waits, QList<int>{1000});
        QCOMPARE(f.app->splash().statusText(), u"Loading App.."_s);
        QVERIFY(over.isEmpty() && f.app->splash().isVisible());
        QTest::keyClick(&f.app->splash(), Qt::Key_Escape);
        QCOMPARE(exit.count(), 1);
        QCOMPARE(f.rows("ka_app_setting"), 0);
        resume();
        QCOMPARE(f.waits, (QList<int>{1000, 600}));
        resume();
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.first().first().value<Application::Outcome>(), Application::Outcome::Running);
    }

    // A lock held by this folder's program is a second start and ends without
    // a word; one whose process id now runs another program was left behind,
    // and the player is told which file stands in the way.
    void heldLockEndsTheStart_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<bool>("told");
        QTest::newRow("second start") << "/installed/spinledger" << false;
        QTest::newRow("another folder's program") << "/elsewhere/spinledger" << true;
        QTest::newRow("unknown") << "" << false;
    }
    void heldLockEndsTheStart()
    {
        QFETCH(QString, holder);
        QFETCH(bool, told);
        ShellFixture f;
        f.lockHolder = holder;
        QLockFile running(f.services.lockPath);
        QVERIFY(running.tryLock(0));
        QCOMPARE(f.start(), Application::Outcome::Ended);
        QVERIFY(!f.app->splash().isVisible() && !f.main() && f.waits.isEmpty());
        QCOMPARE(f.rows("ka_app_setting"), 0);
        QCOMPARE(f.informed.value(0), told ? u"Info"_s : QString());
        QCOMPARE(f.informed.value(1).contains(f.services.lockPath), told);
        // The system's answer for this very process is this very program.
        const StartupServices system = StartupServices::system(DataLocation::system(f.dir.path()));
        QCOMPARE(system.programOf(QCoreApplication::applicationPid()), system.program);
        QVERIFY(!system.program.isEmpty() && system.programOf(1) != system.program);
    }

    void unwritableFolderIsRepairedThroughTheElevatedScript()
    {
        ShellFixture f;
        // A folder in the way of the test file fails the write test even for root.
        const QString blocker = f.dir.filePath(u"dblog.txt"_s);
        QVERIFY(QDir().mkdir(blocker));
        f.repair = [&] { QDir().rmdir(blocker); };

        QCOMPARE(f.start(), Application::Outcome::Running);
        const QString folder = f.dir.path();
        QCOMPARE(f.elevations.size(), 1);
        QCOMPARE(f.elevations.first(), (QStringList{u"pkexec"_s, u"/bin/sh"_s, folder + u"/xcacls.sh"_s,
                                                    folder, u"/G"_s, u"player1:"_s, u"RWMX"_s, u"/E"_s}));
        QCOMPARE(f.waits, (QList<int>{1000, 6000, 600}));
        QVERIFY(!QFileInfo::exists(blocker));
        QCOMPARE(f.rows("ka_app_setting"), 1);
    }

    void unrepairableFolderEndsAfterTheInfoBox()
    {
        ShellFixture f;
        QVERIFY(QDir().mkdir(f.dir.filePath(u"dblog.txt"_s)));
        QCOMPARE(f.start(), Application::Outcome::Ended);
        QCOMPARE(f.app->splash().statusText(), u"Unable to continue! Please set User Permission manually."_s);
        QCOMPARE(f.informed,
                 (QStringList{u"Info"_s, u"Unable to continue! Unable to set User Permission!\n\nPlease set "
                                         "User Permission (Read/Write) manually for Directory:\n\n"_s +
                                             f.dir.path() + u"\n\nThen restart Spinledger."_s}));
        QVERIFY(!f.main());
        QCOMPARE(f.rows("ka_app_setting"), 0);
    }

    // A file missing or a preparation that failed leaves nothing to show:
    // the start stops with the reason in plain words (never the statement
    // that failed) instead of opening an empty board, and Esc ends it.
    void failedPreparationStops_data()
    {
        QTest::addColumn<QString>("fault"); // a file's path: that file missing
        QTest::addColumn<QString>("status");
        for (const QString& file : SplashWindow::requiredFiles()) {
            const QString reason =
                file == u"/Spinledger.mdb"_s ? u": the database file is missing"_s : QString();
            QTest::newRow(qPrintable(file))
                << file
                << u"Unable to continue! Error Code: (%1)%2. Press 'Esc' to Exit."_s.arg(file, reason);
        }
        QTest::newRow("no identifier")
            << u"identifier"_s << u"Unable to continue! Error Code: (sId) Press 'Esc' to Exit."_s;
        QTest::newRow("zero-length file") << "empty"
                                          << "Unable to continue! Error Code: (Load ldb): the database file "
                                             "is empty (0 bytes). Press 'Esc' to Exit.";
        QTest::newRow("a table missing") << "table"
                                         << "Unable to continue! Error Code: (Load ldb): the database file "
                                            "does not hold what Spinledger expects. Press 'Esc' to Exit.";
    }
    void failedPreparationStops()
    {
        QFETCH(QString, fault);
        QFETCH(QString, status);
        ShellFixture f;
        const QString file = f.dir.filePath(AppContext::DatabaseFile);
        if (fault.startsWith(u'/'))
            QVERIFY(QFile::remove(f.dir.path() + fault));
        if (fault == u"identifier")
            f.identifier.clear();
        if (fault == u"empty")
            QVERIFY(QFile(file).resize(0));
        if (fault == u"table") {
            Database db;
            QVERIFY(db.open(file, AppContext::DatabasePassword));
            db.exec("DROP TABLE ka_app_casino");
        }
        QCOMPARE(f.start(), Application::Outcome::Stopped);
        QCOMPARE(f.app->splash().statusText(), status);
        QVERIFY(wholeLineShows(f.app->splash()));
        QVERIFY(f.app->splash().isVisible() && !f.main() && f.elevations.isEmpty());
        QCOMPARE(QFileInfo::exists(file) && QFileInfo(file).size() == 0, fault == u"empty");

        QSignalSpy exit(f.app.get(), &Application::exitRequested);
        QTest::keyClick(&f.app->splash(), Qt::Key_Escape);
        QCOMPARE(exit.count(), 1);
        f.app->splash().close();
        QCOMPARE(exit.count(), 2);
    }

    // A damaged file is never written: the start stops, names the newest
    // backup and offers it; a restore keeps the damaged file beside.
    void aDamagedFileIsOfferedItsNewestBackup_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("answer");
        QTest::newRow("no backup") << false << false;
        QTest::newRow("declined") << true << false;
        QTest::newRow("restored") << true << true;
    }
    void aDamagedFileIsOfferedItsNewestBackup()
    {
        QFETCH(bool, backup);
        QFETCH(bool, answer);
        ShellFixture f;
        f.answer = answer;
        const QString file = f.dir.filePath(AppContext::DatabaseFile);
        {
            Database db;
            QVERIFY(db.open(file, AppContext::DatabasePassword));
            test::writeSpins(db, 3000, 1, 1);
            test::FakeClock clock;
            clock.current = QDateTime(QDate(2026, 12, 5), QTime(21, 30));
            if (backup)
                QVERIFY(BackupFolder(file, clock).take(db, BackupFolder::Kind::Daily).ok());
        }
        test::flipByte(file, int(test::pages(file) / 2));
        const QByteArray bytes = test::readFile(file);

        QCOMPARE(f.start(), answer ? Application::Outcome::Running : Application::Outcome::Stopped);
        const QString line = u"Unable to continue! Error Code: (Load ldb): the database file is damaged. "_s;
        const QString when =
            QLocale().toString(QDateTime(QDate(2026, 12, 5), QTime(21, 30)), QLocale::ShortFormat);
        const QString none = u"There is no backup of it; \"spinledger-cli export --salvage\" writes out the "
                             "spins that can still be read."_s;
        if (!answer)
            QCOMPARE(f.app->splash().statusText(),
                     line + (backup ? u"The newest backup is of "_s + when + u'.' : none) +
                         u" Press 'Esc' to Exit."_s);
        QCOMPARE(f.asked.size(), backup ? 2 : 0);
        QCOMPARE(bool(f.main()), answer);
        const QStringList kept = QDir(f.dir.path()).entryList({u"Spinledger.damaged-*.mdb"_s});
        QCOMPARE(kept.size(), answer ? 1 : 0);
        QCOMPARE(test::readFile(answer ? f.dir.filePath(kept.value(0)) : file), bytes);
        if (answer)
            QCOMPARE(f.rows("ka_app_r"), 3000);
    }

    // A file too large to check before the window shows is checked beside
    // it; until the check passed nothing is written.
    void aLargeFileIsCheckedBesideTheWindow_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound") << false;
        QTest::newRow("damaged") << true;
    }
    void aLargeFileIsCheckedBesideTheWindow()
    {
        QFETCH(bool, damaged);
        ShellFixture f;
        const QString file = f.dir.filePath(AppContext::DatabaseFile);
        // A first start leaves the rows a later one only reads.
        QCOMPARE(f.start(), Application::Outcome::Running);
        test::writeSpins(f.app->context().db(), 3000, f.app->context().settingId,
                         f.app->context().currentCasino(Wheel::r()).id());
        f.app.reset();
        f.services.checkInlineBytes = 0;
        f.continueSession = false;
        if (damaged)
            test::flipByte(file, int(test::pages(file) / 2));
        const QByteArray bytes = test::readFile(file);

        // Loading the window writes nothing, so nothing is refused meanwhile.
        QTest::failOnWarning(QRegularExpression(u"could not be (written|begun)|session not"_s));
        QCOMPARE(f.start(), Application::Outcome::Running);
        QSignalSpy checked(f.main(), &MainWindow::fileChecked);
        auto play = [&] {
            emit f.main()->findChild<BoardCell*>(u"pbR17"_s)->clicked(u"pbR17"_s);
            return f.main()->statusText();
        };
        QCOMPARE(play(), u"Unable to continue! Error Code: (playR ldb): the database file is still being "
                         "checked; try again in a moment"_s);
        QVERIFY(checked.wait(20000));
        QCOMPARE(checked.first().first().toBool(), !damaged);
        if (!damaged) {
            // Recorded: the file's amount of 0 only leaves it without a stake.
            QCOMPARE(
                play(),
                u"Spin recorded, but no stake stands while the amount is 0: type a base stake in Amount."_s);
            QCOMPARE(f.rows("ka_app_r"), 3001);
            // The session begun while the check held the writes is this start's.
            QCOMPARE(f.main()->findChild<QLabel*>(u"lblSessionR"_s)->text(),
                     u"This session: 1 spin, result 0, largest stake 0"_s);
            return;
        }
        QCOMPARE(
            f.main()->statusText(),
            u"Unable to continue! Error Code: (Load ldb): the database file is damaged. There is no backup "
            "of it; \"spinledger-cli export --salvage\" writes out the spins that can still be read."_s);
        QCOMPARE(play(), u"Unable to continue! Error Code: (playR ldb): the database file is damaged"_s);
        f.app.reset();
        QCOMPARE(test::readFile(file), bytes);
    }

    // An installed program only reads its folder: no write test, no repair,
    // no lock there; the player's database is made in their own data folder,
    // with the spins an earlier version kept in the shared one.
    void installedStartKeepsToTheUsersFolders_data()
    {
        QTest::addColumn<int>("shared"); // spins of the shared database; -1: there is none
        QTest::newRow("first start") << -1;
        QTest::newRow("spins of an earlier version") << 4;
    }
    void installedStartKeepsToTheUsersFolders()
    {
        QFETCH(int, shared);
        InstalledFolder inst;
        if (shared >= 0)
            InstalledFolder::makeDatabase(inst.sharedDatabase(), shared);
        const QStringList program = inst.programListing();
        ShellFixture f;
        QCOMPARE(f.start(inst.location()), Application::Outcome::Running);
        QVERIFY(f.elevations.isEmpty());
        QCOMPARE(f.waits, (shared > 0 ? QList<int>{1000, 3000, 600} : QList<int>{1000, 600}));
        if (shared > 0)
            QCOMPARE(f.waitTexts.value(1), u"Your 4 spins were copied from "_s + inst.sharedDatabase() +
                                               u", which stays where it is."_s);
        QCOMPARE(f.app->context().connString, inst.userDatabase());
        QCOMPARE(f.app->context().appFolder, inst.folders().program);
        QCOMPARE(f.rows("ka_app_casino"), 1);
        QCOMPARE(f.rows("ka_app_r"), std::max(shared, 0));
        QVERIFY(QFileInfo::exists(inst.location().lockPath()));
        QCOMPARE(inst.programListing(), program);
    }

    void installedStartStopsWhenTheSpinsCannotMove()
    {
        InstalledFolder inst;
        spinledger::test::writeFile(inst.sharedDatabase(), QByteArray(4096, 'x'));
        ShellFixture f;
        QCOMPARE(f.start(inst.location()), Application::Outcome::Stopped);
        QVERIFY(f.app->splash().statusText().contains(inst.sharedDatabase()));
        QVERIFY(wholeLineShows(f.app->splash()));
        QVERIFY(!QFileInfo::exists(inst.userDatabase()) && !f.main());
    }

    // Three tries; nothing is written before the passphrase is right.
    void protectedDatabaseAsksForItsPassphrase_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("right at once") << QStringList{"right passphrase"} << true << QStringList{"1/3"};
        QTest::newRow("right at the third") << QStringList{"wrong", "Right passphrase", "right passphrase"}
                                            << true << QStringList{"1/3", "2/3", "3/3"};
        QTest::newRow("three wrong") << QStringList{"a", "b", "c", "right passphrase"} << false
                                     << QStringList{"1/3", "2/3", "3/3"};
        QTest::newRow("given up") << QStringList{} << false << QStringList{"1/3"};
    }
    void protectedDatabaseAsksForItsPassphrase()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, opens);
        QFETCH(QStringList, asked);
        ShellFixture f;
        const QString path = f.dir.filePath(AppContext::DatabaseFile);
        {
            Database db;
            QVERIFY(db.open(path, AppContext::DatabasePassword));
            QVERIFY(db.rekey(u"right passphrase"_s));
        }
        const QByteArray before = InstalledFolder::digest(path);
        f.answers = answers;
        QCOMPARE(f.start(), opens ? Application::Outcome::Running : Application::Outcome::Stopped);
        QCOMPARE(f.passphraseAsked, asked);
        if (opens) {
            QCOMPARE(f.app->context().key, u"right passphrase"_s);
            QCOMPARE(f.rows("ka_app_casino"), 1);
            return;
        }
        const QString status = f.app->splash().statusText();
        QVERIFY2(status.startsWith(u"Unable to continue!"_s) && status.contains(u"passphrase"_s),
                 qPrintable(status));
        QVERIFY(!f.main());
        QCOMPARE(InstalledFolder::digest(path), before);
        QVERIFY(!QFileInfo::exists(path + u"-wal"_s));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
