// The figures of a short history written row by row, worked out on paper.
#include "TestDb.h"
#include "stats/CasinoStatistics.h"
#include "stats/FiguresJson.h"
#include "stats/SpinHistory.h"
#include "stats/StatsSettings.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::stats;
using namespace spinledger::test;

Q_DECLARE_METATYPE(spinledger::stats::SpinWindow)

namespace {

// One spin: the pocket, the verdicts of its judgement in category order
// (Numbers, Black/Red, Even/Odd, Low/High, Dozens, 2to1), and the stakes of the
// advice it leaves for the next spin (Black/Red to 2to1).
struct Played
{
    const char* pocket;
    const char* verdicts;
    std::array<double, 5> stakes;
};

// Base 10. The first spin judges nothing (there was no advice before it).
const Played kHistory[] = {
    {"7", "NNNNNN", {10, 10, 10, 10, 10}},   {"00", "NNNNNN", {20, 20, 20, 20, 20}},
    {"7", "YYYYYY", {10, 10, 10, 10, 10}},   {"12", "NNNNNN", {20, 20, 20, 20, 20}},
    {"3", "NNNNNN", {40, 40, 40, 40, 40}},   {"3", "NYNNYN", {10, 80, 80, 10, 80}},
    {"36", "NNYNNY", {20, 10, 160, 20, 10}},
};

// Spins 1 to 3 on day 46000 (OLE), 4 to 7 on the day after, stamped at
// .3, .5 and .7 (and .1) of their days.
const double kStamps[] = {46000.3, 46000.5, 46000.7, 46001.1, 46001.3, 46001.5, 46001.7};

void write(TestDb& t, const Played& p, qint64& advice, double now)
{
    const Wheel& w = Wheel::r();
    QStringList spinCols{u"ka_app_setting_id"_s, w.casinoSetting(), w.spinTable() + u"_now"_s};
    for (const Category& c : w.categories())
        spinCols << w.spinColumn(c.id);
    const int pocket = w.pocketIndex(QString::fromLatin1(p.pocket));
    Statement spin = t.db.prepare(
        u"INSERT INTO ka_app_r (%1) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9)"_s.arg(spinCols.join(u','))
            .toStdString());
    spin.add(t.app->settingId).add(t.casino).add(now);
    for (const Category& c : w.categories())
        spin.add(w.field(pocket, c.field));
    spin.run();
    const qint64 spinId = t.db.lastInsertId();

    QStringList winCols{u"ka_app_setting_id"_s, w.casinoSetting(), u"ka_app_r_win_now"_s, u"ka_app_r_id"_s,
                        u"ka_app_r_advise_id"_s};
    for (const Category& c : w.categories())
        winCols << w.winColumn(c.id);
    Statement win = t.db.prepare(
        u"INSERT INTO ka_app_r_win (%1) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)"_s.arg(winCols.join(u','))
            .toStdString());
    win.add(t.app->settingId).add(t.casino).add(now).add(spinId).add(advice);
    for (int i = 0; i < 6; ++i)
        win.add(QString(QChar::fromLatin1(p.verdicts[i])));
    win.run();

    Statement adv = t.db.prepare(
        "INSERT INTO ka_app_r_advise (ka_app_setting_id, cmbR, ka_app_r_advise_now, ka_app_r_id, "
        "ka_app_r_advise_blackred_coins, ka_app_r_advise_evenodd_coins, "
        "ka_app_r_advise_lowhi_coins, ka_app_r_advise_dozens_coins, ka_app_r_advise_2to1_coins) "
        "VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9)");
    adv.add(t.app->settingId).add(t.casino).add(now).add(spinId);
    for (double s : p.stakes)
        adv.add(s);
    adv.run();
    advice = t.db.lastInsertId();
}

} // namespace

class TestStatsFigures : public QObject
{
    Q_OBJECT

    Figures figures(TestDb& t)
    {
        return CasinoStatistics::compute(t.db, Wheel::r(), t.app->settingId, t.casino);
    }

