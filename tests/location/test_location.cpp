// Where the program keeps its files, and an installed program's user getting
// a database of their own: from the template, or moved over from the shared
// one of an earlier version.
#include "InstalledFolder.h"
#include "location/UserDatabase.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

class TestLocation : public QObject
{
    Q_OBJECT

private slots:
    // The marker's first line decides, wherever the folder is.
    void markerMakesAnInstallation_data()
    {
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<bool>("installed");
        QTest::newRow("as laid") << QByteArray("installed\n") << true;
        QTest::newRow("no line end") << QByteArray("installed") << true;
        QTest::newRow("other text") << QByteArray("portable\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("no marker") << QByteArray("none") << false;
    }
    void markerMakesAnInstallation()
    {
        QFETCH(QByteArray, marker);
        QFETCH(bool, installed);
        InstalledFolder f;
        if (marker == "none")
            QVERIFY(QFile::remove(f.programFile(DataLocation::MarkerFile)));
        else
            writeFile(f.programFile(DataLocation::MarkerFile), marker);
        const DataLocation location = f.location();
        QCOMPARE(location.isInstalled(), installed);
        const QString program = f.folders().program;
        const QString data = f.folders().userData;
        QCOMPARE(location.databasePath(), (installed ? data : program) + "/Spinledger.mdb");
        QCOMPARE(DataLocation::backupFolderFor(location.databasePath()),
                 (installed ? data : program) + "/backups");
        QCOMPARE(QFileInfo(location.lockPath()).absolutePath(),
                 installed ? f.folders().runtime : QDir::tempPath());
        QCOMPARE(location.sharedDatabasePath(), installed ? program + "/Spinledger.mdb" : QString());
        QCOMPARE(location.downloadFolder(), installed ? f.folders().downloads : program);
        // A portable folder's database is the one beside the program: nothing is made.
        if (!installed) {
            QCOMPARE(UserDatabase::provide(location).outcome, UserDatabase::Outcome::Existing);
            QVERIFY(!QFileInfo::exists(f.folders().userData));
        }
    }

    void firstStartMakesTheDatabaseFromTheTemplate()
    {
        InstalledFolder f;
        const QStringList program = f.programListing();
        const UserDatabase::Report report = UserDatabase::provide(f.location());
        QCOMPARE(report.outcome, UserDatabase::Outcome::FromTemplate);
        QCOMPARE(InstalledFolder::digest(f.userDatabase()),
                 InstalledFolder::digest(f.programFile(DataLocation::TemplateFile)));
        // Owner, group and others; Qt's user bits repeat the owner's here.
        constexpr int Modes = 0x7077;
        QCOMPARE(QFileInfo(f.userDatabase()).permissions() & Modes, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QFileInfo(f.folders().userData).permissions() & Modes,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(f.programListing(), program);
        // The next start finds it and leaves it alone, spins in the shared one or not.
        const QByteArray made = InstalledFolder::digest(f.userDatabase());
        InstalledFolder::makeDatabase(f.sharedDatabase(), 9);
        QCOMPARE(UserDatabase::provide(f.location()).outcome, UserDatabase::Outcome::Existing);
        QCOMPARE(InstalledFolder::digest(f.userDatabase()), made);
    }

    // Spins in the shared database move over, those a crash or a running
    // program left in its log too; an empty shared one does not.
    void sharedDatabaseMovesOver_data()
    {
        QTest::addColumn<int>("shared");
        QTest::addColumn<bool>("logged"); // three of them still in the log
        QTest::addColumn<int>("outcome");
        QTest::newRow("with spins") << 5 << false << int(UserDatabase::Outcome::MovedOver);
        QTest::newRow("still in the log") << 5 << true << int(UserDatabase::Outcome::MovedOver);
        QTest::newRow("without") << 0 << false << int(UserDatabase::Outcome::FromTemplate);
    }
    void sharedDatabaseMovesOver()
    {
        QFETCH(int, shared);
        QFETCH(bool, logged);
        QFETCH(int, outcome);
        InstalledFolder f;
        InstalledFolder::makeDatabase(f.sharedDatabase(), logged ? shared - 3 : shared);
        Database writer; // kept open: its log is not folded back
        if (logged) {
            QVERIFY(writer.open(f.sharedDatabase(), AppContext::DatabasePassword));
            writer.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1), (1, 1), (1, 1)");
            QVERIFY(QFileInfo(f.sharedDatabase() + "-wal").size() > 0);
        }
        const QStringList program = f.programListing();
        const UserDatabase::Report report = UserDatabase::provide(f.location());
        QCOMPARE(int(report.outcome), outcome);
        // Nothing of the copy's making is left beside it.
        QCOMPARE(QDir(f.folders().userData).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Spinledger.mdb"});
        QCOMPARE(InstalledFolder::spins(f.userDatabase()), shared);
        QCOMPARE(f.programListing(), program);
        QCOMPARE(report.message.contains(f.sharedDatabase()), shared > 0);
    }

    // Copied whole and checked, or not at all: the player is told which
    // file stands in the way, nothing is made.
    void aDatabaseThatCannotBeMadeIsSaid_data()
    {
        QTest::addColumn<bool>("unreadable"); // the shared database; else the template is missing
        QTest::newRow("shared database unreadable") << true;
        QTest::newRow("template missing") << false;
    }
    void aDatabaseThatCannotBeMadeIsSaid()
    {
        QFETCH(bool, unreadable);
        InstalledFolder f;
        if (unreadable)
            writeFile(f.sharedDatabase(), QByteArray(8192, 'x'));
        else
            QVERIFY(QFile::remove(f.programFile(DataLocation::TemplateFile)));
        const QByteArray before = InstalledFolder::digest(f.sharedDatabase());
        const UserDatabase::Report report = UserDatabase::provide(f.location());
        QCOMPARE(report.outcome, UserDatabase::Outcome::Failed);
        QVERIFY2(report.message.startsWith("Unable to continue!") &&
                     report.message.contains(unreadable ? f.sharedDatabase() : DataLocation::TemplateFile),
                 qPrintable(report.message));
        QCOMPARE(QDir(f.folders().userData).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(InstalledFolder::digest(f.sharedDatabase()), before);
    }
};

QTEST_GUILESS_MAIN(TestLocation)
#include "test_location.moc"
