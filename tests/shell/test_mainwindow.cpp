#include "ShellFixture.h"

#include "board/BoardCell.h"
#include "shell/SidePanelAnimation.h"

#include <QAction>
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
        QVERIFY(w()->height() >= 497);
        // The side panel lies beyond the closed width.
        QVERIFY(w()->findChild<QWidget*>(u"Frame19"_s)->x() >= ClosedWidth);
        QVERIFY(w()->findChild<QWidget*>(u"Hyperlink1"_s) &&
                m_f->app->splash().findChild<QWidget*>(u"Hyperlink1"_s));
        QList<QUrl> opened;
        w()->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        action("mnuVideos")->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().path().endsWith(u"/app/~tbl~videos/"_s));
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
        QVERIFY(timer1()->isActive());
        QCOMPARE(timer1()->interval(), 1);
        QTRY_VERIFY(!timer1()->isActive());
        // At least 13775 twips, reached in whole steps of 100 from 10425.
        QCOMPARE(w()->width(), (13825 + 7) / 15);
        QVERIFY(w()->findChild<QWidget*>(u"Frame19"_s)->geometry().right() < w()->width());

        QTest::mouseClick(w()->findChild<QPushButton*>(u"btnClose"_s), Qt::LeftButton);
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
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