    void writeHistory(TestDb& t)
    {
        qint64 advice = 0;
        Transaction tx(t.db);
        for (size_t i = 0; i < std::size(kHistory); ++i)
            write(t, kHistory[i], advice, kStamps[i]);
        tx.commit();
    }

private slots:
    void perCategory_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<qint64>("hits"); // the Y of its column
        QTest::addColumn<double>("result");
        QTest::addColumn<double>("largestStake");
        QTest::addColumn<int>("longestRun");
        QTest::addColumn<bool>("played");
        // Bets at the stakes of the advice before each spin:
        // Black/Red  -10 +20 -10 -20 +40 -10 = +10, runs N Y N N Y N
        // Even/Odd   -10 +20 -10 -20 -40 +80 = +20, runs N Y N N N Y
        // Low/High   -10 +20 -10 -20 -40 -80 = -140
        // Dozens 2:1 -10 +40 -10 -20 +80 -10 = +70
        // 2to1 2:1   -10 +40 -10 -20 -40 +160 = +120
        QTest::newRow("Black/Red") << idx(CategoryId::BlackRed) << qint64(2) << 10.0 << 40.0 << 2 << true;
        QTest::newRow("Even/Odd") << idx(CategoryId::EvenOdd) << qint64(2) << 20.0 << 80.0 << 3 << false;
        QTest::newRow("Low/High") << idx(CategoryId::LowHi) << qint64(1) << -140.0 << 80.0 << 4 << false;
        QTest::newRow("Dozens") << idx(CategoryId::Dozens) << qint64(2) << 70.0 << 40.0 << 2 << false;
        QTest::newRow("2to1") << idx(CategoryId::Columns) << qint64(2) << 120.0 << 80.0 << 3 << false;
    }
    void perCategory()
    {
        QFETCH(int, category);
        QFETCH(qint64, hits);
        QFETCH(double, result);
        QFETCH(double, largestStake);
        QFETCH(int, longestRun);
        QFETCH(bool, played);
        TestDb t;
        writeHistory(t);
        const Figures f = figures(t);
        QCOMPARE(f.spins, qint64(7));
        QCOMPARE(f.judged, qint64(6));
        // Six judged advices (spins 2 to 7) in every category; Numbers hit once.
        QCOMPARE(f.scorecard[idx(CategoryId::Numbers)].hits, qint64(1));
        const ScoreRow& row = f.scorecard[size_t(category)];
        QCOMPARE(row.judged, qint64(6));
        QCOMPARE(row.hits, hits);
        QCOMPARE(row.verdict, Verdict::NotEnough);
        const MoneyRow& m = f.money[size_t(category - 1)]; // Numbers has no stake
        QCOMPARE(m.category, CategoryId(category));
        QCOMPARE(m.bets, qint64(6));
        QCOMPARE(m.result, result);
        QCOMPARE(m.largestStake, largestStake);
        QCOMPARE(m.longestLosingRun, longestRun);
        QCOMPARE(m.played, played);
        // The line starts at nothing before spin 1 and ends at spin 7 on the result.
        QCOMPARE(m.line.front().spin, qint64(0));
        QCOMPARE(m.line.back().spin, qint64(7));
        QCOMPARE(m.line.back().total, result);
    }

    void windowsOfTheHistory_data()
    {
        QTest::addColumn<SpinWindow>("window");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("last");
        QTest::addColumn<qint64>("judged");
        QTest::addColumn<qint64>("threes"); // spins on pocket 3
        QTest::addColumn<double>("blackRed");
        QTest::addColumn<double>("lowHigh");
        QTest::addColumn<int>("lowHighRun");
        const auto row = [](const char* name, const SpinWindow& window, qint64 first, qint64 last,
                            qint64 judged, qint64 threes, double blackRed, double lowHigh, int lowHighRun) {
            QTest::newRow(name) << window << first << last << judged << threes << blackRed << lowHigh
                                << lowHighRun;
        };
        // Bets per spin 2 to 7, from the table above:
        // Black/Red -10 +20 -10 -20 +40 -10; Low/High -10 +20 -10 -20 -40 -80.
        row("last 3", SpinWindow::newest(3), 5, 7, 3, 2, 10, -140, 3);
        row("last 100 of 7", SpinWindow::newest(100), 1, 7, 6, 2, 10, -140, 4);
        row("session from spin 6", SpinWindow::session(46001.5), 6, 7, 2, 1, 30, -120, 2);
        // Spin 1 judges nothing: two bets.
        row("first day", SpinWindow::dates(std::nullopt, 46001.0), 1, 3, 2, 0, 10, 10, 1);
        row("second day", SpinWindow::dates(46001.0, 46002.0), 4, 7, 4, 2, 0, -150, 4);
        row("a day without spins", SpinWindow::dates(46002.0, std::nullopt), 8, 7, 0, 0, 0, 0, 0);
    }
    void windowsOfTheHistory()
    {
        QFETCH(SpinWindow, window);
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        QFETCH(qint64, judged);
        QFETCH(qint64, threes);
        QFETCH(double, blackRed);
        QFETCH(double, lowHigh);
        QFETCH(int, lowHighRun);
        TestDb t;
        writeHistory(t);
        StatsRequest request = StatsSettings::request(t.db, t.app->settingId, Wheel::r(), t.casino);
        request.window = window;
        const Figures f = *CasinoStatistics::compute(t.db, request);
        QCOMPARE(f.span.first, first);
        QCOMPARE(f.span.last, last);
        QCOMPARE(f.span.total, qint64(7));
        QCOMPARE(f.spins, std::max<qint64>(0, last - first + 1));
        QCOMPARE(f.judged, judged);
        QCOMPARE(f.bias.counts[3].count, threes);
        QCOMPARE(f.scorecard[idx(CategoryId::BlackRed)].judged, judged);
        const MoneyRow& br = f.money[0];
        const MoneyRow& lh = f.money[2];
        QCOMPARE(br.result, blackRed);
        QCOMPARE(lh.result, lowHigh);
        QCOMPARE(lh.longestLosingRun, lowHighRun);
        // The lines start at nothing won before the window's first spin.
        QCOMPARE(lh.line.front().spin, first - 1);
        QCOMPARE(lh.line.front().total, 0.0);
    }

    void historyPages_data()
    {
        QTest::addColumn<SpinWindow>("window");
        QTest::addColumn<QString>("pocket");
        QTest::addColumn<QString>("rows"); // place:pocket, newest first, pages of 3 apart by '|'
        QTest::newRow("all") << SpinWindow{} << QString() << "7:36 6:3 5:3|4:12 3:7 2:00|1:7";
        QTest::newRow("last 3") << SpinWindow::newest(3) << QString() << "7:36 6:3 5:3";
        QTest::newRow("first day") << SpinWindow::dates(std::nullopt, 46001.0) << QString() << "3:7 2:00 1:7";
        QTest::newRow("pocket 7") << SpinWindow{} << u"7"_s << u"3:7 1:7"_s;
        QTest::newRow("pocket 3, first day") << SpinWindow::dates(std::nullopt, 46001.0) << u"3"_s << u""_s;
        QTest::newRow("pocket 3, second day")
            << SpinWindow::dates(46001.0, std::nullopt) << u"3"_s << u"6:3 5:3"_s;
    }
    void historyPages()
    {
        QFETCH(SpinWindow, window);
        QFETCH(QString, pocket);
        QFETCH(QString, rows);
        TestDb t;
        writeHistory(t);
        const SpinSpan span = SpinWindows::resolve(t.db, Wheel::r(), t.app->settingId, t.casino, window);
        SpinHistory history(Wheel::r(), t.app->settingId, t.casino, span, pocket);
        QStringList pages;
        while (!history.atEnd()) {
            QStringList page;
            for (const HistoryRow& r : history.next(t.db, 3))
                page << u"%1:%2"_s.arg(r.place).arg(r.pocket);
            if (!page.isEmpty())
                pages << page.join(u' ');
        }
        QCOMPARE(pages.join(u'|'), rows);
    }

    void historyRowsCarryTheirJudgement()
    {
        TestDb t;
        writeHistory(t);
        const SpinSpan span = SpinWindows::resolve(t.db, Wheel::r(), t.app->settingId, t.casino, {});
        SpinHistory history(Wheel::r(), t.app->settingId, t.casino, span);
        const std::vector<HistoryRow> rows = history.next(t.db, 10);
        QCOMPARE(rows.size(), size_t(7));
        // Spin 7 judged the advice of spin 6: Low/High at 80 lost, Even/Odd at 80 won.
        const HistoryRow& newest = rows.front();
        QCOMPARE(newest.now, 46001.7);
        QCOMPARE(newest.bets[idx(CategoryId::LowHi)].stake, 80.0);
        QCOMPARE(newest.bets[idx(CategoryId::LowHi)].verdict, WinVerdict::Lost);
        QCOMPARE(newest.bets[idx(CategoryId::EvenOdd)].verdict, WinVerdict::Won);
        QCOMPARE(newest.bets[idx(CategoryId::Numbers)].stake, -1.0);
        // Spin 1 had nothing to judge.
        QCOMPARE(rows.back().bets[idx(CategoryId::BlackRed)].verdict, WinVerdict::None);
    }

    void settingsShapeTheFigures()
    {
        TestDb t;
        // Nothing recorded: no rate without judged advices, null in JSON, never NaN.
        Figures f = figures(t);
        QVERIFY(f.empty());
        const QJsonObject json = FiguresJson::toJson(f);
        QVERIFY(json["scorecard"][0]["hitRate"].isNull());
        QCOMPARE(json["scorecard"][0]["verdict"].toString(), u"not-enough"_s);
        QVERIFY(json["bias"]["chiSquare"].isNull());

        writeHistory(t);
        // 00 off (as the test database starts): 37 pockets, the one 00 left out.
        f = figures(t);
        QCOMPARE(f.pockets, 37);
        QCOMPARE(f.bias.leftOut, qint64(1));
        QCOMPARE(f.bias.counts[3].count, qint64(2)); // pocket 3
        QCOMPARE(f.doublingState, DoublingState::NoTableMax);

        // 00 on, and a table maximum of 100 on the base 10 (the test database's amount).
        t.db.exec("UPDATE ka_app_r_setting SET cbR00 = 1");
        DoublingInputs typed;
        typed.tableMax = 100;
        typed.series = 50;
        StatsSettings::save(t.db, t.app->settingId, Wheel::r(), typed);
        f = figures(t);
        QCOMPARE(f.pockets, 38);
        QCOMPARE(f.bias.leftOut, qint64(0));
        QCOMPARE(f.bias.counts[0].label, u"00"_s);
        // A blind colour bet now wins 18 of 38.
        QCOMPARE(f.scorecard[idx(CategoryId::BlackRed)].chance, 18.0 / 38);
        QCOMPARE(f.doublingState, DoublingState::Ready);
        QCOMPARE(f.doublingInputs.base, 10.0);
        QCOMPARE(f.doublingInputs.series, 50);
        // 10, 20, 40, 80 fit under 100: 4 bets, 150 lost in a bust.
        const DoublingRow& lowHigh = f.doubling[2];
        QCOMPARE(lowHigh.category, CategoryId::LowHi);
        QCOMPARE(lowHigh.bets, 4);
        QCOMPARE(lowHigh.bustLoss, 150.0);
        // Four losses in a row here: the fifth bet, 10 * 2^4 = 160, would have ended it.
        QCOMPARE(lowHigh.longestLosingRun, 4);
        QCOMPARE(lowHigh.stakeNeeded, 160.0);
        // The mini wheel keeps its own inputs.
        QVERIFY(!StatsSettings::load(t.db, t.app->settingId, Wheel::m()).tableMax);
    }
};

QTEST_GUILESS_MAIN(TestStatsFigures)
#include "test_statsfigures.moc"
