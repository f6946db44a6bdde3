#include "board/AmountText.h"
#include "board/BoardCell.h"
#include "board/BoardGeometry.h"
#include "board/CellGrid.h"
#include "board/CellPictures.h"
#include "board/WinRatioLabel.h"
#include "wheel/Wheel.h"

#include <QTest>

using namespace spinledger;
using namespace Qt::StringLiterals;

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
    for (const char* c : {"locale", "typed", "stored", "refusal"}) // stored empty: refused
        QTest::addColumn<QString>(c);
    const char* const numbers = "Please enter numbers only.";
    const char* const tooLong = "Invalid Amount. Max 3 chars.";
    const char* const table[][4] = {
        {"en_US", "10", "10", ""},        {"en_US", "  25 ", "25", ""},  {"en_US", "999", "999", ""},
        {"en_US", "1000", "", tooLong},   {"en_US", "2.5", "2.5", ""},   {"en_US", "2.55", "", tooLong},
        {"en_US", ".5", ".5", ""},        {"en_US", "", "", numbers},    {"en_US", "   ", "", numbers},
        {"en_US", ".", "", numbers},      {"en_US", "-1", "", numbers},  {"en_US", "+1", "", numbers},
        {"en_US", "1e2", "", numbers},    {"en_US", "1,0", "", numbers}, {"en_US", "1..", "", numbers},
        {"en_US", "\u0661", "", numbers}, {"de_DE", "2,5", "2.5", ""},   {"de_DE", "2.5", "", numbers},
    };
    for (const auto& row : table) {
        QTestData& data = QTest::addRow("%s '%s'", row[0], row[1]);
        for (const char* value : row)
            data << QString::fromUtf8(value);
    }
}

void TestBoardParts::amountText()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, refusal);
    const Result<QString> r = AmountText::toStored(typed, QLocale(locale));
    QCOMPARE(r.ok() ? *r : r.status(), stored.isEmpty() ? refusal : stored);
    if (r.ok())
        QCOMPARE(AmountText::toShown(*r, QLocale(locale)), typed.trimmed());
}

void TestBoardParts::cellPositions()
{
    // Numbers run 3, 6, 9 ... along the top row, the columns' cells after the last number.
    const std::tuple<const Wheel&, const char*, QRect> cells[] = {
        {Wheel::r(), "pbR00", QRect(240, 1180, 615, 495)},
        {Wheel::r(), "pbR0", QRect(240, 1900, 615, 495)},
        {Wheel::r(), "pbR3", QRect(840, 1180, 615, 495)},
        {Wheel::r(), "pbR34", QRect(7440, 2620, 615, 495)},
        {Wheel::r(), "pbR2TO1R3", QRect(8040, 1180, 615, 495)},
        {Wheel::r(), "pbR2ND12", QRect(3240, 3340, 2415, 495)},
        {Wheel::m(), "pbM10", QRect(2640, 2620, 615, 495)},
        {Wheel::m(), "pbM2TO1R2", QRect(3240, 1900, 615, 495)},
        {Wheel::m(), "pbM13", QRect()},
        {Wheel::r(), "pbMODD", QRect()},
    };
    for (const auto& [wheel, cell, twips] : cells)
        QCOMPARE(BoardGeometry::cellTwips(wheel, QLatin1String(cell)), twips);
    // No two cells of a board overlap by more than the shared line, and all fit on the page.
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
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
    for (const char* none : {"R37_OFF", "X17_OFF", "", "R17"})
        QVERIFY(pictures.picture(QLatin1String(none)).isNull());
    // States look different from each other.
    const QImage off = pictures.picture("R17_OFF").toImage();
    for (const char* other : {"R17_ON", "R17_COIN", "R17_CLICK"})
        QVERIFY(off != pictures.picture(QLatin1String(other)).toImage());
}

void TestBoardParts::winRatioLabel()
{
    WinRatioLabel l("lblRBlackRedWin", "Win Ratio (%)", nullptr);
    QCOMPARE(l.text(), u"0 / 0"_s);
    l.showWinRatio(66.67, "Black/Red");
    QCOMPARE(l.toolTip(), u"Black/Red Win Ratio is 66.67%"_s);
    // Green above one half, red up to it.
    const std::pair<double, const char*> shown[] = {
        {66.67, "66.67%"}, {50, "50%"}, {50.01, "50.01%"}, {0, "0%"}, {100, "100%"}};
    for (const auto& [pct, text] : shown) {
        l.showWinRatio(pct, "2TO1");
        QCOMPARE(l.text(), QString::fromLatin1(text));
        QCOMPARE(l.textColour(), pct > 50 ? WinRatioLabel::Green : WinRatioLabel::Red);
    }
}

void TestBoardParts::hoverAndReset()
{
    bool zeroZero = false;
    QWidget page;
    CellGrid grid(Wheel::r(), &page, [&] { return zeroZero; });
    grid.resetCells();
    QCOMPARE(grid.state("pbR00"), u"GREEN"_s);
    grid.setCellState("pbR00", "COIN");
    QCOMPARE(grid.state("pbR00"), u"COIN"_s);
    QCOMPARE(grid.cell("pbR00")->picture(), u"R00_GREEN"_s);
    grid.setCellState("pbR", "COIN"); // names no cell
    QCOMPARE(grid.entries().size(), 50);
    QVERIFY(!grid.entries().join(u' ').contains(u"pbR:"_s));

    grid.hoverCells("pbR17");
    QCOMPARE(grid.cell("pbR17")->picture(), u"R17_ON"_s);
    grid.hoverCells("none");
    for (BoardCell* c : grid.cells())
        QVERIFY(!c->picture().endsWith(u"_ON"_s));
    zeroZero = true;
    grid.hoverCells("none");
    QCOMPARE(grid.cell("pbR00")->picture(), u"R00_COIN"_s);
    grid.press("pbR5");
    QCOMPARE(grid.cell("pbR5")->picture(), u"R5_CLICK"_s);
    grid.resetCells();
    for (const QString& e : grid.entries())
        QVERIFY(e.endsWith(u":OFF"_s));
}

QTEST_MAIN(TestBoardParts)
#include "test_board_parts.moc"
