#include "board/AmountText.h"
#include "board/BoardCell.h"
#include "board/BoardGeometry.h"
#include "board/CellGrid.h"
#include "board/CellPictures.h"
#include "board/WinRatioLabel.h"
#include "wheel/Wheel.h"

#include <QTest>

using namespace spinledger;

class TestBoardParts : public QObject
{
    Q_OBJECT
private slots:
    void amountText_data();
    void amountText();
    void cellPositions();
    void everyCellHasItsPictures();
    void winRatioLabel();
    void hoverAndReset();
};

void TestBoardParts::amountText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("refusal");
    const QString numbers = QStringLiteral("Please enter numbers only.");
    const QString tooLong = QStringLiteral("Invalid Amount. Max 3 chars.");
    QTest::newRow("plain") << "en_US"
                           << "10"
                           << "10"
                           << "";
    QTest::newRow("blanks") << "en_US"
                            << "  25 "
                            << "25"
                            << "";
    QTest::newRow("three") << "en_US"
                           << "999"
                           << "999"
                           << "";
    QTest::newRow("four") << "en_US"
                          << "1000"
                          << "" << tooLong;
    QTest::newRow("decimal") << "en_US"
                             << "2.5"
                             << "2.5"
                             << "";
    QTest::newRow("long decimal") << "en_US"
                                  << "2.55"
                                  << "" << tooLong;
    QTest::newRow("leading point") << "en_US"
                                   << ".5"
                                   << ".5"
                                   << "";
    QTest::newRow("empty") << "en_US"
                           << ""
                           << "" << numbers;
    QTest::newRow("blank") << "en_US"
                           << "   "
                           << "" << numbers;
    QTest::newRow("point only") << "en_US"
                                << "."
                                << "" << numbers;
    QTest::newRow("sign") << "en_US"
                          << "-1"
                          << "" << numbers;
    QTest::newRow("plus") << "en_US"
                          << "+1"
                          << "" << numbers;
    QTest::newRow("exponent") << "en_US"
                              << "1e2"
                              << "" << numbers;
    QTest::newRow("grouping") << "en_US"
                              << "1,0"
                              << "" << numbers;
    QTest::newRow("two points") << "en_US"
                                << "1.."
                                << "" << numbers;
    QTest::newRow("arabic digits") << "en_US" << QString::fromUtf8("\u0661") << "" << numbers;
    QTest::newRow("german comma") << "de_DE"
                                  << "2,5"
                                  << "2.5"
                                  << "";
    QTest::newRow("german point") << "de_DE"
                                  << "2.5"
                                  << "" << numbers;
}

void TestBoardParts::amountText()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, refusal);
    const Result<QString> r = AmountText::toStored(typed, QLocale(locale));
    QCOMPARE(r.ok(), !stored.isEmpty());
    if (r.ok()) {
        QCOMPARE(*r, stored);
        QCOMPARE(AmountText::toShown(*r, QLocale(locale)), typed.trimmed());
    } else {
        QCOMPARE(r.status(), refusal);
    }
}

