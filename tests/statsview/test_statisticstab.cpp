// The Statistics tab driven by object name in the running main window: empty
// casino, spins on the board, wheel and casino switch, typed doubling inputs.
#include "ShellFixture.h"

#include "board/BoardCell.h"
#include "statsview/ScorecardTable.h"
#include "statsview/StatisticsTab.h"
#include "statsview/StatsFetcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QtTest>

using namespace spinledger;
using spinledger::test::ShellFixture;

class TestStatisticsTab : public QObject
{
    Q_OBJECT

    ShellFixture* m_f = nullptr;

    template <typename T> T* find(const QString& name)
    {
        T* w = m_f->main()->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    StatisticsTab* tab() { return find<StatisticsTab>(QStringLiteral("tabStatistics")); }
    QString text(const char* label) { return find<QLabel>(QString::fromLatin1(label))->text(); }
    QString cell(const char* table, int row, int column)
    {
        const QTableWidgetItem* item = find<QTableWidget>(QString::fromLatin1(table))->item(row, column);
        return item ? item->text() : QString();
    }

    // Runs the action and waits for the tab to show what follows from it.
    template <typename Action> void andWait(Action action)
    {
        QSignalSpy updated(tab(), &StatisticsTab::updated);
        action();
        QVERIFY(updated.wait(10000));
    }
    void openStatistics()
    {
        andWait([this] { find<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentWidget(tab()); });
    }
    void play(const QString& cellName)
    {
        BoardCell* cell = find<BoardCell>(cellName);
        emit cell->clicked(cellName);
    }
    void playAll(const QString& prefix, const QStringList& labels)
    {
        for (const QString& l : labels)
            play(prefix + l);
    }
    void choose(const char* combo, int index)
    {
        auto* c = find<QComboBox>(QString::fromLatin1(combo));
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void type(const char* box, const QString& value)
    {
        auto* edit = find<QLineEdit>(QString::fromLatin1(box));
        edit->setText(value);
        emit edit->editingFinished();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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

    void emptyCasinoIsFriendly()
    {
        openStatistics();
        QVERIFY(find<QLabel>(QStringLiteral("lblStatsEmpty"))->isVisible());
        QVERIFY(
            text("lblStatsEmpty")
                .startsWith(QStringLiteral("No spins recorded at Demo Casino on the 38-pocket wheel yet.")));
        QCOMPARE(text("lblStatsSummary"), QStringLiteral("37 pockets (00 off)"));
        QVERIFY(!find<QTabWidget>(QStringLiteral("tabsStats"))->isVisible());
    }

    // The figures come from the statistics' own tests; here the tab shows them and follows the board.
    void spinsUndoAndRefreshWhileShown()
    {
        // Played while the tab is hidden: shown on opening it.
        playAll(QStringLiteral("pbR"), {"17", "5", "0", "32"});
        openStatistics();
        QVERIFY(find<QTabWidget>(QStringLiteral("tabsStats"))->isVisible());
        QCOMPARE(text("lblStatsSummary"), QStringLiteral("4 spins · 3 judged · 37 pockets (00 off)"));
        // A row of figures and a row with the verdict per category.
        QCOMPARE(find<QTableWidget>(QStringLiteral("tblScorecard"))->rowCount(), 12);
        QCOMPARE(cell("tblScorecard", 2, ScorecardTable::Chance),
                 QStringLiteral("48.6%")); // Black/Red: 18 of 37
        QVERIFY(text("lblPocketTest").contains(QStringLiteral("(4 so far)")));

        // A spin and an undo while the tab is shown refresh it.
        andWait([this] { play(QStringLiteral("pbR8")); });
        QCOMPARE(cell("tblScorecard", 2, ScorecardTable::Judged), QStringLiteral("4"));
        andWait([this] { find<QPushButton>(QStringLiteral("btnUndoR"))->click(); });
        QCOMPARE(cell("tblScorecard", 2, ScorecardTable::Judged), QStringLiteral("3"));
        // Black/Red is the one played.
        QCOMPARE(cell("tblMoney", 0, 1) + cell("tblMoney", 1, 1), QStringLiteral("yesno"));
    }

    void wheelSwitch()
    {
        playAll(QStringLiteral("pbM"), {"5", "7", "12"});
        openStatistics();
        QVERIFY(text("lblStatsEmpty").contains(QStringLiteral("38-pocket wheel")));
        andWait([this] { choose("cmbStatsWheel", 1); });
        // Coming from the mini wheel's board, the tab shows the mini wheel.
        find<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
        QCOMPARE(find<QComboBox>(QStringLiteral("cmbStatsWheel"))->currentIndex(), 0);
        find<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        openStatistics();
        QCOMPARE(find<QComboBox>(QStringLiteral("cmbStatsWheel"))->currentIndex(), 1);
        QCOMPARE(text("lblStatsSummary"), QStringLiteral("3 spins · 2 judged · 13 pockets (00 off)"));
        QCOMPARE(find<QTableWidget>(QStringLiteral("tblScorecard"))->rowCount(), 10);
        QCOMPARE(find<QTableWidget>(QStringLiteral("tblMoney"))->rowCount(), 4);
    }

    void casinoSwitchFollowsTheBoard()
    {
        find<QLineEdit>(QStringLiteral("txCasino"))->setText(QStringLiteral("Nord"));
        find<QPushButton>(QStringLiteral("btnCasinoAdd"))->click();
        playAll(QStringLiteral("pbR"), {"1", "2"});
        openStatistics();
        auto* casinos = find<QComboBox>(QStringLiteral("cmbStatsCasino"));
        QCOMPARE(casinos->currentText(), QStringLiteral("Demo Casino"));
        andWait([&] { choose("cmbStatsCasino", casinos->findText(QStringLiteral("Nord"))); });
        // Chosen here, chosen on the board: the wheel has one current casino.
        QCOMPARE(find<QComboBox>(QStringLiteral("cmbR"))->currentText(), QStringLiteral("Nord"));
        QTRY_VERIFY(text("lblStatsEmpty").startsWith(QStringLiteral("No spins recorded at Nord")));
        // And chosen on the board, followed here.
        auto* board = find<QComboBox>(QStringLiteral("cmbR"));
        andWait([&] {
            board->setCurrentIndex(0);
            emit board->activated(0);
        });
        QCOMPARE(casinos->currentText(), QStringLiteral("Demo Casino"));
        QVERIFY(text("lblStatsSummary").startsWith(QStringLiteral("2 spins")));
    }

    void typedDoublingInputs()
    {
        auto* amount = find<QLineEdit>(QStringLiteral("tbRAmount"));
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("5"));
        playAll(QStringLiteral("pbR"), {"1", "2", "3"});
        openStatistics();
        QCOMPARE(text("lblDoublingNote"),
                 QStringLiteral("Type the table maximum to see what doubling risks."));

        // Base 5 (the board's amount), maximum 500 on a single-zero colour bet: 7 bets, 635 lost in a bust.
        andWait([this] { type("tbStatsTableMax", QStringLiteral("1,000")); });
        andWait([this] { type("tbStatsTableMax", QStringLiteral("500")); });
        QCOMPARE(m_f->rows("ka_app_stats_setting"), qint64(1));
        QCOMPARE(cell("tblDoubling", 0, 0) + u'|' + cell("tblDoubling", 0, 1) + u'|' +
                     cell("tblDoubling", 0, 3),
                 QStringLiteral("Black/Red|7|635"));

        // Bad input is refused with a message and stores nothing.
        type("tbStatsTableMax", QStringLiteral("lots"));
        QCOMPARE(m_f->main()->statusText(), QStringLiteral("Table maximum: please enter an amount above 0."));
        type("tbStatsTableMax", QStringLiteral("500"));
        type("tbStatsSeries", QStringLiteral("0"));
        QVERIFY(m_f->main()->statusText().startsWith(QStringLiteral("Series: please enter a whole number")));
        Statement stored = m_f->app->context().db().prepare(
            "SELECT ka_app_stats_table_max, ka_app_stats_series FROM ka_app_stats_setting");
        QVERIFY(stored.next());
        QCOMPARE(stored.real(0), 500.0);
        QCOMPARE(stored.integer(1), qint64(100));
    }

    void onlyTheNewestRequestIsAnswered()
    {
        playAll(QStringLiteral("pbR"), {"1", "2"});
        AppContext& app = m_f->app->context();
        StatsFetcher fetcher;
        QList<qint64> answered;
        connect(&fetcher, &StatsFetcher::fetched, this,
                [&](const stats::Figures& f) { answered << f.casino * 100 + f.spins; });
        StatsFetcher::Query q{app.connString, app.settingId, u'R', app.currentCmbR,
                              QStringLiteral("Demo Casino")};
        fetcher.fetch(q);
        // Its answer waits in the queue while two more requests come.
        QThread::msleep(300);
        q.casino = app.currentCmbR + 1; // casinos without spins
        fetcher.fetch(q);
        q.casino = app.currentCmbR + 2;
        fetcher.fetch(q);
        QTRY_COMPARE(answered.size(), 1);
        QTest::qWait(300);
        QCOMPARE(answered, QList<qint64>{q.casino * 100});
        QVERIFY(!fetcher.busy());
    }
};

QTEST_MAIN(TestStatisticsTab)
#include "test_statisticstab.moc"
