// The money chart's vertical axis: linear while the lines swing alike,
// powers of ten when one swings over twenty times as far as another.
#include "statsview/ChartStyle.h"
#include "statsview/MoneyAxis.h"

#include <QCategoryAxis>
#include <QValueAxis>
#include <QtTest>

using namespace spinledger;

namespace {

// One line per swing, going up to it and back.
MoneyAxis axisOf(const QList<double>& swings)
{
    std::vector<stats::MoneyRow> rows(swings.size());
    for (qsizetype i = 0; i < swings.size(); ++i)
        rows[i].line = {{1, swings[i]}, {2, 0}};
    return MoneyAxis(rows);
}

} // namespace

class TestMoneyAxis : public QObject
{
    Q_OBJECT

private slots:
    void scaleFollowsTheSwings()
    {
        QVERIFY(!axisOf({1000, -950, 400}).logarithmic());
        QVERIFY(!axisOf({1000, -20000}).logarithmic());
        QVERIFY(axisOf({1000, -20001}).logarithmic());
        QVERIFY(!axisOf({0, 5, 60}).logarithmic()); // a flat line is no measure

        const MoneyAxis linear = axisOf({100, 300});
        QCOMPARE(linear.height(-250), -250.0);
        std::unique_ptr<QAbstractAxis> plain(linear.make(-250, 300, QLocale::c()));
        QVERIFY(qobject_cast<QValueAxis*>(plain.get()));
    }

    void decadesAreLabelledWhereTheyAreDrawn()
    {
        const MoneyAxis scale = axisOf({-600, 24000});
        QCOMPARE(scale.height(0), 0.0);
        QCOMPARE(scale.height(9), 1.0);
        QCOMPARE(scale.height(-99), -2.0);
        // From -600 (height -2.78) to 24,000 (4.38) with 5% room: eight
        // decades, every second one labelled.
        std::unique_ptr<QAbstractAxis> made(scale.make(-600, 24000, QLocale(QLocale::English)));
        auto* axis = qobject_cast<QCategoryAxis*>(made.get());
        QVERIFY(axis);
        QCOMPARE(axis->categoriesLabels(), QStringList({"-100", "0", "100", "10,000"}));
        QCOMPARE(axis->endValue("10,000"), std::log10(10001.0));
        QCOMPARE(axis->endValue("-100"), -std::log10(101.0));
        QVERIFY(axis->min() < -std::log10(601.0) && axis->max() > std::log10(24001.0));
    }

    // The money lines of every two categories differ in hue by 30 degrees
    // or more (orange and vermilion, 15 apart, read as one colour).
    void everyCategoryHasItsOwnColour()
    {
        const CategoryId money[] = {CategoryId::BlackRed, CategoryId::EvenOdd, CategoryId::LowHi,
                                    CategoryId::Dozens, CategoryId::Columns};
        for (CategoryId a : money) {
            for (CategoryId b : money) {
                if (a >= b)
                    continue;
                const int apart =
                    std::abs(ChartStyle::categoryColour(a).hue() - ChartStyle::categoryColour(b).hue());
                QVERIFY2(std::min(apart, 360 - apart) >= 30,
                         qPrintable(QStringLiteral("categories %1 and %2").arg(idx(a)).arg(idx(b))));
            }
        }
    }
};

QTEST_MAIN(TestMoneyAxis)
#include "test_moneyaxis.moc"