void TestBoardParts::cellPositions()
{
    const Wheel& r = Wheel::r();
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR00"), QRect(240, 1180, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR0"), QRect(240, 1900, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR3"), QRect(840, 1180, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR17"), QRect(3840, 1900, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR34"), QRect(7440, 2620, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR2TO1R3"), QRect(8040, 1180, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR2TO1R1"), QRect(8040, 2620, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR2ND12"), QRect(3240, 3340, 2415, 495));
    QCOMPARE(BoardGeometry::cellTwips(r, "pbR19_36"), QRect(6840, 4060, 1215, 495));
    const Wheel& m = Wheel::m();
    QCOMPARE(BoardGeometry::cellTwips(m, "pbM12"), QRect(2640, 1180, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(m, "pbM10"), QRect(2640, 2620, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(m, "pbM2TO1R2"), QRect(3240, 1900, 615, 495));
    QCOMPARE(BoardGeometry::cellTwips(m, "pbM4_9"), QRect(1440, 3340, 1215, 495));
    QCOMPARE(BoardGeometry::cellTwips(m, "pbMODD"), QRect(2640, 4060, 615, 495));
    QVERIFY(BoardGeometry::cellTwips(m, "pbM13").isEmpty());
    QVERIFY(BoardGeometry::cellTwips(r, "pbMODD").isEmpty());
    // No two cells of a board overlap by more than the shared line, and all
    // fit on the page.
    for (const Wheel* w : {&r, &m}) {
        const QRect page(QPoint(0, 0), BoardGeometry::pageSize());
        for (const QString& a : w->cellNames()) {
            const QRect ra = BoardGeometry::cellPixels(*w, a);
            QVERIFY2(page.contains(ra), qPrintable(a));
            for (const QString& b : w->cellNames()) {
                const QRect overlap = ra.intersected(BoardGeometry::cellPixels(*w, b));
                QVERIFY2(a == b || overlap.width() <= 1 || overlap.height() <= 1, qPrintable(a + b));
            }
        }
    }
}

void TestBoardParts::everyCellHasItsPictures()
{
    CellPictures pictures;
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        for (const QString& cell : w->cellNames()) {
            const bool pocket = w->pocketIndex(cell.mid(3)) >= 0;
            for (const char* state : {"OFF", "ON", "COIN", "CLICK", "GREEN"}) {
                const QString name = CellPictures::resourceName(cell, QLatin1String(state));
                const bool exists = QLatin1String(state) == "CLICK"   ? pocket
                                    : QLatin1String(state) == "GREEN" ? cell == w->zeroZeroCell()
                                                                      : true;
                const QPixmap pm = pictures.picture(name);
                QVERIFY2(pm.isNull() != exists, qPrintable(name));
                if (exists)
                    QCOMPARE(pm.size(), BoardGeometry::cellPixels(*w, cell).size());
            }
        }
    }
    QCOMPARE(CellPictures::resourceName("pbM1_6", "OFF"), QStringLiteral("M1_6_OFF"));
    QVERIFY(pictures.picture("R37_OFF").isNull());
    QVERIFY(pictures.picture("X17_OFF").isNull());
    QVERIFY(pictures.picture("").isNull());
    QVERIFY(pictures.picture("R17").isNull());
    // States look different from each other.
    const QImage off = pictures.picture("R17_OFF").toImage();
    for (const char* other : {"R17_ON", "R17_COIN", "R17_CLICK"})
        QVERIFY(off != pictures.picture(QLatin1String(other)).toImage());
}

void TestBoardParts::winRatioLabel()
{
    WinRatioLabel l("lblRBlackRedWin", "Win Ratio (%)", nullptr);
    QCOMPARE(l.text(), QStringLiteral("0 / 0"));
    l.showWinRatio(66.67, "Black/Red");
    QCOMPARE(l.text(), QStringLiteral("66.67%"));
    QCOMPARE(l.toolTip(), QStringLiteral("Black/Red Win Ratio is 66.67%"));
    QCOMPARE(l.textColour(), WinRatioLabel::Green);
    l.showWinRatio(50, "2TO1");
    QCOMPARE(l.text(), QStringLiteral("50%"));
    QCOMPARE(l.textColour(), WinRatioLabel::Red);
    l.showWinRatio(50.01, "2TO1");
    QCOMPARE(l.textColour(), WinRatioLabel::Green);
    l.showWinRatio(0, "Numbers");
    QCOMPARE(l.text(), QStringLiteral("0%"));
    QCOMPARE(l.textColour(), WinRatioLabel::Red);
    l.showWinRatio(100, "Numbers");
    QCOMPARE(l.text(), QStringLiteral("100%"));
}

void TestBoardParts::hoverAndReset()
{
    bool zeroZero = false;
    QWidget page;
    CellGrid grid(Wheel::r(), &page, [&] { return zeroZero; });
    grid.resetCells();
    QCOMPARE(grid.state("pbR00"), QStringLiteral("GREEN"));
    grid.setCellState("pbR00", "COIN");
    QCOMPARE(grid.state("pbR00"), QStringLiteral("COIN"));
    QCOMPARE(grid.cell("pbR00")->picture(), QStringLiteral("R00_GREEN"));
    grid.setCellState("pbR", "COIN"); // names no cell
    QCOMPARE(grid.entries().size(), 50);
    QVERIFY(!grid.entries().join(u' ').contains(QStringLiteral("pbR:")));

    grid.hoverCells("pbR17");
    QCOMPARE(grid.cell("pbR17")->picture(), QStringLiteral("R17_ON"));
    grid.hoverCells("none");
    for (BoardCell* c : grid.cells())
        QVERIFY(!c->picture().endsWith(QStringLiteral("_ON")));
    zeroZero = true;
    grid.hoverCells("none");
    QCOMPARE(grid.cell("pbR00")->picture(), QStringLiteral("R00_COIN"));
    grid.press("pbR5");
    QCOMPARE(grid.cell("pbR5")->picture(), QStringLiteral("R5_CLICK"));
    grid.resetCells();
    for (const QString& e : grid.entries())
        QVERIFY(e.endsWith(QStringLiteral(":OFF")));
}

QTEST_MAIN(TestBoardParts)
#include "test_board_parts.moc"
