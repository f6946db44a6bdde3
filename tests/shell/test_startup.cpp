#include "ShellFixture.h"

#include "board/BoardCell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QSignalSpy>
#include <QtTest>

using namespace spinledger;
using spinledger::test::ShellFixture;

class TestStartup : public QObject
{
    Q_OBJECT

private:
    static QStringList comboTexts(QComboBox* combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    // The status line's text fits its label, and the label the window.
    static bool wholeLineShows(SplashWindow& splash)
    {
        const auto* line = splash.findChild<QLabel*>(QStringLiteral("Panel1"));
        const QRect shown = line->contentsRect();
        const int flags = int(line->alignment()) | (line->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = line->fontMetrics().boundingRect(shown, flags, line->text());
        return shown.contains(needed) &&
               splash.rect().contains(QRect(line->mapTo(&splash, QPoint()), line->size()));
    }

private slots:
    void firstStartPreparesEverythingAndOpensTheMainWindow()
    {
        ShellFixture f;
        QCOMPARE(f.start(), Application::Outcome::Running);
        QVERIFY(f.main() && f.main()->isVisible());
        QVERIFY(!f.app->splash().isVisible());
        QCOMPARE(f.waits, (QList<int>{1000, 600}));
        QVERIFY(f.elevations.isEmpty());
        QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("dblog.txt"))));
        QCOMPARE(f.app->splash().statusText(), QStringLiteral("Spinledger v1.1.0 Ready"));

        QCOMPARE(f.rows("ka_app_setting"), 1);
        QCOMPARE(f.rows("ka_app_r_setting"), 1);
        QCOMPARE(f.rows("ka_app_m_setting"), 1);
        QCOMPARE(f.rows("ka_app_casino"), 1);

        MainWindow* w = f.main();
        const QStringList demo{QStringLiteral("Demo Casino")};
        auto* cmbR = w->findChild<QComboBox*>(QStringLiteral("cmbR"));
        auto* cmbM = w->findChild<QComboBox*>(QStringLiteral("cmbM"));
        QVERIFY(cmbR && cmbM);
        QCOMPARE(comboTexts(cmbR), demo);
        QCOMPARE(comboTexts(cmbM), demo);
        QCOMPARE(cmbR->currentText(), demo.first());
        QCOMPARE(cmbM->currentData().toLongLong(), f.app->context().currentCmbM);
        auto* list = w->findChild<QListWidget*>(QStringLiteral("lstCasino"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), demo.first());

        // Black/Red is played; 00 is off, so its cells are green and take no clicks.
        QVERIFY(w->findChild<QCheckBox*>(QStringLiteral("cbRBlackRed"))->isChecked());
        QVERIFY(w->findChild<QCheckBox*>(QStringLiteral("cbMBlackRed"))->isChecked());
        QVERIFY(!w->findChild<QCheckBox*>(QStringLiteral("cbRNumbers"))->isChecked());
        for (const char* letter : {"R", "M"}) {
            const QString cell = QStringLiteral("pb") + QLatin1String(letter) + QStringLiteral("00");
            auto* zeroZero = w->findChild<BoardCell*>(cell);
            QVERIFY(!zeroZero->isEnabled());
            QCOMPARE(zeroZero->picture(), cell.mid(2) + QStringLiteral("_GREEN"));
        }
        QCOMPARE(w->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    }

    void secondStartCreatesNothing()
    {
        ShellFixture f;
        QCOMPARE(f.start(), Application::Outcome::Running);
        const qint64 settingId = f.app->context().settingId;
        f.app.reset();
        QCOMPARE(f.start(), Application::Outcome::Running);
        QCOMPARE(f.app->context().settingId, settingId);
        QCOMPARE(f.rows("ka_app_setting"), 1);
        QCOMPARE(f.rows("ka_app_r_setting"), 1);
        QCOMPARE(f.rows("ka_app_m_setting"), 1);
        QCOMPARE(f.rows("ka_app_casino"), 1);
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
        QVERIFY(!f.app->splash().isVisible() && !f.main());
        QVERIFY(f.waits.isEmpty());
        QCOMPARE(f.rows("ka_app_setting"), 0);
        QCOMPARE(f.informed.value(0), told ? QStringLiteral("Info") : QString());
        QCOMPARE(f.informed.value(1).contains(f.services.lockPath), told);
        // The system's answer for this very process is this very program.
        const StartupServices system = StartupServices::system(f.dir.path());
        QCOMPARE(system.programOf(QCoreApplication::applicationPid()), system.program);
        QVERIFY(!system.program.isEmpty() && system.programOf(1) != system.program);
    }

