#include "BoardRig.h"
#include "board/AmountText.h"
#include "board/BoardGeometry.h"
#include "board/CellGrid.h"
#include "board/CellPictures.h"
#include "board/FocusRing.h"
#include "engine/SpinRecorder.h"
#include "store/OleDate.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

// The board's parts (amount text, cell places and pictures, win ratio label,
// cell grid), then the board as the player uses it.
class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void amountText_data()
    {
        // stored empty: refused; shown: the stored amount in the locale
        for (const char* c : {"locale", "typed", "stored", "refusal", "shown"})
            QTest::addColumn<QString>(c);
        const char* const numbers = "Please enter numbers only.";
        const char* const tooLong = "Invalid Amount. Max 3 chars.";
        // '.' and ',' are the decimal separator alike in every locale: a stake has no thousands.
        const char* const table[][5] = {
            {"en_US", "10", "10", "", "10"},      {"en_US", "  25 ", "25", "", "25"},
            {"en_US", "999", "999", "", "999"},   {"en_US", "1000", "", tooLong, ""},
            {"en_US", "2.5", "2.5", "", "2.5"},   {"en_US", "2.55", "", tooLong, ""},
            {"en_US", ".5", ".5", "", ".5"},      {"en_US", "", "", numbers, ""},
            {"en_US", "   ", "", numbers, ""},    {"en_US", ".", "", numbers, ""},
            {"en_US", "-1", "", numbers, ""},     {"en_US", "+1", "", numbers, ""},
            {"en_US", "1e2", "", numbers, ""},    {"en_US", "1,5", "1.5", "", "1.5"},
            {"en_US", "1..", "", numbers, ""},    {"en_US", "1.,", "", numbers, ""},
            {"en_US", "\u0661", "", numbers, ""}, {"de_DE", "2,5", "2.5", "", "2,5"},
            {"de_DE", "2.5", "2.5", "", "2,5"},   {"de_DE", "1.000", "", tooLong, ""},
            {"de_DE", "1,0", "1.0", "", "1,0"},   {"de_DE", ",,", "", numbers, ""},
        };
        for (const auto& row : table) {
            QTestData& data = QTest::addRow("%s '%s'", row[0], row[1]);
            for (const char* value : row)
                data << QString::fromUtf8(value);
        }
    }
    void amountText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, refusal);
        QFETCH(QString, shown);
        const Result<QString> r = AmountText::toStored(typed, QLocale(locale));
        QCOMPARE(r.ok() ? *r : r.status(), stored.isEmpty() ? refusal : stored);
        if (r.ok())
            QCOMPARE(AmountText::toShown(*r, QLocale(locale)), shown);
    }

    void cellPositions()
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

    void everyCellHasItsPictures()
    {
        using Look = CellPictures::Look;
        CellPictures pictures;
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
            for (const QString& cell : w->cellNames()) {
                const bool pocket = w->pocketIndex(cell.mid(3)) >= 0;
                for (Look look : {Look::Off, Look::On, Look::Coin, Look::Click, Look::Green}) {
                    const bool exists = look == Look::Click   ? pocket
                                        : look == Look::Green ? cell == w->zeroZeroCell()
                                                              : true;
                    const QPixmap pm = pictures.picture(*w, cell, look);
                    QVERIFY2(pm.isNull() != exists, qPrintable(CellPictures::name(cell, look)));
                    if (exists)
                        QCOMPARE(pm.size(), BoardGeometry::cellPixels(*w, cell).size());
                }
            }
        }
        // A cell of the other wheel, or none at all.
        for (const char* none : {"pbR37", "pbM17", "pbX17", ""})
            QVERIFY(pictures.picture(Wheel::r(), QLatin1String(none), Look::Off).isNull());
        QCOMPARE(CellPictures::name(u"pbM1_6"_s, Look::Coin), u"M1_6_COIN"_s);
        const QImage off = pictures.picture(Wheel::r(), u"pbR17"_s, Look::Off).toImage();
        for (Look other : {Look::On, Look::Coin, Look::Click})
            QVERIFY(off != pictures.picture(Wheel::r(), u"pbR17"_s, other).toImage());
    }

    // Green above the category's break-even, red up to it: one half for
    // even money, one third for dozens and columns, 1/36 for a number.
    void winRatioLabel_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("breakEven");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("green");
        const std::tuple<double, double, const char*, bool> rows[] = {
            {66.67, 50, "66.67%", true},
            {50, 50, "50%", false},
            {50.01, 50, "50.01%", true},
            {0, 50, "0%", false},
            {100, 50, "100%", true},
            {37.8, 100.0 / 3, "37.8%", true},
            {33.33, 100.0 / 3, "33.33%", false},
            {33.34, 100.0 / 3, "33.34%", true},
            {2.78, 100.0 / 36, "2.78%", true},
            {2.77, 100.0 / 36, "2.77%", false},
            {0, 100.0 / 36, "0%", false},
        };
        for (const auto& [pct, breakEven, text, green] : rows)
            QTest::addRow("%s of %.2f", text, breakEven)
                << pct << breakEven << QString::fromLatin1(text) << green;
    }
    void winRatioLabel()
    {
        QFETCH(double, percent);
        QFETCH(double, breakEven);
        QFETCH(QString, text);
        QFETCH(bool, green);
        WinRatioLabel l("lblRBlackRedWin", "Win Ratio (%)", nullptr);
        QCOMPARE(l.text(), u"0 / 0"_s);
        l.showWinRatio(percent, "Black/Red", breakEven);
        QCOMPARE(l.text(), text);
        QCOMPARE(l.toolTip(), u"Black/Red Win Ratio is "_s + text);
        QCOMPARE(l.textColour(), green ? WinRatioLabel::Green : WinRatioLabel::Red);
    }

    void hoverAndReset()
    {
        bool zeroZero = false;
        QWidget page;
        CellGrid grid(Wheel::r(), &page, [&] { return zeroZero; });
        grid.resetCells();
        QCOMPARE(grid.state("pbR00"), u"GREEN"_s);
        grid.setCellState("pbR00", CellState::Coin);
        QCOMPARE(grid.state("pbR00"), u"COIN"_s);
        QCOMPARE(grid.cell("pbR00")->picture(), u"R00_GREEN"_s);
        grid.setCellState("pbR", CellState::Coin); // names no cell
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

    void playedSequenceShowsAdviceRatiosAndHistory()
    {
        BoardRig rig(Wheel::r());
        rig.status.watched = &rig.board;
        // Black/Red played, amount 10; ties pick the first value (black).
        rig.play("17");
        QCOMPARE(rig.status.texts, QStringList({"Analyze '17'..", "Idle"}));
        QCOMPARE(rig.status.enabled, QList<bool>({false, false})); // no other action meanwhile
        QVERIFY(rig.board.isEnabled());
        QCOMPARE(rig.coinCells(), QStringList{"pbRBLACK"});
        QCOMPARE(rig.picture("BLACK"), u"RBLACK_COIN"_s);
        // No advice stood before the first spin: nothing lost, nothing doubled, nothing judged.
        QCOMPARE(rig.coin("BLACK"), u"10|Bet 10 here|green"_s);
        QCOMPARE(rig.coin("RED"), u"||green"_s);
        QCOMPARE(rig.ratio("BlackRed"), u"0%|red"_s);
        rig.play("5");
        QCOMPARE(rig.coin("BLACK"), u"20|Bet 20 here|red"_s);
        rig.play("17"); // black won; 17 was followed by red once
        QCOMPARE(rig.coinCells(), QStringList{"pbRRED"});
        QCOMPARE(rig.coin("RED"), u"10|Bet 10 here|green"_s);
        // The label that lost the advice advises nothing, not even in its tool tip.
        QCOMPARE(rig.coin("BLACK"), u"||green"_s);
        QCOMPARE(rig.ratio("BlackRed"), u"50%|red"_s); // one of two: even money's break-even
        QCOMPARE(rig.ratio("Dozens"), u"50%|green"_s); // above a dozen's third
        rig.play("36 26");
        QCOMPARE(rig.ratio("BlackRed"), u"75%|green"_s);
        QCOMPARE(rig.find<WinRatioLabel>("lbl", "BlackRedWin")->toolTip(), u"Black/Red Win Ratio is 75%"_s);
        QCOMPARE(rig.picture("RED") + rig.picture("26"), u"RRED_COINR26_OFF"_s);
        QCOMPARE(rig.history("BLACK"), u"17,,17,,26"_s);
        QCOMPARE(rig.history("RED"), u",5,,36"_s);
        QCOMPARE(rig.history("GREEN"), QString());
    }

    // What one click costs in statements, from the click to the redraw, at a
    // casino with history. Lower the figure when it falls; it may not rise.
    void oneSpinsStatementCount_data()
    {
        QTest::addColumn<QString>("wheel");
        QTest::addColumn<int>("statements");
        QTest::newRow("R") << u"R"_s << 58;
        QTest::newRow("M") << u"M"_s << 52; // no Dozens: five follower counts fewer
    }
    void oneSpinsStatementCount()
    {
        QFETCH(QString, wheel);
        QFETCH(int, statements);
        BoardRig rig(wheel == u"R" ? Wheel::r() : Wheel::m());
        rig.play("5 8 5");
        QStringList ran;
        rig.t.db.traceStatements([&](const char* sql) { ran << QString::fromUtf8(sql); });
        rig.play("8");
        rig.t.db.traceStatements({});
        QCOMPARE(rig.spins(), 4);
        QVERIFY2(ran.size() == statements, qPrintable(u"%1 ran:\n"_s.arg(ran.size()) + ran.join(u'\n')));
    }

    void historyKeepsTheLatestFourteen()
    {
        BoardRig rig(Wheel::m());
        rig.play("1 2 3 4 5 6 7 8 9 10 11 12 0 1 2");
        // 15 spins: the first is skipped, the second heads the list.
        QCOMPARE(rig.history("BLACK"), u"2,,4,,6,,8,,10,,12,,,2"_s);
        QCOMPARE(rig.history("RED"), u",3,,5,,7,,9,,11,,,1"_s);
        QCOMPARE(rig.history("GREEN"), u",,,,,,,,,,,0"_s);
        // Colour letters written elsewhere: a padded one reads as its colour, one that
        // names none puts its spin in no column rather than in a wrong one.
        rig.t.db.exec("UPDATE ka_app_m SET ka_app_m_blackred = ' B ' WHERE ka_app_m_numbers = '2'");
        rig.t.db.exec("UPDATE ka_app_m SET ka_app_m_blackred = 'r' WHERE ka_app_m_numbers = '3'");
        rig.board.showStored();
        QCOMPARE(rig.history("BLACK"), u"2,,4,,6,,8,,10,,12,,,2"_s);
        QCOMPARE(rig.history("RED"), u",,,5,,7,,9,,11,,,1"_s);
        QCOMPARE(rig.history("GREEN"), u",,,,,,,,,,,0"_s);
    }

    void undoWalksBackOneSpinAtATime()
    {
        BoardRig rig(Wheel::r());
        rig.play("17 5 17 36");
        rig.status.texts.clear();
        // Tallies that went missing are recounted first, and the player is told.
        rig.t.db.exec("DELETE FROM ka_app_r_tally");
        rig.click("btnUndo", "");
        QCOMPARE(rig.status.texts,
                 QStringList({"Please wait..", "Recounting the casino's history, please Wait ....", "Idle"}));
        QCOMPARE(rig.spins(), 3);
        QCOMPARE(rig.history("BLACK") + u'|' + rig.history("RED"), u"17,,17|,5"_s);
        // The advice of the third spin is current again, with its ratios.
        QCOMPARE(rig.coinCells(), QStringList{"pbRRED"});
        QCOMPARE(rig.coin("RED"), u"10|Bet 10 here|green"_s);
        QCOMPARE(rig.ratio("BlackRed"), u"50%|red"_s);
    }

    void resetPutsStakesBackToTheAmount()
    {
        BoardRig rig(Wheel::r());
        rig.play("17 5");
        auto* amount = rig.find<QLineEdit>("tb", "Amount");
        amount->selectAll();
        QTest::keyClicks(amount, "5");
        rig.status.texts.clear();
        rig.click("btnAmountReset", "");
        QCOMPARE(rig.status.texts, QStringList({"Please wait..", "Idle"}));
        QCOMPARE(rig.coin("BLACK") + rig.coin("RED"), u"5|Bet 5 here|green||green"_s);
    }

    void zeroZeroSwitch()
    {
        BoardRig rig(Wheel::r());
        // Off: green, not clickable.
        QTest::mouseClick(rig.cell("00"), Qt::LeftButton);
        QVERIFY(rig.status.texts.isEmpty() && rig.spins() == 0);
        rig.click("cb", "00");
        QCOMPARE(rig.setting("cbR00"), u"1"_s);
        QCOMPARE(rig.picture("00"), u"R00_OFF"_s);
        rig.play("00");
        QCOMPARE(rig.history("GREEN"), u"00"_s);

        // A coin on 00 is kept but shown green while 00 is off; no other cell changes.
        rig.find<QCheckBox>("cb", "Numbers")->setChecked(true);
        rig.play("00 00"); // 00 has been followed by 00: Numbers advises 00
        QCOMPARE(rig.state("00") + rig.picture("00"), u"COINR00_COIN"_s);
        QStringList others = rig.board.cellStates();
        rig.click("cb", "00");
        QCOMPARE(rig.setting("cbR00"), u"0"_s);
        QCOMPARE(rig.state("00") + rig.picture("00"), u"GREENR00_GREEN"_s);
        QCOMPARE(rig.board.cellStates().replaceInStrings("pbR00:GREEN", "pbR00:COIN"), others);
        QVERIFY(!rig.cell("00")->isEnabled());
        rig.board.hoverNone(); // hovering never lights it up
        QCOMPARE(rig.picture("00"), u"R00_GREEN"_s);
    }

    void categoryBoxes()
    {
        BoardRig rig(Wheel::r());
        rig.play("17 5");
        // A stake changed behind the board's back shows who redraws the labels.
        rig.t.db.exec("UPDATE ka_app_r_advise SET ka_app_r_advise_blackred_coins = '80'");
        rig.status.texts.clear();
        rig.click("cb", "Numbers");
        QCOMPARE(rig.setting("cbRNumbers"), u"1"_s);
        QCOMPARE(rig.coin("BLACK"), u"20|Bet 20 here|red"_s); // Numbers leaves the labels alone
        QCOMPARE(rig.coinCells().size(), 2);                  // ... but marks its number
        QCOMPARE(rig.ratio("Numbers"), u"0%|red"_s);
        rig.click("cb", "EvenOdd");
        QCOMPARE(rig.coin("BLACK"), u"80|Bet 80 here|red"_s);
        QCOMPARE(rig.state("EVEN"), u"COIN"_s);
        QVERIFY(!rig.coin("EVEN").startsWith(u'|'));
        rig.click("cb", "BlackRed");
        QCOMPARE(rig.setting("cbRBlackRed"), u"0"_s);
        QCOMPARE(rig.state("BLACK"), u"OFF"_s);
        QCOMPARE(rig.coin("BLACK"), u"||red"_s); // colours follow the stake, played or not
        rig.click("cb", "BlackRed");
        QCOMPARE(rig.state("BLACK"), u"COIN"_s);
        QCOMPARE(rig.coin("BLACK"), u"80|Bet 80 here|red"_s);
        QVERIFY2(rig.status.texts.isEmpty(), qPrintable(rig.status.texts.join(u'|')));
        QVERIFY(rig.board.isEnabled());
    }

    // Typed over the selected amount 10, keystroke by keystroke: a refused
    // keystroke never enters the box, so the box, the stored amount and the
    // stakes always agree, and a valid entry clears the refusal's message.
    void amountBoxShowsTheAmountInForce_data()
    {
        const char* const columns[] = {"letter", "locale", "typed", "box", "status", "stake"};
        for (const char* c : columns)
            QTest::addColumn<QString>(c);
        // status: the last one written, if any; stake: the coin label after the first spin
        const char* const table[][6] = {
            {"R", "en_US", "5", "5", "", "5"},
            {"R", "en_US", "1e3", "13", "Idle", "13"},
            {"R", "en_US", "12345", "123", "Invalid Amount. Max 3 chars.", "123"},
            {"R", "en_US", "abc", "10", "Please enter numbers only.", "10"},
            {"R", "en_US", " 7 ", " 7 ", "", "7"},
            {"M", "en_US", "0.7", "0.7", "", "0.7"},
            {"M", "en_US", "0", "0", "", "0"},
            {"M", "de_DE", "2.5", "2,5", "", "2,5"},
            {"R", "de_DE", "1.000", "1,0", "Invalid Amount. Max 3 chars.", "1"},
        };
        for (const auto& row : table) {
            QTestData& data = QTest::addRow("%s %s '%s'", row[0], row[1], row[2]);
            for (const char* value : row)
                data << QString::fromUtf8(value);
        }
    }
    void amountBoxShowsTheAmountInForce()
    {
        QFETCH(QString, letter);
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(QString, stake);
        const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(locale));
        BoardRig rig(*Wheel::byLetter(letter.at(0)));
        auto* amount = rig.find<QLineEdit>("tb", "Amount");
        amount->selectAll();
        QTest::keyClicks(amount, typed);
        QCOMPARE(amount->text(), box);
        QCOMPARE(rig.status.last(), status);
        QCOMPARE(SettingsStore(*rig.t.app).wheelSettings(rig.board.wheel())->amount,
                 QLocale().toDouble(box.trimmed()));
        rig.play("10");
        const QString tip = stake == u"0" ? QString() : u"Bet "_s + stake + u" here"_s;
        QCOMPARE(rig.coin("BLACK").section(u'|', 0, 1), stake + u'|' + tip);
    }

    void emptiedAmountBoxKeepsTheAmountInForce()
    {
        BoardRig rig(Wheel::r());
        auto* amount = rig.find<QLineEdit>("tb", "Amount");
        amount->setFocus();
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QString());
        QCOMPARE(amount->placeholderText(), u"10"_s); // shown greyed: still in force
        QCOMPARE(rig.setting("tbRAmount"), u"10"_s);
        rig.play("10");
        QCOMPARE(rig.coin("BLACK").section(u'|', 0, 0), u"10"_s);
        QCOMPARE(amount->text(), u"10"_s); // the spin took the focus: the box shows it again
        amount->setFocus();
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Delete);
        QTest::keyClicks(amount, u"5"_s);
        QCOMPARE(rig.setting("tbRAmount"), u"5"_s);
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Delete);
        QTest::keyClick(amount, Qt::Key_Return); // left empty: the amount in force comes back
        QCOMPARE(amount->text(), u"5"_s);
    }

    void casinoSwitchRedraws()
    {
        BoardRig rig(Wheel::r());
        const qint64 other = rig.t.addCasino(u"Riverside"_s);
        rig.casinos.push_back({other, u"Riverside"_s});
        rig.board.setCasinos(rig.casinos, rig.t.casino);
        rig.play("17 5 17");
        QTest::keyClick(rig.combo(), Qt::Key_Down); // the user picks the next entry
        QCOMPARE(rig.setting("cmbR").toLongLong(), other);
        QCOMPARE(rig.t.app->currentCasino(Wheel::r()).id(), other);
        QVERIFY(rig.coinCells().isEmpty() && rig.history("BLACK").isEmpty());
        QCOMPARE(rig.coin("RED") + rig.ratio("BlackRed"), u"||green0%|red"_s);
        QCOMPARE(rig.status.last(), u"Idle"_s);
        rig.play("5"); // recorded for the new casino only
        QCOMPARE(rig.history("RED") + u'|' + rig.history("BLACK"), u"5|"_s);

        QTest::keyClick(rig.combo(), Qt::Key_Up);
        QCOMPARE(rig.history("BLACK"), u"17,,17"_s);
        QCOMPARE(rig.coinCells(), QStringList{"pbRRED"});
        QCOMPARE(rig.ratio("BlackRed"), u"50%|red"_s);
        // An id the list does not hold selects nothing and changes nothing.
        rig.status.texts.clear();
        rig.board.setCasinos(rig.casinos, 9999);
        QVERIFY(rig.status.texts.isEmpty());
        QCOMPARE(rig.combo()->currentIndex(), -1);
        QCOMPARE(rig.setting("cmbR").toLongLong(), rig.t.casino);
    }

    // Spins recorded behind the board's back, as an import records them:
    // the board then shows what is stored, and nothing of what it showed.
    void showStoredRedrawsFromTheStore()
    {
        BoardRig rig(Wheel::r());
        rig.play("17 5 17"); // advice red
        {
            Transaction tx(rig.t.db);
            const Result<WheelSettings> settings = SettingsStore(*rig.t.app).wheelSettings(Wheel::r());
            SpinRecorder batch(*rig.t.app, Wheel::r(), *settings, SpinRecorder::Tallying::InMemory);
            for (const char* pocket : {"2", "4"})
                batch.record(Wheel::r().pocketIndex(QLatin1String(pocket)),
                             OleStamp::fromDateTime(rig.t.clock.now()));
            batch.finish();
            tx.commit();
        }
        // Blacks were followed by red and by black: the tie goes to black.
        rig.status.texts.clear();
        rig.board.showStored();
        QCOMPARE(rig.coinCells(), QStringList{"pbRBLACK"});
        QCOMPARE(rig.coin("BLACK") + rig.coin("RED"), u"40|Bet 40 here|red||red"_s); // lost twice
        QCOMPARE(rig.ratio("BlackRed"), u"25%|red"_s);
        QCOMPARE(rig.history("BLACK") + u'|' + rig.history("RED"), u"17,,17,2,4|,5"_s);
        QCOMPARE(rig.status.last(), u"Idle"_s);

        // The wheel's casino changed elsewhere: the board follows the store.
        const qint64 other = rig.t.addCasino(u"Riverside"_s);
        rig.casinos.push_back({other, u"Riverside"_s});
        rig.board.setCasinos(rig.casinos, rig.t.casino);
        rig.t.db.prepare("UPDATE ka_app_r_setting SET cmbR = ?1").bind(1, other).run();
        rig.board.showStored();
        QCOMPARE(rig.combo()->currentText(), u"Riverside"_s);
        QCOMPARE(rig.t.app->currentCasino(Wheel::r()).id(), other);
        QVERIFY(rig.coinCells().isEmpty() && rig.history("BLACK").isEmpty());
    }

    // Enter commits the amount, says so, and gives the keys back to the
    // board: the next digits are a pocket, not more of the stake.
    void enterInTheAmountBoxHandsTheKeysBack()
    {
        BoardRig rig(Wheel::r());
        rig.board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.board));
        auto* amount = rig.find<QLineEdit>("tb", "Amount");
        amount->setFocus();
        amount->selectAll();
        QTest::keyClicks(amount, u"5"_s);
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(rig.status.last(), u"Amount set to 5."_s);
        QVERIFY(!amount->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), u"17"_s);
        QCOMPARE(rig.setting("tbRAmount"), u"5"_s);
        QCOMPARE(rig.history("BLACK"), u"17"_s);
        QCOMPARE(rig.coin("BLACK").section(u'|', 0, 0), u"5"_s);
        // Enter again with nothing changed confirms nothing new.
        rig.status.texts.clear();
        amount->setFocus();
        QTest::keyClick(amount, Qt::Key_Return);
        QVERIFY(rig.status.texts.isEmpty());
    }

    // The engine's tests show that nothing is written; here the board draws
    // nothing new: a refused spin leaves it as it was, a failed one shows again
    // what is stored, the advice that still stands.
    void refusedOrFailedSpinShowsWhatIsStored()
    {
        BoardRig rig(Wheel::r());
        rig.play("17");
        const QStringList before = rig.board.cellStates();
        rig.board.setCasinos(rig.casinos, 0); // no casino selected
        rig.status.texts.clear();
        rig.play("5");
        QCOMPARE(rig.status.texts, QStringList({"Analyze '5'..", "Please select a casino from the list."}));
        QCOMPARE(rig.board.cellStates(), before);

        rig.board.setCasinos(rig.casinos, rig.t.casino);
        rig.t.db.exec(
            "CREATE TRIGGER refuse BEFORE INSERT ON ka_app_r_advise BEGIN SELECT RAISE(ABORT, 'full'); END");
        rig.play("5");
        QVERIFY2(rig.status.last().startsWith(u"Unable to continue! Error Code: (playR ldb)"_s),
                 qPrintable(rig.status.last()));
        QCOMPARE(rig.board.cellStates(), before);
        QCOMPARE(rig.coinCells(), QStringList{"pbRBLACK"});
        QCOMPARE(rig.history("BLACK") + u'|' + rig.history("RED"), u"17|"_s);
        QCOMPARE(rig.coin("BLACK"), u"10|Bet 10 here|green"_s);
        QVERIFY(rig.board.isEnabled());
    }

    // The engine's tests judge the groups; here their cells and labels.
    void miniWheelSequence()
    {
        BoardRig rig(Wheel::m());
        rig.find<QCheckBox>("cb", "LowHi")->setChecked(true);
        rig.find<QCheckBox>("cb", "2TO1")->setChecked(true);
        rig.play("5 2 5");
        // 5 (group "M") was followed by 2 (group "L", column 2); "L" won twice by its range 1-6.
        QCOMPARE(rig.coinCells(), QStringList({"pbM1_6", "pbM2TO1R2", "pbMBLACK"}));
        QCOMPARE(rig.picture("1_6"), u"M1_6_COIN"_s);
        QCOMPARE(rig.coin("1_6") + rig.coin("4_9"), u"10|Bet 10 here|green||green"_s);
        QCOMPARE(rig.coin("2TO1R2"), u"40|Bet 40 here|red"_s); // the columns lost both judged advices
        QCOMPARE(rig.history("RED") + u'|' + rig.history("BLACK"), u"5,,5|,2"_s);
        QCOMPARE(rig.ratio("LowHi"), u"100%|green"_s);
        QCOMPARE(rig.ratio("2TO1"), u"0%|red"_s);
    }

    // The board at a page size: its scale, where the content starts and the
    // 17 cell, worked out from the design (673 x 420; the 17 cell at 256, 126,
    // 41 x 33) by hand.
    void scalesWithItsPage_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("cell17");
        // The Amount box's 9 points, 12 pixels, times the scale, in whole pixels.
        QTest::addColumn<int>("amountPixels");
        QTest::newRow("design") << QSize(673, 420) << QSize(673, 420) << 1.0 << QRect(256, 126, 41, 33) << 12;
        QTest::newRow("twice") << QSize(1346, 840) << QSize(1346, 840) << 2.0 << QRect(512, 252, 82, 66)
                               << 24;
        // 600 / 420: 961 wide, centred 192 from the left; 17.14 pixels.
        QTest::newRow("wide") << QSize(1346, 600) << QSize(1346, 600) << 600.0 / 420
                              << QRect(558, 180, 58, 47) << 17;
        QTest::newRow("too small: the minimum")
            << QSize(400, 300) << QSize(539, 336) << 0.8 << QRect(205, 101, 33, 26) << 10;
    }
    void scalesWithItsPage()
    {
        QFETCH(QSize, page);
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QFETCH(QRect, cell17);
        QFETCH(int, amountPixels);
        BoardRig rig(Wheel::r());
        rig.play("17 4");
        const QFont plateFont = rig.find<BadgeLabel>("lbl", "BLACK")->font();
        rig.board.resize(page);
        QCOMPARE(rig.board.size(), size);
        QCOMPARE(rig.cell(u"17"_s)->geometry(), cell17);
        QCOMPARE(QFontInfo(rig.find<QLineEdit>("tb", "Amount")->font()).pixelSize(), amountPixels);
        QCOMPARE(rig.find<BadgeLabel>("lbl", "BLACK")->font().pixelSize(),
                 qRound(plateFont.pixelSize() * scale));
        // The check marks grow with their letters.
        auto* play = rig.find<QCheckBox>("cb", "BlackRed");
        QStyleOptionButton option;
        option.initFrom(play);
        QCOMPARE(play->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, play).width(),
                 qRound(QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth) * scale));
        // The picture is drawn for the cell's size, not stretched.
        QCOMPARE(rig.cell(u"17"_s)->grab().size(), cell17.size());
        for (const QWidget* w : rig.board.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&rig.board))
                continue;
            const QRect onBoard(w->mapTo(&rig.board, QPoint(0, 0)), w->size());
            QVERIFY2(rig.board.rect().contains(onBoard), qPrintable(w->objectName()));
        }
        // The history's labels sit inside the Played frame.
        auto* frame = rig.find<QGroupBox>("frame", "Played");
        QStyleOptionGroupBox box;
        box.initFrom(frame);
        box.text = frame->title();
        box.lineWidth = 1;
        box.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect inside =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxContents, frame);
        const QList<BadgeLabel*> labels = frame->findChildren<BadgeLabel*>();
        QCOMPARE(labels.size(), 42);
        for (const BadgeLabel* l : labels)
            QVERIFY2(inside.contains(l->geometry()), qPrintable(l->objectName()));
    }

    // Stakes far beyond a typed amount, in the locale's groups.
    void stakesAreGrouped()
    {
        const std::tuple<const char*, double, QString> rows[] = {{"en_US", 2045952.0, u"2,045,952"_s},
                                                                 {"de_DE", 2045952.0, u"2.045.952"_s},
                                                                 {"de_DE", 1280.5, u"1.280,5"_s},
                                                                 {"en_US", 640.0, u"640"_s}};
        for (const auto& [locale, stake, shown] : rows)
            QCOMPARE(AmountText::toShown(stake, QLocale(QLatin1String(locale))), shown);
    }

    void amountZeroAsksForABaseStake()
    {
        BoardRig rig(Wheel::r());
        rig.t.db.exec("UPDATE ka_app_r_setting SET tbRAmount = 0");
        rig.board.showStored();
        auto* hint = rig.find<QLabel>("lbl", "StakeHint");
        auto* amount = rig.find<QLineEdit>("tb", "Amount");
        QVERIFY(hint->isVisibleTo(&rig.board));
        QCOMPARE(hint->text(), BoardWidget::StakeHint());
        QCOMPARE_NE(amount->palette().color(QPalette::Base),
                    amount->parentWidget()->palette().color(QPalette::Base));
        rig.play("4");
        QCOMPARE(rig.spins(), 1);
        QCOMPARE(rig.status.last(), BoardWidget::RecordedNoStake());

        amount->selectAll();
        QTest::keyClicks(amount, "5");
        QVERIFY(!hint->isVisibleTo(&rig.board));
        QCOMPARE(amount->palette().color(QPalette::Base),
                 amount->parentWidget()->palette().color(QPalette::Base));
        rig.play("9");
        QCOMPARE(rig.status.last(), u"Idle"_s);
    }

    void keysPlaceholderFollowsTheZeroZeroSwitch_data()
    {
        QTest::addColumn<QString>("wheel");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("R off") << u"R"_s << false << u"0-36"_s;
        QTest::newRow("R on") << u"R"_s << true << u"00, 0-36"_s;
        QTest::newRow("M off") << u"M"_s << false << u"0-12"_s;
        QTest::newRow("M on") << u"M"_s << true << u"00, 0-12"_s;
    }
    void keysPlaceholderFollowsTheZeroZeroSwitch()
    {
        QFETCH(QString, wheel);
        QFETCH(bool, on);
        QFETCH(QString, placeholder);
        BoardRig rig(*Wheel::byLetter(wheel.front()));
        rig.find<QCheckBox>("cb", "00")->setChecked(!on);
        rig.find<QCheckBox>("cb", "00")->setChecked(on);
        auto* field = rig.find<QLineEdit>("tx", "Pocket");
        QCOMPARE(field->placeholderText(), placeholder);
        // Dark on light, whatever the desktop's colours.
        QVERIFY(field->palette().color(QPalette::Base).lightness() > 200);
        QVERIFY(field->palette().color(QPalette::PlaceholderText).lightness() < 120);
    }

    // Alt and a letter reach a control of the board.
    void altKeys_data()
    {
        QTest::addColumn<QString>("wheel");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        const std::tuple<const char*, Qt::Key, const char*> rows[] = {
            {"R", Qt::Key_A, "tbRAmount"},  {"R", Qt::Key_C, "cmbR"},        {"R", Qt::Key_0, "cbR00"},
            {"R", Qt::Key_N, "cbRNumbers"}, {"R", Qt::Key_B, "cbRBlackRed"}, {"R", Qt::Key_E, "cbREvenOdd"},
            {"R", Qt::Key_L, "cbRLowHi"},   {"R", Qt::Key_D, "cbRDozens"},   {"R", Qt::Key_2, "cbR2TO1"},
            {"M", Qt::Key_L, "cbMLowHi"},   {"M", Qt::Key_2, "cbM2TO1"}};
        for (const auto& [wheel, key, focus] : rows)
            QTest::addRow("%s Alt+%c", wheel, char(key)) << QString(wheel) << int(key) << QString(focus);
    }
    void altKeys()
    {
        QFETCH(QString, wheel);
        QFETCH(int, key);
        QFETCH(QString, focus);
        BoardRig rig(*Wheel::byLetter(wheel.front()));
        rig.board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.board));
        rig.find<QWidget>(u"btnUndo"_s + wheel)->setFocus();
        QTest::keyClick(&rig.board, Qt::Key(key), Qt::AltModifier);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), focus);
        // The gold ring shows where the keys go.
        const auto* ring = rig.board.findChild<FocusRing*>();
        QVERIFY(ring->isVisible());
        QVERIFY(ring->geometry().contains(QRect(focused->mapTo(&rig.board, QPoint(0, 0)), focused->size())));
    }

    // Keys and the spins they record: "R+"/"M+" with 00 switched on; the keys go
    // to the board unless a control is named; "k2" is the keypad's 2, "^Z"
    // Ctrl+Z, "00off" switches 00 off; the status only where it matters.
    void keyboardEntry_data()
    {
        for (const char* c : {"wheel", "target", "keys", "played", "field", "status"})
            QTest::addColumn<QString>(c);
        const char* const table[][7] = {
            {"R: 4 at once", "R", "", "4", "4", "", "Idle"},
            {"R: 1 waits", "R", "", "1", "", "1", ""},
            {"R: 1 and 7 make 17", "R", "", "1 7", "17", "", ""},
            {"R: 1 and Enter", "R", "", "1 Enter", "1", "", ""},
            {"R: 37 is no pocket", "R", "", "3 7", "", "", "\"37\" is no pocket of this wheel (0, 1-36)."},
            {"R: 0 waits while 00 is off too", "R", "", "0", "", "0", ""},
            {"R: 0 and Enter while 00 is off", "R", "", "0 Enter", "0", "", ""},
            {"R: 00 while 00 is off is refused", "R", "", "0 0", "", "",
             "00 is switched off for this wheel."},
            {"R: a refusal gives way to Idle after a spin", "R", "", "3 7 4", "4", "", "Idle"},
            {"R: 00", "R+", "", "0 0", "00", "", ""},
            {"R: 00 switched off in between", "R+", "", "0 00off 0", "", "",
             "00 is switched off for this wheel."},
            {"R: Backspace edits", "R", "", "1 Backspace 2 Enter", "2", "", ""},
            {"R: Esc clears, Enter then does nothing", "R", "", "3 Esc Enter", "", "", ""},
            {"R: Ctrl+Z undoes", "R", "", "4 5 ^Z", "4", "", ""},
            {"R: keypad digits", "R", "", "k2 k5", "25", "", ""},
            {"R: focus on a check box", "R", "cbREvenOdd", "2 8", "28", "", ""},
            {"R: the amount box keeps its digits", "R", "tbRAmount", "4 ^Z", "", "", ""},
            {"R: the casino box keeps its digits", "R", "cmbR", "4", "", "", ""},
            {"M: 2 to 9 at once", "M", "", "9 2", "9 2", "", ""},
            {"M: 12 at once", "M", "", "1 2", "12", "", ""},
            {"M: 13 is no pocket", "M+", "", "1 3", "", "",
             "\"13\" is no pocket of this wheel (0, 00, 1-12)."},
            {"M: 00 at once", "M+", "", "0 0", "00", "", ""},
        };
        for (const auto& row : table) {
            QTestData& data = QTest::newRow(row[0]);
            for (int column = 1; column < 7; ++column)
                data << QString::fromUtf8(row[column]);
        }
    }
    void keyboardEntry()
    {
        QFETCH(QString, wheel);
        QFETCH(QString, target);
        QFETCH(QString, keys);
        QFETCH(QString, played);
        QFETCH(QString, field);
        QFETCH(QString, status);
        BoardRig rig(*Wheel::byLetter(wheel.front()));
        auto* zeroSwitch = rig.find<QCheckBox>("cb", "00");
        zeroSwitch->setChecked(wheel.endsWith(u'+'));
        rig.board.activateWindow(); // shortcuts work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(&rig.board));
        QWidget* to = target.isEmpty() ? static_cast<QWidget*>(&rig.board) : rig.find<QWidget>(target);
        to->setFocus();
        for (const QString& k : keys.split(u' ')) {
            if (k == u"00off")
                zeroSwitch->setChecked(false);
            else if (k == u"^Z")
                QTest::keyClick(to, Qt::Key_Z, Qt::ControlModifier);
            else if (k.size() > 2)
                QTest::keyClick(to, k == u"Enter" ? Qt::Key_Return
                                    : k == u"Esc" ? Qt::Key_Escape
                                                  : Qt::Key_Backspace);
            else // a digit, "k" before it on the keypad
                QTest::keyClick(to, Qt::Key(Qt::Key_0 + k.back().digitValue()),
                                k.size() == 2 ? Qt::KeypadModifier : Qt::NoModifier);
        }
        const Result<std::vector<HistoryEntry>> history = rig.engine.history(rig.t.casino);
        QStringList spins;
        for (const HistoryEntry& e : *history)
            spins << e.label;
        QCOMPARE(spins.join(u' '), played);
        QCOMPARE(rig.find<QLineEdit>("tx", "Pocket")->text(), field);
        if (!status.isEmpty())
            QCOMPARE(rig.status.last(), status);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
