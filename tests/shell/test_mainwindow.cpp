#include "ShellFixture.h"

#include "board/BoardCell.h"
#include "shell/SidePanelAnimation.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace spinledger;
using spinledger::test::ShellFixture;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    ShellFixture* m_f = nullptr;
    MainWindow* w() { return m_f->main(); }

    static constexpr int ClosedWidth = 695; // 10425 twips

    QAction* action(const char* name) { return w()->findChild<QAction*>(QString::fromLatin1(name)); }
    QTimer* timer1() { return w()->findChild<QTimer*>(QStringLiteral("Timer1")); }

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
        QCOMPARE(w()->statusText(), QStringLiteral("Idle"));
        w()->setStatus(QStringLiteral("Analyze '17'.."), true);
        QCOMPARE(w()->statusText(), QStringLiteral("Analyze '17'.., please Wait ...."));
        w()->setStatus(QStringLiteral("Please wait.."));
        QCOMPARE(w()->statusText(), QStringLiteral("Please wait.."));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        w()->setStatus(QString(), true);
        QCOMPARE(w()->statusText(), QStringLiteral("Fertig"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void layoutAndMenu()
    {
        QCOMPARE(w()->width(), ClosedWidth);
        QVERIFY(w()->height() >= 497);
        QCOMPARE(w()->windowTitle(), QStringLiteral("Spinledger - Roulette Ledger"));
        auto* tabs = w()->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Roulette"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Miniroulette"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Settings"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Statistics"));
        QCOMPARE(w()->findChild<QLabel*>(QStringLiteral("Label18"))->text(), QStringLiteral("v1.1.0"));
        // The side panel lies beyond the closed width.
        QVERIFY(w()->findChild<QWidget*>(QStringLiteral("Frame19"))->x() >= ClosedWidth);

        const QList<std::pair<const char*, const char*>> items{{"mnuCheckUpdate", "&Check for update"},
                                                               {"mnuExit", "&Exit"},
                                                               {"mnuVideos", "&Videos"},
                                                               {"mnuAbout", "&About"}};
        for (const auto& [name, text] : items)
            QCOMPARE(action(name)->text(), QString::fromLatin1(text));
        QCOMPARE(w()->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
        QCOMPARE(w()->findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(), QStringLiteral("&Help"));
        QVERIFY(action("mnuFileBar1")->isSeparator() && action("mnuFileBar2")->isSeparator());

        QList<QUrl> opened;
        w()->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        action("mnuVideos")->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().path().endsWith(QStringLiteral("/app/~tbl~videos/")));
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
        auto* cell = w()->findChild<BoardCell*>(QStringLiteral("pbR17"));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cell, &move);
        QCOMPARE(cell->picture(), QStringLiteral("R17_ON"));
        auto* tabs = w()->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QTest::mousePress(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(cell->picture(), QStringLiteral("R17_OFF"));
    }

    void companyLinkInBothWindows()
    {
        QVERIFY(w()->findChild<QWidget*>(QStringLiteral("Hyperlink1")));
        QVERIFY(m_f->app->splash().findChild<QWidget*>(QStringLiteral("Hyperlink1")));
    }

    void sidePanelOpensAndCloses()
    {
        action("mnuAbout")->trigger();
        QVERIFY(timer1()->isActive());
        QCOMPARE(timer1()->interval(), 1);
        QTRY_VERIFY(!timer1()->isActive());
        // At least 13775 twips, reached in whole steps of 100 from 10425.
        QCOMPARE(w()->width(), (13825 + 7) / 15);
        QVERIFY(w()->findChild<QWidget*>(QStringLiteral("Frame19"))->geometry().right() < w()->width());

        QTest::mouseClick(w()->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
        QTRY_VERIFY(!timer1()->isActive());
        QCOMPARE(w()->width(), ClosedWidth);
    }

    void secondToggleReversesByTheWidthReached()
    {
        w()->toggleSidePanel();
        QTRY_VERIFY(w()->width() > ClosedWidth);
        w()->toggleSidePanel(); // not closed any more: it closes
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

    void grabWindows()
    {
        const QString out = qEnvironmentVariable("SPINLEDGER_GRAB_DIR");
        if (out.isEmpty())
            QSKIP("set SPINLEDGER_GRAB_DIR to save pictures of the windows");
        m_f->app->splash().grab().save(out + QStringLiteral("/splash.png"));
        auto* tabs = w()->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QVERIFY(w()->grab().save(out + QStringLiteral("/main-tab%1.png").arg(i)));
        }
        w()->toggleSidePanel();
        QTRY_VERIFY(!timer1()->isActive());
        QVERIFY(w()->grab().save(out + QStringLiteral("/main-panel.png")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