    void missingFileStopsTheStartUp_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : SplashWindow::requiredFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    void missingFileStopsTheStartUp()
    {
        QFETCH(QString, file);
        ShellFixture f;
        QVERIFY(QFile::remove(f.dir.path() + file));
        QCOMPARE(f.start(), Application::Outcome::Stopped);
        QCOMPARE(f.app->splash().statusText(), QStringLiteral("Unable to continue! Error Code: (") + file +
                                                   QStringLiteral("). Press 'Esc' to Exit."));
        QVERIFY(wholeLineShows(f.app->splash()));
        QVERIFY(f.app->splash().isVisible());
        QVERIFY(!f.main());
        QVERIFY(f.elevations.isEmpty());

        QSignalSpy exit(f.app.get(), &Application::exitRequested);
        QTest::keyClick(&f.app->splash(), Qt::Key_Escape);
        QCOMPARE(exit.count(), 1);
        f.app->splash().close();
        QCOMPARE(exit.count(), 2);
    }

    void unwritableFolderIsRepairedThroughTheElevatedScript()
    {
        ShellFixture f;
        // A folder in the way of the test file fails the write test even for root.
        const QString blocker = f.dir.filePath(QStringLiteral("dblog.txt"));
        QVERIFY(QDir().mkdir(blocker));
        f.repair = [&] { QDir().rmdir(blocker); };

        QCOMPARE(f.start(), Application::Outcome::Running);
        const QString folder = f.dir.path();
        QCOMPARE(f.elevations.size(), 1);
        QCOMPARE(f.elevations.first(),
                 (QStringList{QStringLiteral("pkexec"), QStringLiteral("/bin/sh"),
                              folder + QStringLiteral("/xcacls.sh"), folder, QStringLiteral("/G"),
                              QStringLiteral("player1:"), QStringLiteral("RWMX"), QStringLiteral("/E")}));
        QCOMPARE(f.waits, (QList<int>{1000, 6000, 600}));
        QVERIFY(!QFileInfo::exists(blocker));
        QCOMPARE(f.rows("ka_app_setting"), 1);
    }

    void unrepairableFolderEndsAfterTheInfoBox()
    {
        ShellFixture f;
        QVERIFY(QDir().mkdir(f.dir.filePath(QStringLiteral("dblog.txt"))));
        QCOMPARE(f.start(), Application::Outcome::Ended);
        QCOMPARE(f.app->splash().statusText(),
                 QStringLiteral("Unable to continue! Please set User Permission manually."));
        QCOMPARE(f.informed.value(0), QStringLiteral("Info"));
        QCOMPARE(f.informed.value(1), QStringLiteral("Unable to continue! Unable to set User Permission!\n\n"
                                                     "Please set User Permission (Read/Write) manually for "
                                                     "Directory:\n\n") +
                                          f.dir.path() + QStringLiteral("\n\nThen restart Spinledger."));
        QVERIFY(!f.main());
        QCOMPARE(f.rows("ka_app_setting"), 0);
    }

    void emptyIdentifierStillOpensTheMainWindow()
    {
        ShellFixture f;
        f.identifier.clear();
        QCOMPARE(f.start(), Application::Outcome::Running);
        QCOMPARE(f.app->context().settingId, 0);
        QCOMPARE(f.rows("ka_app_setting"), 0);
        QCOMPARE(f.main()->findChild<QListWidget*>(QStringLiteral("lstCasino"))->count(), 0);
    }

    void databaseFailureStopsWithItsDescription()
    {
        ShellFixture f;
        {
            Database db;
            QVERIFY(db.open(f.dir.filePath(AppContext::DatabaseFile), AppContext::DatabasePassword));
            db.exec("DROP TABLE ka_app_casino");
        }
        QCOMPARE(f.start(), Application::Outcome::Stopped);
        const QString status = f.app->splash().statusText();
        QVERIFY2(status.startsWith(QStringLiteral("Unable to continue! Error Code:")) &&
                     status.contains(QStringLiteral("ka_app_casino")) &&
                     status.endsWith(QStringLiteral(" Press 'Esc' to Exit.")),
                 qPrintable(status));
        QVERIFY(!f.main());
        QVERIFY(wholeLineShows(f.app->splash()));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
