// The wheel tables: lookups, fields, cells and counters of both wheels.
#include "wheel/Wheel.h"

#include <QtTest>

using namespace spinledger;
using namespace Qt::StringLiterals;

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
        QCOMPARE(r.field(1, 1), u"G"_s);
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
        QCOMPARE(r.field(i, 1), reds.contains(n) ? u"R"_s : u"B"_s);
        QCOMPARE(r.field(i, 2), n % 2 ? u"O"_s : u"E"_s);
        QCOMPARE(r.field(i, 3), n <= 18 ? u"L"_s : u"H"_s);
        QCOMPARE(r.field(i, 4), QString::number((n - 1) / 12 + 1));
        QCOMPARE(r.field(i, 5), QString::number((n - 1) % 3 + 1));
        if (n <= 12) {
            const Wheel& m = Wheel::m();
            const int j = m.pocketIndex(QString::number(n));
            QCOMPARE(m.field(j, 1), n % 2 ? u"R"_s : u"B"_s);
            QCOMPARE(m.field(j, 3), n <= 4 ? u"L"_s : n <= 8 ? u"M"_s : u"H"_s);
            QCOMPARE(m.field(j, 4), QString::number((n - 1) % 3 + 1));
        }
    }

    void cellsAndCounters()
    {
        // Pocket 17's values name the cells pbR17, pbRBLACK, pbRODD, pbR1_18, pbR2ND12, pbR2TO1R2.
        const Wheel& r = Wheel::r();
        const int p = r.pocketIndex(u"17"_s);
        QStringList cells;
        for (const Category& c : r.categories())
            cells << r.cellName(c.id, r.field(p, c.field));
        QCOMPARE(cells, (QStringList{"pbR17", "pbRBLACK", "pbRODD", "pbR1_18", "pbR2ND12", "pbR2TO1R2"}));
        QCOMPARE(r.cellName(CategoryId::BlackRed, u"G"_s), u"pbR"_s);
        QCOMPARE(Wheel::m().cellName(CategoryId::LowHi, u"M"_s), u"pbM4_9"_s);

        // Stored group values of the mini wheel, "LM" and "MH" included; nothing for an empty value.
        const Wheel& m = Wheel::m();
        const auto columns = [&](CategoryId c, const char* value) {
            QStringList names;
            for (int i : m.countersFor(c, QString::fromLatin1(value)))
                names << m.counters()[i].column;
            return names.join(u' ');
        };
        QCOMPARE(columns(CategoryId::LowHi, "LM"), u"M1_6 M4_9"_s);
        QCOMPARE(columns(CategoryId::LowHi, "MH"), u"M4_9 M7_12"_s);
        QCOMPARE(columns(CategoryId::LowHi, "H"), u"M7_12"_s);
        QCOMPARE(columns(CategoryId::Numbers, "00") + u'|' + columns(CategoryId::Numbers, "0"), u"M00|M0"_s);
        QCOMPARE(columns(CategoryId::EvenOdd, ""), QString());
    }
};

QTEST_GUILESS_MAIN(TestWheel)
#include "test_wheel.moc"
