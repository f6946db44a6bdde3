// The wheel tables: lookups, fields, cells and counters of both wheels.
#include "wheel/Wheel.h"

#include <QtTest>

using namespace spinledger;

class TestWheel : public QObject
{
    Q_OBJECT

private slots:
    void lookupIsExactSoZeroIsNotZeroZero()
    {
        QCOMPARE(Wheel::r().pocketIndex("0"), 1);
        QCOMPARE(Wheel::r().pocketIndex("00"), 0);
        QCOMPARE(Wheel::r().pocketIndex("36"), 37);
        QCOMPARE(Wheel::r().pocketIndex("37"), -1);
        QCOMPARE(Wheel::m().pocketIndex("12"), 13);
        QCOMPARE(Wheel::m().pocketIndex("13"), -1);
        QCOMPARE(Wheel::r().pocketIndex(" 5"), -1);
    }

    void zeroPocketsHaveEmptyFields()
    {
        const Wheel& r = Wheel::r();
        QCOMPARE(r.layout().at(1).split(u':').size(), 6);
        QCOMPARE(r.field(1, 1), QStringLiteral("G"));
        for (int f = 2; f < 6; ++f)
            QVERIFY(r.field(1, f).isEmpty());
        QCOMPARE(Wheel::m().layout().at(0).split(u':').size(), 5);
    }

    // The colours, dozens and columns follow the rules of a real table.
    void layoutMatchesTheTableRules_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 36; ++n)
            QTest::addRow("%d", n) << n;
    }
    void layoutMatchesTheTableRules()
    {
        QFETCH(int, n);
        static const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
        const Wheel& r = Wheel::r();
        const int i = r.pocketIndex(QString::number(n));
        QCOMPARE(i, n + 1);
        QCOMPARE(r.field(i, 1), reds.contains(n) ? QStringLiteral("R") : QStringLiteral("B"));
        QCOMPARE(r.field(i, 2), n % 2 ? QStringLiteral("O") : QStringLiteral("E"));
        QCOMPARE(r.field(i, 3), n <= 18 ? QStringLiteral("L") : QStringLiteral("H"));
        QCOMPARE(r.field(i, 4), QString::number((n - 1) / 12 + 1));
        QCOMPARE(r.field(i, 5), QString::number((n - 1) % 3 + 1));
        if (n <= 12) {
            const Wheel& m = Wheel::m();
            const int j = m.pocketIndex(QString::number(n));
            QCOMPARE(m.field(j, 1), n % 2 ? QStringLiteral("R") : QStringLiteral("B"));
            QCOMPARE(m.field(j, 3), n <= 4   ? QStringLiteral("L")
                                    : n <= 8 ? QStringLiteral("M")
                                             : QStringLiteral("H"));
            QCOMPARE(m.field(j, 4), QString::number((n - 1) % 3 + 1));
        }
    }

    void cellsAndCounters()
    {
        const Wheel& r = Wheel::r();
        QCOMPARE(r.cellNames().size(), 50);
        QCOMPARE(Wheel::m().cellNames().size(), 24);
        QCOMPARE(r.cellNames().at(12), QStringLiteral("pbR00"));
        QCOMPARE(r.counters().size(), size_t(51));
        QCOMPARE(Wheel::m().counters().size(), size_t(25));
        QCOMPARE(r.counters().front().column, QStringLiteral("RBlack"));
        QCOMPARE(r.counters().at(13).column, QStringLiteral("R00"));
        QCOMPARE(Wheel::m().counters().at(7).column, QStringLiteral("M7_12"));

        // Pocket 17's values name the cells pbR17, pbRBLACK, pbRODD, pbR1_18, pbR2ND12, pbR2TO1R2.
        const int p = r.pocketIndex("17");
        QStringList cells;
        for (const Category& c : r.categories())
            cells << r.cellName(c.id, r.field(p, c.field));
        QCOMPARE(cells, (QStringList{"pbR17", "pbRBLACK", "pbRODD", "pbR1_18", "pbR2ND12", "pbR2TO1R2"}));
        QCOMPARE(r.cellName(CategoryId::BlackRed, "G"), QStringLiteral("pbR"));
        QCOMPARE(Wheel::m().cellName(CategoryId::LowHi, "M"), QStringLiteral("pbM4_9"));
        QVERIFY(!Wheel::m().has(CategoryId::Dozens));

        // Stored group values of the mini wheel, "LM" and "MH" included.
        const Wheel& m = Wheel::m();
        const auto col = [&](const std::vector<int>& idx) {
            QStringList names;
            for (int i : idx)
                names << m.counters()[i].column;
            return names;
        };
        QCOMPARE(col(m.countersFor(CategoryId::LowHi, "LM")), (QStringList{"M1_6", "M4_9"}));
        QCOMPARE(col(m.countersFor(CategoryId::LowHi, "MH")), (QStringList{"M4_9", "M7_12"}));
        QCOMPARE(col(m.countersFor(CategoryId::LowHi, "H")), QStringList{"M7_12"});
        QVERIFY(r.countersFor(CategoryId::EvenOdd, "").empty());
        QCOMPARE(col(m.countersFor(CategoryId::Numbers, "00")), QStringList{"M00"});
    }

    void namesOfTablesColumnsAndControls()
    {
        const Wheel& r = Wheel::r();
        QCOMPARE(r.zeroSwitch(), QStringLiteral("cbR00"));
        QCOMPARE(r.checkBox(CategoryId::Columns), QStringLiteral("cbR2TO1"));
        QCOMPARE(r.ratioLabel(CategoryId::Columns), QStringLiteral("lblR2TO1Win"));
        QCOMPARE(Wheel::m().coinsColumn(CategoryId::LowHi), QStringLiteral("ka_app_m_advise_lowhi_coins"));
        QCOMPARE(r.lossPctColumn(CategoryId::Columns), QStringLiteral("ka_app_r_win_2to1_loss"));
        QCOMPARE(Wheel::m().settingsColumns(),
                 (QStringList{"cbMNumbers", "cbMBlackRed", "cbMEvenOdd", "cbMLowHi", "cbM2TO1", "cbM00",
                              "tbMAmount", "cmbM"}));
    }
};

QTEST_GUILESS_MAIN(TestWheel)
#include "test_wheel.moc"
