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
    const int pocket = w.pocketIndex(QString::fromLatin1(p.pocket));
    Statement spin = t.db.prepare(
        "INSERT INTO ka_app_r (ka_app_setting_id, cmbR, ka_app_r_now, ka_app_r_numbers, ka_app_r_blackred, "
        "ka_app_r_evenodd, ka_app_r_lowhi, ka_app_r_dozens, ka_app_r_2to1) VALUES "
        "(?1,?2,?3,?4,?5,?6,?7,?8,?9)");
    spin.add(t.app->settingId).add(t.casino).add(now);
    for (const Category& c : w.categories())
        spin.add(w.field(pocket, c.field));
    spin.run();
    const qint64 spinId = t.db.lastInsertId();

    Statement win =
        t.db.prepare("INSERT INTO ka_app_r_win (ka_app_setting_id, cmbR, ka_app_r_win_now, ka_app_r_id, "
                     "ka_app_r_advise_id, "
                     "ka_app_r_win_numbers, ka_app_r_win_blackred, ka_app_r_win_evenodd, ka_app_r_win_lowhi, "
                     "ka_app_r_win_dozens, ka_app_r_win_2to1) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
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

// What one category shows for the whole history.
struct CategoryCase
{
    CategoryId category;
    qint64 hits; // the Y of its column
    double result, largestStake;
    int longestRun;
    bool played;
};

// What a window of the history holds: its spins, judged advices and spins on
// pocket 3, the results of Black/Red and Low/High and Low/High's longest run.
struct WindowCase
{
    SpinWindow window;
    qint64 first, last, judged, threes;
    double blackRed, lowHigh;
    int lowHighRun;
};

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
    void perCategory()
    {
        TestDb t;
        writeHistory(t);
        const Figures f = figures(t);
        QCOMPARE(f.spins, qint64(7));
        QCOMPARE(f.judged, qint64(6));
        // Six judged advices (spins 2 to 7) in every category; Numbers hit once.
        QCOMPARE(f.scorecard[idx(CategoryId::Numbers)].hits, qint64(1));
        // Bets at the stakes of the advice before each spin:
        // Black/Red  -10 +20 -10 -20 +40 -10 = +10, runs N Y N N Y N
        // Even/Odd   -10 +20 -10 -20 -40 +80 = +20, runs N Y N N N Y
        // Low/High   -10 +20 -10 -20 -40 -80 = -140
        // Dozens 2:1 -10 +40 -10 -20 +80 -10 = +70
        // 2to1 2:1   -10 +40 -10 -20 -40 +160 = +120
        const CategoryCase cases[] = {{CategoryId::BlackRed, 2, 10, 40, 2, true},
                                      {CategoryId::EvenOdd, 2, 20, 80, 3, false},
                                      {CategoryId::LowHi, 1, -140, 80, 4, false},
                                      {CategoryId::Dozens, 2, 70, 40, 2, false},
                                      {CategoryId::Columns, 2, 120, 80, 3, false}};
        for (const CategoryCase& c : cases) {
            const ScoreRow& row = f.scorecard[idx(c.category)];
            QCOMPARE(row.category, c.category);
            QCOMPARE(row.judged, qint64(6));
            QCOMPARE(row.hits, c.hits);
            QCOMPARE(row.verdict, Verdict::NotEnough);
            const MoneyRow& m = f.money[idx(c.category) - 1]; // Numbers has no stake
            QCOMPARE(m.category, c.category);
            QCOMPARE(m.bets, qint64(6));
            QCOMPARE(m.result, c.result);
            QCOMPARE(m.largestStake, c.largestStake);
            QCOMPARE(m.longestLosingRun, c.longestRun);
            QCOMPARE(m.played, c.played);
            // The line starts at nothing before spin 1 and ends at spin 7 on the result.
            QCOMPARE(m.line.front().spin, qint64(0));
            QCOMPARE(m.line.back().spin, qint64(7));
            QCOMPARE(m.line.back().total, c.result);
        }
    }

    void windowsOfTheHistory()
    {
        TestDb t;
        writeHistory(t);
        // Bets per spin 2 to 7, from the table above:
        // Black/Red -10 +20 -10 -20 +40 -10; Low/High -10 +20 -10 -20 -40 -80.
        const WindowCase cases[] = {
            {SpinWindow::newest(3), 5, 7, 3, 2, 10, -140, 3},
            {SpinWindow::newest(100), 1, 7, 6, 2, 10, -140, 4},
            {SpinWindow::session(46001.5), 6, 7, 2, 1, 30, -120, 2},
            // The first day: spin 1 judges nothing, two bets.
            {SpinWindow::dates(std::nullopt, 46001.0), 1, 3, 2, 0, 10, 10, 1},
            {SpinWindow::dates(46001.0, 46002.0), 4, 7, 4, 2, 0, -150, 4},
            {SpinWindow::dates(46002.0, std::nullopt), 8, 7, 0, 0, 0, 0, 0}}; // a day without spins
        for (const WindowCase& c : cases) {
            StatsRequest request = StatsSettings::request(t.db, t.app->settingId, Wheel::r(), t.casino);
            request.window = c.window;
            const Figures f = *CasinoStatistics::compute(t.db, request);
            QCOMPARE(f.span.first, c.first);
            QCOMPARE(f.span.last, c.last);
            QCOMPARE(f.span.total, qint64(7));
            QCOMPARE(f.spins, std::max<qint64>(0, c.last - c.first + 1));
            QCOMPARE(f.judged, c.judged);
            QCOMPARE(f.bias.counts[3].count, c.threes);
            QCOMPARE(f.scorecard[idx(CategoryId::BlackRed)].judged, c.judged);
            const MoneyRow& lh = f.money[2];
            QCOMPARE(f.money[0].result, c.blackRed);
            QCOMPARE(lh.result, c.lowHigh);
            QCOMPARE(lh.longestLosingRun, c.lowHighRun);
            // The lines start at nothing won before the window's first spin.
            QCOMPARE(lh.line.front().spin, c.first - 1);
            QCOMPARE(lh.line.front().total, 0.0);
        }
    }

    void historyPages()
    {
        TestDb t;
        writeHistory(t);
        // the window, the pocket asked for, and place:pocket newest first, pages of 3 apart by '|'
        const std::tuple<SpinWindow, QString, QString> cases[] = {
            {SpinWindow{}, QString(), u"7:36 6:3 5:3|4:12 3:7 2:00|1:7"_s},
            {SpinWindow::newest(3), QString(), u"7:36 6:3 5:3"_s},
            {SpinWindow::dates(std::nullopt, 46001.0), QString(), u"3:7 2:00 1:7"_s},
            {SpinWindow{}, u"7"_s, u"3:7 1:7"_s},
            {SpinWindow::dates(std::nullopt, 46001.0), u"3"_s, QString()},
            {SpinWindow::dates(46001.0, std::nullopt), u"3"_s, u"6:3 5:3"_s}};
        for (const auto& [window, pocket, rows] : cases) {
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
        StatsSettings::save(t.db, t.app->settingId, Wheel::r(),
                            {.tableMax = 100, .bankroll = std::nullopt, .series = 50});
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
