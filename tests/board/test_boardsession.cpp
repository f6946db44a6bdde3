#include "BoardRig.h"
#include "board/SleeperMarks.h"
#include "session/TableLimits.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace spinledger;
using namespace spinledger::test;

namespace {

// Dozens alone ticked "Play": its advice has no random tie-break, so every
// stake below is worked out by hand from the doubling rule.
void playDozens(BoardRig& rig)
{
    for (const Category& c : Wheel::r().categories())
        rig.find<QCheckBox>(Wheel::r().checkBox(c.id))->setChecked(c.id == CategoryId::Dozens);
}

void setLimits(BoardRig& rig, std::optional<double> tableMax, std::optional<double> stopLoss = {})
{
    TableLimits::save(rig.t.db, rig.t.app->settingId, Wheel::r(), {tableMax, stopLoss, std::nullopt});
}

QString sessionLine(BoardRig& rig)
{
    return rig.find<QLabel>("lblSession", "")->text();
}

} // namespace

class BoardSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void platesAboveTableMax_data()
    {
        QTest::addColumn<double>("tableMax"); // 0: none typed
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("status");
        // After 5 and 17 the first dozen is advised at 20: 10, lost once.
        QTest::newRow("above") << 15.0 << true << u"Stake 20 is above the table maximum 15"_s;
        QTest::newRow("at the maximum") << 20.0 << false << u"Idle"_s;
        QTest::newRow("no maximum typed") << 0.0 << false << u"Idle"_s;
    }
    void platesAboveTableMax()
    {
        QFETCH(double, tableMax);
        QFETCH(bool, marked);
        QFETCH(QString, status);
        BoardRig rig(Wheel::r());
        playDozens(rig);
        setLimits(rig, tableMax > 0 ? std::optional(tableMax) : std::nullopt);
        rig.play("5 17");
        const auto* plate = rig.find<BadgeLabel>(u"lblR1ST12"_s);
        QCOMPARE(plate->text(), u"20"_s);
        QCOMPARE(plate->property("aboveTableMax").toBool(), marked);
        QCOMPARE(plate->toolTip().contains(u"above the table maximum"_s), marked);
        QCOMPARE(rig.status.texts.last(), status);
    }

    void sessionLineAfterSpins()
    {
        BoardRig rig(Wheel::r());
        playDozens(rig);
        // 5 judges nothing; 17 loses the first dozen at 10 (-10); 8 wins it at 20
        // and the dozen pays 2:1 (+40).
        rig.play("5 17 8");
        QCOMPARE(sessionLine(rig), u"This session: 3 spins, result +30, largest stake 20"_s);

        rig.click("btnNewSession", "");
        QCOMPARE(sessionLine(rig), u"This session: 0 spins, result 0, largest stake 0"_s);
        // The second dozen is advised after 8 at 10 (the last one won); 20 wins it.
        rig.play("20");
        QCOMPARE(sessionLine(rig), u"This session: 1 spin, result +20, largest stake 10"_s);
    }

    void stopLossSaidOnce()
    {
        BoardRig rig(Wheel::r());
        playDozens(rig);
        setLimits(rig, std::nullopt, 10.0);
        rig.play("5 17");
        QCOMPARE(rig.status.texts.last(), u"Stop-loss 10 reached: this session is at \u221210."_s);
        // Lost again (-30): still below, not said a second time.
        rig.play("17");
        QCOMPARE(sessionLine(rig), u"This session: 3 spins, result \u221230, largest stake 20"_s);
        QCOMPARE(rig.status.texts.last(), u"Idle"_s);
    }

    void sleepersOnCells_data()
    {
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("after"); // once 26 (black, even, 19-36, third dozen) came as well
        // History 5 17 5 20 0, the newest last; 00 is switched off.
        QTest::newRow("0 newest") << u"slpR0"_s << u"0"_s << u"hot"_s << u"1"_s;
        QTest::newRow("17") << u"slpR17"_s << u"3"_s << u"hot"_s << u"4"_s;
        QTest::newRow("1 never, first of the cold") << u"slpR1"_s << u"\u2013"_s << u"cold"_s << u"\u2013"_s;
        QTest::newRow("36 never") << u"slpR36"_s << u"\u2013"_s << QString() << u"\u2013"_s;
        QTest::newRow("red: 5") << u"slpRRED"_s << u"2"_s << QString() << u"3"_s;
        QTest::newRow("black: 20") << u"slpRBLACK"_s << u"1"_s << QString() << u"0"_s;
    }
    void sleepersOnCells()
    {
        QFETCH(QString, plate);
        QFETCH(QString, text);
        QFETCH(QString, mark);
        QFETCH(QString, after);
        BoardRig rig(Wheel::r());
        rig.play("5 17 5 20 0");
        rig.board.setSleeperWindow(0);
        rig.board.showSleepers(true);
        const auto* p = rig.find<BadgeLabel>(plate);
        QVERIFY(p->isVisible());
        QCOMPARE(p->text(), text);
        QCOMPARE(p->property("sleeper").toString(), mark);
        const QString tip = rig.cell(plate.mid(4))->toolTip();
        QVERIFY2(tip.endsWith(SleeperMarks::NotDue()), qPrintable(tip));
        // Still there after the next spin, and gone when switched off.
        rig.play("26");
        QCOMPARE(p->text(), after);
        rig.board.showSleepers(false);
        QVERIFY(!p->isVisible() && rig.cell(plate.mid(4))->toolTip().isEmpty());
    }
};

QTEST_MAIN(BoardSessionTest)
#include "test_boardsession.moc"
