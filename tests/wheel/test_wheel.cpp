// The wheel tables: lookups, fields, cells and counters of both wheels.
#include "wheel/Wheel.h"

#include <QtTest>

using namespace spinledger;
using namespace Qt::StringLiterals;

class TestWheel : public QObject
{
    Q_OBJECT

private slots:
    // Each pocket's place is in the layout and advice tests, 37 in the engine's;
    // here what else names no pocket, a padded label too, and the fields of 0.
    void lookupIsExactAndZeroHasEmptyFields()
    {
        const Wheel& r = Wheel::r();
        QCOMPARE(Wheel::m().pocketIndex("13"), -1);
        QCOMPARE(r.pocketIndex(" 5"), -1);
        QCOMPARE(r.layout().at(1).split(u':').size(), 6);
        QCOMPARE(r.field(1, 1), u"G"_s);
        QCOMPARE(r.colour(1), PocketColour::Green);
        QCOMPARE(r.colour(r.pocketCount()), PocketColour::Unknown);
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
        QCOMPARE(r.colour(i), reds.contains(n) ? PocketColour::Red : PocketColour::Black);
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
        const Wheel& r = Wheel::r();
        const int p = r.pocketIndex(u"17"_s);
        QStringList cells;
        for (const Category& c : r.categories())
            cells << r.cellName(r.adviceOf(c.id, r.field(p, c.field)));
        QCOMPARE(cells, (QStringList{"pbR17", "pbRBLACK", "pbRODD", "pbR1_18", "pbR2ND12", "pbR2TO1R2"}));

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

    // Stored advice texts read as the choice's place in the category's table
    // (for Numbers the pocket's); empty is no advice, any other text is
    // unreadable, written back as nothing. Each row judges against one pocket.
    void storedAdviceTexts_data()
    {
        QTest::addColumn<QString>("wheel");
        QTest::addColumn<CategoryId>("category");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("choice"); // -1 no advice, -2 unreadable
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("pocket");
        QTest::addColumn<bool>("wins");
        const auto row = [](const char* name, const char* wheel, CategoryId c, const char* stored, int choice,
                            const char* written, const char* cell, const char* pocket, bool wins) {
            QTest::newRow(name) << QString::fromLatin1(wheel) << c << QString::fromLatin1(stored) << choice
                                << QString::fromLatin1(written) << QString::fromLatin1(cell)
                                << QString::fromLatin1(pocket) << wins;
        };
        using C = CategoryId;
        row("black", "R", C::BlackRed, "B", 0, "B", "pbRBLACK", "17", true);
        row("red loses on black", "R", C::BlackRed, "R", 1, "R", "pbRRED", "17", false);
        row("padded", "R", C::BlackRed, " R ", 1, "R", "pbRRED", "1", true);
        row("green is no bet", "R", C::BlackRed, "G", -2, "", "pbR", "0", false);
        row("lower case", "R", C::BlackRed, "b", -2, "", "pbR", "17", false);
        row("blank is no advice", "R", C::BlackRed, "  ", -1, "", "pbR", "0", false);
        row("no advice meets the empty field of 0", "R", C::EvenOdd, "", -1, "", "pbR", "0", true);
        row("no advice on a number", "R", C::EvenOdd, "", -1, "", "pbR", "2", false);
        row("odd", "R", C::EvenOdd, "O", 1, "O", "pbRODD", "17", true);
        row("even on 0", "R", C::EvenOdd, "E", 0, "E", "pbREVEN", "0", false);
        row("high", "R", C::LowHi, "H", 1, "H", "pbR19_36", "19", true);
        row("unreadable loses on 00", "R", C::LowHi, "M", -2, "", "pbR", "00", false);
        row("mini middle by its cell 4-9", "M", C::LowHi, "M", 1, "M", "pbM4_9", "4", true);
        row("mini low reaches 6", "M", C::LowHi, "L", 0, "L", "pbM1_6", "6", true);
        row("mini high starts at 7", "M", C::LowHi, "H", 2, "H", "pbM7_12", "6", false);
        row("mini no advice on 0", "M", C::LowHi, "", -1, "", "pbM", "0", false);
        row("stored group is never advised", "M", C::LowHi, "LM", -2, "", "pbM", "4", false);
        row("third dozen", "R", C::Dozens, "3", 2, "3", "pbR3RD12", "36", true);
        row("no fourth dozen", "R", C::Dozens, "4", -2, "", "pbR", "36", false);
        row("mini has no dozens", "M", C::Dozens, "1", -2, "", "pbM", "1", false);
        row("first column", "R", C::Columns, "1", 0, "1", "pbR2TO1R1", "34", true);
        row("pocket", "R", C::Numbers, "17", 18, "17", "pbR17", "17", true);
        row("00 is not 0", "R", C::Numbers, "00", 0, "00", "pbR00", "0", false);
        row("0", "R", C::Numbers, "0", 1, "0", "pbR0", "0", true);
        row("leading zero", "R", C::Numbers, "017", -2, "", "pbR", "17", false);
        row("mini 12", "M", C::Numbers, "12", 13, "12", "pbM12", "12", true);
        row("mini has no 13", "M", C::Numbers, "13", -2, "", "pbM", "12", false);
    }
    void storedAdviceTexts()
    {
        QFETCH(QString, wheel);
        QFETCH(CategoryId, category);
        QFETCH(QString, stored);
        QFETCH(int, choice);
        QFETCH(QString, written);
        QFETCH(QString, cell);
        QFETCH(QString, pocket);
        QFETCH(bool, wins);
        const Wheel& w = *Wheel::byLetter(wheel.front());
        const AdviceValue expected = choice == -1   ? AdviceValue::none(category)
                                     : choice == -2 ? AdviceValue::unreadable(category)
                                                    : AdviceValue(category, choice);
        const AdviceValue read = w.adviceOf(category, stored);
        QVERIFY(read == expected);
        QCOMPARE(w.adviceText(read), written);
        QCOMPARE(w.cellName(read), cell);
        QCOMPARE(w.wins(read, w.pocketIndex(pocket)), wins);
    }

    // Padded letters are read; empty, lower case, two letters or another letter are no colour.
    void storedColourLetters()
    {
        using P = PocketColour;
        for (const auto& [stored, colour] : {std::pair{"R", P::Red},
                                             {"B", P::Black},
                                             {" G ", P::Green},
                                             {"", P::Unknown},
                                             {"r", P::Unknown},
                                             {"RB", P::Unknown},
                                             {"X", P::Unknown}})
            QVERIFY2(pocketColourOf(QString::fromLatin1(stored)) == colour, stored);
    }
};

QTEST_GUILESS_MAIN(TestWheel)
#include "test_wheel.moc"
