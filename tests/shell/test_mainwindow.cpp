#include "ShellFixture.h"

#include "TestDb.h"
#include "board/BoardCell.h"
#include "shell/SidePanelAnimation.h"
#include "transfer/SpinTransfer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace spinledger;
using spinledger::test::ShellFixture;
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    ShellFixture* m_f = nullptr;
    MainWindow* w() { return m_f->main(); }

    static constexpr int ClosedWidth = 695; // 10425 twips

    QAction* action(const char* name) { return w()->findChild<QAction*>(QString::fromLatin1(name)); }
    QTabWidget* tabs() { return w()->findChild<QTabWidget*>(QStringLiteral("SSTab1")); }

    // File dialogs answer with these paths.
    void chooseFiles(const QString& save, const QString& open)
    {
        w()->spinTransfer()->setSaveChooser(
            [save](QWidget*, const QString&, const QString&) { return save; });
        w()->spinTransfer()->setOpenChooser(
            [open](QWidget*, const QString&, const QString&) { return open; });
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_f->dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    QByteArray fingerprint()
    {
        return test::fingerprint(m_f->app->context().db(), m_f->app->context().connString);
    }
    QTimer* timer1() { return w()->findChild<QTimer*>(u"Timer1"_s); }

private slots:
    void init()
    {
        m_f = new ShellFixture;
        QCOMPARE(m_f->start(), Application::Outcome::Running);
    }

    void cleanup()
    {
        delete m_f;
        m_f = nullptr;
    }

    void statusTexts()
    {
        QCOMPARE(w()->statusText(), u"Idle"_s);
        w()->setStatus(u"Analyze '17'.."_s, true);
        QCOMPARE(w()->statusText(), u"Analyze '17'.., please Wait ...."_s);
        w()->setStatus(u"Please wait.."_s);
        QCOMPARE(w()->statusText(), u"Please wait.."_s);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        w()->setStatus(QString(), true);
        QCOMPARE(w()->statusText(), u"Fertig"_s);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void layoutAndMenu()
    {
        QCOMPARE(w()->width(), ClosedWidth);
        QVERIFY(w()->findChild<QWidget*>(u"Frame19"_s)->x() >= ClosedWidth); // the side panel lies beyond
        QList<QUrl> opened;
        w()->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        action("mnuVideos")->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().path().endsWith(u"/app/~tbl~videos/"_s));
    }

    void menuIconIsTheWindowIcon()
    {
        for (int size : {48, 128, 256}) {
            const QImage menu(QStringLiteral(SPINLEDGER_ICON_DIR "/%1x%1/apps/spinledger.png").arg(size));
            QCOMPARE(menu.size(), QSize(size, size));
            QCOMPARE(w()->windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     menu.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void pressOnTheTabsEndsTheHover()
    {
        auto* cell = w()->findChild<BoardCell*>(u"pbR17"_s);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cell, &move);
        QCOMPARE(cell->picture(), u"R17_ON"_s);
        auto* tabs = w()->findChild<QTabWidget*>(u"SSTab1"_s);
        QTest::mousePress(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(cell->picture(), u"R17_OFF"_s);
    }

    void sidePanelOpensAndCloses()
    {
        action("mnuAbout")->trigger();
        QCOMPARE(timer1()->interval(), 1);
        QTRY_VERIFY(!timer1()->isActive());
        // At least 13775 twips, reached in whole steps of 100 from 10425.
        QCOMPARE(w()->width(), (13825 + 7) / 15);
        QVERIFY(w()->findChild<QWidget*>(u"Frame19"_s)->geometry().right() < w()->width());
        QTest::mouseClick(w()->findChild<QPushButton*>(u"btnClose"_s), Qt::LeftButton);
        QTRY_VERIFY(!timer1()->isActive());
        QCOMPARE(w()->width(), ClosedWidth);

        w()->toggleSidePanel();
        QTRY_VERIFY(w()->width() > ClosedWidth);
        w()->toggleSidePanel(); // not open yet: it closes all the same
        QVERIFY(!w()->sidePanel()->isOpening());
        QTRY_VERIFY(!timer1()->isActive());
        QCOMPARE(w()->width(), ClosedWidth);
    }

    void exitEndsTheProgram()
    {
        QSignalSpy exit(m_f->app.get(), &Application::exitRequested);
        action("mnuExit")->trigger();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!w()->isVisible());
    }

    void keysOfTheWindow()
    {
        w()->activateWindow(); // shortcuts work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(w()));
        for (const auto& [key, tab] :
             {std::pair{Qt::Key_3, 2}, {Qt::Key_2, 1}, {Qt::Key_4, 3}, {Qt::Key_1, 0}}) {
            QTest::keyClick(w(), key, Qt::ControlModifier);
            QCOMPARE(tabs()->currentIndex(), tab);
        }
        // Every button has a mnemonic, none twice on one page.
        QMap<QWidget*, QSet<QChar>> letters;
        for (QPushButton* b : w()->findChildren<QPushButton*>()) {
            const qsizetype amp = b->text().indexOf(u'&');
            QVERIFY2(amp >= 0 && amp + 1 < b->text().size(), qPrintable(b->objectName()));
            QWidget* page = w(); // the side panel's buttons
            for (int i = 0; i < tabs()->count(); ++i) {
                if (tabs()->widget(i)->isAncestorOf(b))
                    page = tabs()->widget(i);
            }
            const QChar letter = b->text().at(amp + 1).toLower();
            QVERIFY2(!letters[page].contains(letter), qPrintable(b->objectName()));
            letters[page] << letter;
        }
        // Both file items work for the board of the current tab only.
        auto* file = w()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        tabs()->setCurrentIndex(2);
        emit file->aboutToShow();
        QVERIFY(!action("mnuImportSpins")->isEnabled() && !action("mnuExportSpins")->isEnabled());
        tabs()->setCurrentIndex(1);
        emit file->aboutToShow();
        QVERIFY(action("mnuImportSpins")->isEnabled() && action("mnuExportSpins")->isEnabled());
    }

    // The spin files' tests check the rules; here the menu reaches them for the current board.
    void importAndExportThroughTheMenu()
    {
        const QString exported = m_f->dir.filePath(QStringLiteral("out.csv"));
        for (const char* cell : {"pbR17", "pbR0", "pbR32"})
            QTest::mouseClick(w()->findChild<BoardCell*>(QString::fromLatin1(cell)), Qt::LeftButton);
        chooseFiles(exported, writeFile(QStringLiteral("mini.txt"), "12\n7\n"));
        action("mnuExportSpins")->trigger();
        QCOMPARE(w()->statusText(), QStringLiteral("Exported 3 spins of Demo Casino (Roulette) to %1.")
                                        .arg(QDir::toNativeSeparators(exported)));
        QFile out(exported);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll().count("\r\n"), 4); // header, three spins

        // The Roulette file does not fit the mini wheel; the mini file does.
        tabs()->setCurrentIndex(1);
        chooseFiles(QString(), exported);
        action("mnuImportSpins")->trigger();
        QTRY_VERIFY(w()->statusText().startsWith(QStringLiteral("Nothing imported: out.csv: line 2")));
        chooseFiles(QString(), m_f->dir.filePath(QStringLiteral("mini.txt")));
        action("mnuImportSpins")->trigger();
        QTRY_COMPARE(w()->statusText(), QStringLiteral("Imported 2 spins into Demo Casino."));
        QVERIFY(!w()->findChild<QProgressDialog*>());
        // The board shows them: 12 black, then 7 red.
        QCOMPARE(w()->findChild<QLabel*>(QStringLiteral("txMBLACK_0"))->text(), QStringLiteral("12"));
        QCOMPARE(w()->findChild<QLabel*>(QStringLiteral("txMRED_1"))->text(), QStringLiteral("7"));
        // A file dialog cancelled: nothing happens.
        chooseFiles(QString(), QString());
        action("mnuImportSpins")->trigger();
        QCOMPARE(w()->statusText(), QStringLiteral("Imported 2 spins into Demo Casino."));
    }

    void cancelInTheMiddleOfAnImport()
    {
        QByteArray spins;
        for (int i = 0; i < 40000; ++i)
            spins += QByteArray::number(i % 37) + '\n';
        chooseFiles(QString(), writeFile(QStringLiteral("long.txt"), spins));
        QTest::mouseClick(w()->findChild<BoardCell*>(QStringLiteral("pbR5")), Qt::LeftButton);
        const QByteArray before = fingerprint();
        action("mnuImportSpins")->trigger();
        auto* dialog = w()->findChild<QProgressDialog*>(QStringLiteral("dlgImport"));
        QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->labelText().startsWith(QStringLiteral("Importing")), 20000);
        QVERIFY(dialog->value() > 0 && dialog->value() < dialog->maximum());
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->statusText(), QStringLiteral("Import cancelled: nothing was changed."),
                                  20000);
        QCOMPARE(m_f->rows("ka_app_r"), 1);
        QCOMPARE(fingerprint(), before);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
