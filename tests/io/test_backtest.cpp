// The backtest plays a file in memory: its figures must be exactly those the
// statistics read from the rows of the same history stored spin by spin.
#include "TestFiles.h"
#include "io/Backtest.h"
#include "stats/FiguresJson.h"
#include "wheel/Wheel.h"

#include <QtTest>

#include <random>

using namespace spinledger;

class TestBacktest : public QObject
{
    Q_OBJECT

private slots:
    void inMemoryGivesTheStoredFigures_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<bool>("withZeroZero"); // the file holds 00 now and then
        QTest::addColumn<double>("tableMax");   // 0: none
        QTest::addColumn<double>("bankroll");   // 0: none
        QTest::addColumn<quint64>("seed");
        QTest::newRow("R, no limits") << QChar(u'R') << false << 0.0 << 0.0 << quint64(1);
        QTest::newRow("R with 00, a table maximum stops a series")
            << QChar(u'R') << true << 40.0 << 0.0 << quint64(7);
        QTest::newRow("M, a bankroll stops a series") << QChar(u'M') << false << 0.0 << 60.0 << quint64(3);
    }

    void inMemoryGivesTheStoredFigures()
    {
        QFETCH(QChar, letter);
        QFETCH(bool, withZeroZero);
        QFETCH(double, tableMax);
        QFETCH(double, bankroll);
        QFETCH(quint64, seed);
        const Wheel& w = *Wheel::byLetter(letter);
        // Runs among a few pockets make ties, long losing series and repeated followers.
        std::mt19937 choose(5);
        QByteArray text;
        for (int k = 0; k < 600; ++k) {
            const int n = choose() % 3 == 0 ? 4 : w.pocketCount();
            QString label = w.label(int(choose() % unsigned(n)));
            if (label == u"00"_qs && !withZeroZero)
                label = QStringLiteral("0");
            text += label.toLatin1() + '\n';
        }
        QTemporaryDir dir;
        Backtest::Setup setup;
        setup.wheel = &w;
        setup.path = test::writeFile(dir.filePath(QStringLiteral("spins.txt")), text);
        setup.seed = seed;
        setup.amount = 2;
        if (tableMax > 0)
            setup.limits.tableMax = tableMax;
        if (bankroll > 0)
            setup.limits.bankroll = bankroll;

        const Backtest::Outcome stored = Backtest::runStored(setup);
        const Backtest::Outcome played = Backtest::run(setup);
        QCOMPARE(stored.report.outcome, SpinImport::Outcome::Imported);
        QCOMPARE(played.report.outcome, SpinImport::Outcome::Imported);
        QCOMPARE(played.report.spins, 600);
        QCOMPARE(played.zeroZero, stored.zeroZero);
        QCOMPARE(played.zeroZero, withZeroZero);
        QCOMPARE(QJsonDocument(stats::FiguresJson::toJson(played.figures)).toJson(),
                 QJsonDocument(stats::FiguresJson::toJson(stored.figures)).toJson());
        // The money lines are drawn, not printed: point by point.
        QCOMPARE(played.figures.money.size(), stored.figures.money.size());
        for (size_t i = 0; i < stored.figures.money.size(); ++i) {
            const auto& a = played.figures.money[i].line;
            const auto& b = stored.figures.money[i].line;
            QCOMPARE(a.size(), b.size());
            for (size_t k = 0; k < b.size(); ++k) {
                QCOMPARE(a[k].spin, b[k].spin);
                QCOMPARE(a[k].total, b[k].total);
            }
        }
        // The file is judged 599 times and the limits bite where asked.
        QCOMPARE(played.figures.judged, 599);
        const bool stopped = std::ranges::any_of(
            played.figures.money, [](const stats::MoneyRow& m) { return m.stop.by != stats::Limit::None; });
        QCOMPARE(stopped, tableMax > 0 || bankroll > 0);
    }
};

QTEST_GUILESS_MAIN(TestBacktest)
#include "test_backtest.moc"
