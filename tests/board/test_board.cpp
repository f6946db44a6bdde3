#include "BoardRig.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>

using namespace spinledger;
using namespace spinledger::test;

namespace {

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);

QString cellState(BoardRig& rig, const QString& suffix)
{
    const QString name = QStringLiteral("pb") + rig.letter() + suffix;
    for (const QString& e : rig.board.cellStates()) {
        if (e.section(u':', 0, 0) == name)
            return e.section(u':', 1);
    }
    return {};
}

QStringList coinCells(BoardRig& rig)
{
    QStringList cells;
    for (const QString& e : rig.board.cellStates()) {
        if (e.endsWith(QStringLiteral(":COIN")))
            cells << e.section(u':', 0, 0);
    }
    return cells;
}

QString setting(BoardRig& rig, const QString& column)
{
    return *SettingsStore(*rig.t.app).getSetting(rig.board.wheel().settingsTable(), column);
}

// Records whether the window could take input at every status text.
class LockWatch : public StatusSink
{
public:
    explicit LockWatch(FakeStatus& inner) : m_inner(inner) {}
    void setStatus(const QString& text, bool busy) override
    {
        m_inner.setStatus(text, busy);
        enabled << (board && board->window()->isEnabled());
    }
    QWidget* board = nullptr;
    QList<bool> enabled;

private:
    FakeStatus& m_inner;
};

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void loadsStoredSettingsAndDrawsEmptyBoard();
    void playedSequenceShowsAdviceRatiosAndHistory();
    void columnsAndDozensRepeatTheStakeWithTwoDecimals();
    void historyLabelsSitInsideThePlayedFrame();
    void historyKeepsTheLatestFourteen();
    void undoWalksBackOneSpinAtATime();
    void resetPutsStakesBackToTheAmount();
    void zeroZeroSwitch();
    void categoryBoxes();
    void amountBoxShowsTheAmountInForce_data();
    void amountBoxShowsTheAmountInForce();
    void casinoSwitchRedraws();
    void refusedSpinDrawsNothing();
    void windowIsLockedWhileASpinRuns();
    void miniWheelSequence();
    void grabBoards();
};

void TestBoard::loadsStoredSettingsAndDrawsEmptyBoard()
{
    BoardRig rig(Wheel::r());
    QVERIFY(rig.find<QCheckBox>("cbRBlackRed")->isChecked());
    QVERIFY(!rig.find<QCheckBox>("cbREvenOdd")->isChecked());
    QVERIFY(!rig.find<QCheckBox>("cbR00")->isChecked());
    QCOMPARE(rig.find<QLineEdit>("tbRAmount")->text(), QStringLiteral("10"));
    QCOMPARE(rig.board.cellStates().size(), 50);
    QCOMPARE(rig.board.cellStates().first(), QStringLiteral("pbRBLACK:OFF"));
    QCOMPARE(rig.picture("00"), QStringLiteral("R00_GREEN"));
    QCOMPARE(rig.picture("17"), QStringLiteral("R17_OFF"));
    QCOMPARE(rig.picture("1_18"), QStringLiteral("R1_18_OFF"));
    QVERIFY(!rig.cell("00")->isEnabled());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("0%"));
    QCOMPARE(rig.find<QCheckBox>("cbRDozens")->toolTip(), QStringLiteral("Display Dozens"));
    QCOMPARE(rig.find<QLineEdit>("tbRAmount")->toolTip(), QStringLiteral("Amount/Coins you bet"));
    QCOMPARE(rig.find<QPushButton>("btnUndoR")->text(), QStringLiteral("UNDO"));
    QCOMPARE(rig.find<QPushButton>("btnAmountResetR")->text(), QStringLiteral("Reset"));
    QVERIFY(rig.coin("BLACK")->text().isEmpty());
    QCOMPARE(rig.coin("BLACK")->textColour(), Green);
    // Before any drawing: "0 / 0", with a tool tip on the R board only; the
    // M board has no Dozens at all.
    SpinEngine engine(*rig.t.app, Wheel::m());
    BoardWidget fresh(*rig.t.app, engine, Wheel::m(), rig.status);
    const auto* ratio = fresh.findChild<WinRatioLabel*>("lblMNumbersWin");
    QCOMPARE(ratio->text(), QStringLiteral("0 / 0"));
    QVERIFY(ratio->toolTip().isEmpty());
    QVERIFY(!fresh.findChild<QCheckBox*>("cbMDozens"));
    QCOMPARE(fresh.findChild<QCheckBox*>("cbM00")->toolTip(), QStringLiteral("Enable 00 Miniroulette"));
    SpinEngine rEngine(*rig.t.app, Wheel::r());
    BoardWidget freshR(*rig.t.app, rEngine, Wheel::r(), rig.status);
    QCOMPARE(freshR.findChild<WinRatioLabel*>("lblRDozensWin")->toolTip(), QStringLiteral("Win Ratio (%)"));
}

void TestBoard::playedSequenceShowsAdviceRatiosAndHistory()
{
    BoardRig rig(Wheel::r());
    // Black/Red played, amount 10; ties pick the first value (black).
    rig.play("17");
    QCOMPARE(rig.status.texts, QStringList({"Analyze '17'..", "Idle"}));
    QCOMPARE(coinCells(rig), QStringList{"pbRBLACK"});
    QCOMPARE(rig.picture("BLACK"), QStringLiteral("RBLACK_COIN"));
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("20"));
    QCOMPARE(rig.coin("BLACK")->toolTip(), QStringLiteral("Bet 20 here"));
    QCOMPARE(rig.coin("BLACK")->textColour(), Red);
    QVERIFY(rig.coin("RED")->text().isEmpty());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("0%"));
    QCOMPARE(rig.ratio("BlackRed")->textColour(), Red);

    rig.play("5");
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("40"));

    rig.play("17"); // black won; 17 was followed by red once
    QCOMPARE(coinCells(rig), QStringList{"pbRRED"});
    QCOMPARE(rig.coin("RED")->text(), QStringLiteral("10"));
    QCOMPARE(rig.coin("RED")->textColour(), Green);
    QCOMPARE(rig.coin("RED")->toolTip(), QStringLiteral("Bet 10 here"));
    // The label that lost the advice advises nothing, not even in its tool tip.
    QVERIFY(rig.coin("BLACK")->text().isEmpty());
    QVERIFY(rig.coin("BLACK")->toolTip().isEmpty());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("33.33%"));

    rig.playAll({"36", "26"});
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("60%"));
    QCOMPARE(rig.ratio("BlackRed")->textColour(), Green);
    QCOMPARE(rig.ratio("BlackRed")->toolTip(), QStringLiteral("Black/Red Win Ratio is 60%"));
    QCOMPARE(rig.picture("RED"), QStringLiteral("RRED_COIN"));
    QCOMPARE(rig.picture("26"), QStringLiteral("R26_OFF"));

    const QStringList black = {"17", "", "17", "", "26", ""};
    const QStringList red = {"", "5", "", "36", "", ""};
    for (int row = 0; row < black.size(); ++row) {
        QCOMPARE(rig.history("BLACK", row), black[row]);
        QCOMPARE(rig.history("RED", row), red[row]);
        QVERIFY(rig.history("GREEN", row).isEmpty());
    }
    QCOMPARE(rig.find<QGroupBox>("frameRPlayed")->title(), QStringLiteral("Played"));
}

void TestBoard::columnsAndDozensRepeatTheStakeWithTwoDecimals()
{
    BoardRig rig(Wheel::r());
    rig.find<QCheckBox>("cbR2TO1")->setChecked(true);
    rig.find<QCheckBox>("cbRDozens")->setChecked(true);
    rig.find<QCheckBox>("cbRBlackRed")->setChecked(false);
    rig.play("0"); // the empty advice "equals" the empty fields of 0: won
    QCOMPARE(rig.coin("2TO1R1")->text(), QStringLiteral("10"));
    QCOMPARE(rig.coin("2TO1R1")->toolTip(), QStringLiteral("Bet 10 here"));
    QCOMPARE(rig.coin("1ST12")->toolTip(), QStringLiteral("Bet 10 here"));
    QCOMPARE(rig.history("GREEN", 0), QStringLiteral("0"));
    // Black/Red is not played: stake kept, nothing shown.
    QVERIFY(rig.coin("BLACK")->text().isEmpty() && rig.coin("RED")->text().isEmpty());
    QCOMPARE(rig.coin("BLACK")->textColour(), Red);
    QCOMPARE(coinCells(rig), QStringList({"pbR1ST12", "pbR2TO1R1"}));
}

void TestBoard::historyLabelsSitInsideThePlayedFrame()
{
    BoardRig rig(Wheel::r());
    auto* frame = rig.find<QGroupBox>("frameRPlayed");
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect inside =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
    const QList<BadgeLabel*> labels = frame->findChildren<BadgeLabel*>();
    QCOMPARE(labels.size(), 42);
    for (const BadgeLabel* l : labels)
        QVERIFY2(inside.contains(l->geometry()), qPrintable(l->objectName()));
}

void TestBoard::historyKeepsTheLatestFourteen()
{
    BoardRig rig(Wheel::m());
    const QStringList spins = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "0", "1", "2"};
    rig.playAll(spins);
    // 15 spins: the first is skipped, the second heads the list.
    QCOMPARE(rig.history("BLACK", 0), QStringLiteral("2"));
    QCOMPARE(rig.history("RED", 1), QStringLiteral("3"));
    QCOMPARE(rig.history("GREEN", 11), QStringLiteral("0"));
    QCOMPARE(rig.history("BLACK", 13), QStringLiteral("2"));
    QCOMPARE(rig.history("RED", 12), QStringLiteral("1"));
}

void TestBoard::undoWalksBackOneSpinAtATime()
{
    BoardRig rig(Wheel::r());
    rig.playAll({"17", "5", "17", "36"});
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("50%"));
    rig.status.texts.clear();
    // Tallies that went missing are recounted first, and the player is told.
    rig.t.db.exec("DELETE FROM ka_app_r_tally");
    QTest::mouseClick(rig.find<QPushButton>("btnUndoR"), Qt::LeftButton);
    QCOMPARE(rig.status.texts,
             QStringList({"Please wait..", "Recounting the casino's history, please Wait ....", "Idle"}));
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_r"), 3);
    QVERIFY(rig.history("RED", 3).isEmpty());
    QCOMPARE(rig.history("BLACK", 2), QStringLiteral("17"));
    // The advice of the third spin is current again, with its ratios.
    QCOMPARE(coinCells(rig), QStringList{"pbRRED"});
    QCOMPARE(rig.coin("RED")->text(), QStringLiteral("10"));
    QVERIFY(rig.coin("BLACK")->text().isEmpty());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("33.33%"));

    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(rig.find<QPushButton>("btnUndoR"), Qt::LeftButton);
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_r"), 0);
    QCOMPARE(rig.status.last(), QStringLiteral("Idle"));
    QVERIFY(coinCells(rig).isEmpty());
    QVERIFY(rig.history("BLACK", 0).isEmpty());
    QVERIFY(rig.coin("RED")->text().isEmpty());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("0%"));
    QVERIFY(rig.board.isEnabled());
}

void TestBoard::resetPutsStakesBackToTheAmount()
{
    BoardRig rig(Wheel::r());
    rig.playAll({"17", "5"});
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("40"));
    QLineEdit* amount = rig.find<QLineEdit>("tbRAmount");
    amount->selectAll();
    QTest::keyClicks(amount, "5");
    rig.status.texts.clear();
    QTest::mouseClick(rig.find<QPushButton>("btnAmountResetR"), Qt::LeftButton);
    QCOMPARE(rig.status.texts, QStringList({"Please wait..", "Idle"}));
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("5"));
    QCOMPARE(rig.coin("BLACK")->textColour(), Green);
    QCOMPARE(rig.coin("RED")->textColour(), Green);
    QCOMPARE(rig.coin("BLACK")->toolTip(), QStringLiteral("Bet 5 here"));
    // Black lost again: the progression restarts from 5.
    rig.play("5");
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("10"));
    QCOMPARE(rig.coin("BLACK")->textColour(), Red);
}

void TestBoard::zeroZeroSwitch()
{
    BoardRig rig(Wheel::r());
    // Off: green, not clickable.
    QTest::mouseClick(rig.cell("00"), Qt::LeftButton);
    QVERIFY(rig.status.texts.isEmpty());
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_r"), 0);

    auto* zz = rig.find<QCheckBox>("cbR00");
    QTest::mouseClick(zz, Qt::LeftButton);
    QCOMPARE(setting(rig, "cbR00"), QStringLiteral("1"));
    QCOMPARE(rig.picture("00"), QStringLiteral("R00_OFF"));
    QVERIFY(rig.cell("00")->isEnabled());
    rig.play("00");
    QCOMPARE(rig.history("GREEN", 0), QStringLiteral("00"));

    // A coin on 00 is kept but shown green while 00 is off.
    rig.find<QCheckBox>("cbRNumbers")->setChecked(true);
    rig.playAll({"00", "00"}); // 00 has been followed by 00: Numbers advises 00
    QCOMPARE(cellState(rig, "00"), QStringLiteral("COIN"));
    QCOMPARE(rig.picture("00"), QStringLiteral("R00_COIN"));
    QStringList others = rig.board.cellStates();
    others.removeAll(QStringLiteral("pbR00:COIN"));
    QTest::mouseClick(zz, Qt::LeftButton);
    QCOMPARE(setting(rig, "cbR00"), QStringLiteral("0"));
    QCOMPARE(cellState(rig, "00"), QStringLiteral("GREEN"));
    QCOMPARE(rig.picture("00"), QStringLiteral("R00_GREEN"));
    QStringList after = rig.board.cellStates();
    after.removeAll(QStringLiteral("pbR00:GREEN"));
    QCOMPARE(after, others); // no other cell changes
    QVERIFY(!rig.cell("00")->isEnabled());
    // Hovering never lights it up.
    rig.board.hoverNone();
    QCOMPARE(rig.picture("00"), QStringLiteral("R00_GREEN"));
}

void TestBoard::categoryBoxes()
{
    BoardRig rig(Wheel::r());
    rig.playAll({"17", "5"});
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("40"));
    // A stake changed behind the board's back shows who redraws the labels.
    rig.t.db.exec("UPDATE ka_app_r_advise SET ka_app_r_advise_blackred_coins = '80'");
    rig.status.texts.clear();

    QTest::mouseClick(rig.find<QCheckBox>("cbRNumbers"), Qt::LeftButton);
    QCOMPARE(setting(rig, "cbRNumbers"), QStringLiteral("1"));
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("40")); // Numbers leaves the coin labels alone
    QCOMPARE(coinCells(rig).size(), 2);                        // ... but marks its number
    QCOMPARE(rig.ratio("Numbers")->text(), QStringLiteral("0%"));

    QTest::mouseClick(rig.find<QCheckBox>("cbREvenOdd"), Qt::LeftButton);
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("80"));
    QCOMPARE(cellState(rig, "EVEN"), QStringLiteral("COIN"));
    QVERIFY(!rig.coin("EVEN")->text().isEmpty());

    QTest::mouseClick(rig.find<QCheckBox>("cbRBlackRed"), Qt::LeftButton);
    QCOMPARE(setting(rig, "cbRBlackRed"), QStringLiteral("0"));
    QCOMPARE(cellState(rig, "BLACK"), QStringLiteral("OFF"));
    QVERIFY(rig.coin("BLACK")->text().isEmpty());
    QVERIFY(rig.coin("BLACK")->toolTip().isEmpty());
    QCOMPARE(rig.coin("BLACK")->textColour(), Red); // colours follow the stake, played or not
    QTest::mouseClick(rig.find<QCheckBox>("cbRBlackRed"), Qt::LeftButton);
    QCOMPARE(cellState(rig, "BLACK"), QStringLiteral("COIN"));
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("80"));
    QVERIFY2(rig.status.texts.isEmpty(), qPrintable(rig.status.texts.join(u'|')));
    QVERIFY(rig.board.isEnabled());
}

// Typed over the selected amount 10, keystroke by keystroke: a refused
// keystroke never enters the box, so the box, the stored amount and the
// stakes always agree, and a valid entry clears the refusal's message.
void TestBoard::amountBoxShowsTheAmountInForce_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("status"); // the last one written, if any
    QTest::addColumn<QString>("stake");  // the coin label after a lost first spin
    const QString numbers = QStringLiteral("Please enter numbers only.");
    QTest::newRow("plain") << "R"
                           << "en_US"
                           << "5"
                           << "5"
                           << ""
                           << "10";
    QTest::newRow("grouping") << "R"
                              << "en_US"
                              << "1,5"
                              << "15"
                              << "Idle"
                              << "30";
    QTest::newRow("exponent") << "R"
                              << "en_US"
                              << "1e3"
                              << "13"
                              << "Idle"
                              << "26";
    QTest::newRow("too long") << "R"
                              << "en_US"
                              << "12345"
                              << "123"
                              << "Invalid Amount. Max 3 chars."
                              << "246";
    QTest::newRow("sign") << "R"
                          << "en_US"
                          << "-1"
                          << "1"
                          << "Idle"
                          << "2";
    QTest::newRow("letters") << "R"
                             << "en_US"
                             << "abc"
                             << "10" << numbers << "20";
    QTest::newRow("blanks") << "R"
                            << "en_US"
                            << " 7 "
                            << "7 "
                            << "Idle"
                            << "14";
    QTest::newRow("fraction") << "M"
                              << "en_US"
                              << "0.7"
                              << "0.7"
                              << ""
                              << "1.4";
    QTest::newRow("zero") << "M"
                          << "en_US"
                          << "0"
                          << "0"
                          << ""
                          << "0";
    QTest::newRow("german comma") << "R"
                                  << "de_DE"
                                  << "0,7"
                                  << "0,7"
                                  << ""
                                  << "1,4";
    QTest::newRow("german point") << "M"
                                  << "de_DE"
                                  << "2.5"
                                  << "25"
                                  << "Idle"
                                  << "50";
}

void TestBoard::amountBoxShowsTheAmountInForce()
{
    QFETCH(QString, letter);
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, box);
    QFETCH(QString, status);
    QFETCH(QString, stake);
    struct LocaleScope
    {
        const QLocale before;
        explicit LocaleScope(const QString& name) { QLocale::setDefault(QLocale(name)); }
        ~LocaleScope() { QLocale::setDefault(before); }
    } scope(locale);
    {
        BoardRig rig(*Wheel::byLetter(letter.at(0)));
        QLineEdit* amount = rig.find<QLineEdit>(QStringLiteral("tb") + letter + QStringLiteral("Amount"));
        amount->selectAll();
        QTest::keyClicks(amount, typed);
        QCOMPARE(amount->text(), box);
        QCOMPARE(rig.status.last(), status);
        QCOMPARE(SettingsStore(*rig.t.app).wheelSettings(rig.board.wheel())->amount,
                 QLocale().toDouble(box.trimmed()));
        rig.play(QStringLiteral("10"));
        QCOMPARE(rig.coin("BLACK")->text(), stake);
        QCOMPARE(rig.coin("BLACK")->toolTip(),
                 stake == u"0" ? QString() : QStringLiteral("Bet ") + stake + QStringLiteral(" here"));
    }
}

void TestBoard::casinoSwitchRedraws()
{
    BoardRig rig(Wheel::r());
    const qint64 other = rig.t.addCasino(QStringLiteral("Riverside"));
    rig.casinos.push_back({other, QStringLiteral("Riverside")});
    rig.board.setCasinos(rig.casinos, rig.t.casino);
    rig.playAll({"17", "5", "17"});
    QComboBox* combo = rig.combo();
    QTest::keyClick(combo, Qt::Key_Down); // the user picks the next entry
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(setting(rig, "cmbR"), QString::number(other));
    QCOMPARE(rig.t.app->currentCmbR, other);
    QVERIFY(coinCells(rig).isEmpty());
    QVERIFY(rig.history("BLACK", 0).isEmpty());
    QVERIFY(rig.coin("RED")->text().isEmpty());
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("0%"));
    QCOMPARE(rig.status.last(), QStringLiteral("Idle"));
    rig.play("5"); // recorded for the new casino only
    QCOMPARE(rig.history("RED", 0), QStringLiteral("5"));
    QVERIFY(rig.history("BLACK", 0).isEmpty());

    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(rig.history("BLACK", 2), QStringLiteral("17"));
    QCOMPARE(coinCells(rig), QStringList{"pbRRED"});
    QCOMPARE(rig.ratio("BlackRed")->text(), QStringLiteral("33.33%"));
    // An id the combo does not hold changes nothing.
    rig.status.texts.clear();
    rig.board.setCasinos(rig.casinos, 9999);
    QVERIFY(rig.status.texts.isEmpty());
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(setting(rig, "cmbR"), QString::number(rig.t.casino));
}

void TestBoard::refusedSpinDrawsNothing()
{
    BoardRig rig(Wheel::r());
    rig.play("17");
    const QStringList before = rig.board.cellStates();
    {
        const QSignalBlocker block(rig.combo());
        rig.combo()->setCurrentIndex(-1);
    }
    rig.status.texts.clear();
    rig.play("5");
    QCOMPARE(rig.status.texts, QStringList({"Analyze '5'..", "Please select a casino from the list."}));
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_r"), 1);
    QCOMPARE(rig.board.cellStates(), before);

    rig.board.setCasinos(rig.casinos, rig.t.casino);
    // The advice is the last row a spin writes; everything before it must go too.
    rig.t.db.exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON ka_app_r_advise BEGIN SELECT RAISE(ABORT, 'full'); END");
    rig.status.texts.clear();
    rig.play("5");
    QCOMPARE(rig.status.last(), QStringLiteral("Unable to continue! Error Code: (playR ldb)"));
    QVERIFY(coinCells(rig).isEmpty());
    QVERIFY(rig.history("RED", 1).isEmpty());
    QCOMPARE(rig.coin("BLACK")->text(), QStringLiteral("20")); // the labels were not redrawn
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_r"), 1);
    QVERIFY(rig.board.isEnabled());
}

void TestBoard::windowIsLockedWhileASpinRuns()
{
    TestDb t;
    FakeStatus inner;
    LockWatch watch(inner);
    SpinEngine engine(*t.app, Wheel::r());
    QWidget window;
    auto* board = new BoardWidget(*t.app, engine, Wheel::r(), watch, &window);
    watch.board = board;
    board->initCells();
    board->loadSettings();
    board->setCasinos({{t.casino, QStringLiteral("Demo Casino")}}, t.casino);
    window.show();
    watch.enabled.clear();
    QTest::mouseClick(board->findChild<BoardCell*>("pbR17"), Qt::LeftButton);
    QCOMPARE(inner.texts.mid(inner.texts.size() - 2), QStringList({"Analyze '17'..", "Idle"}));
    QCOMPARE(watch.enabled, QList<bool>({false, false}));
    QVERIFY(window.isEnabled());
}

void TestBoard::miniWheelSequence()
{
    BoardRig rig(Wheel::m());
    rig.find<QCheckBox>("cbMLowHi")->setChecked(true);
    rig.find<QCheckBox>("cbM2TO1")->setChecked(true);
    rig.playAll({"5", "2", "5"});
    // 5 (group "M") was followed by 2 (group "L", column 2).
    QCOMPARE(cellState(rig, "1_6"), QStringLiteral("COIN"));
    QCOMPARE(rig.picture("1_6"), QStringLiteral("M1_6_COIN"));
    // Group "L" won twice by its range 1-6 (2 and 5): base stake.
    QCOMPARE(rig.coin("1_6")->text(), QStringLiteral("10"));
    QCOMPARE(rig.coin("1_6")->toolTip(), QStringLiteral("Bet 10 here"));
    QCOMPARE(rig.coin("1_6")->textColour(), Green);
    QVERIFY(rig.coin("4_9")->text().isEmpty() && rig.coin("7_12")->text().isEmpty());
    // The columns lost three times: 20, 40, 80.
    QCOMPARE(cellState(rig, "2TO1R2"), QStringLiteral("COIN"));
    QCOMPARE(rig.coin("2TO1R2")->text(), QStringLiteral("80"));
    QCOMPARE(rig.coin("2TO1R2")->toolTip(), QStringLiteral("Bet 80 here"));
    QCOMPARE(rig.coin("2TO1R2")->textColour(), Red);
    QCOMPARE(rig.history("RED", 0), QStringLiteral("5"));
    QCOMPARE(rig.history("BLACK", 1), QStringLiteral("2"));
    QCOMPARE(rig.history("RED", 2), QStringLiteral("5"));
    QVERIFY(!rig.ratio("LowHi")->text().isEmpty());
    QTest::mouseClick(rig.find<QPushButton>("btnUndoM"), Qt::LeftButton);
    QCOMPARE(rig.t.scalar("SELECT COUNT(*) FROM ka_app_m"), 2);
    QVERIFY(rig.history("RED", 2).isEmpty());
}

// Every picture, label and frame of a busy board drawn into a file.
void TestBoard::grabBoards()
{
    QTemporaryDir dir;
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        BoardRig rig(*w);
        for (const char* c : {"EvenOdd", "LowHi", "2TO1", "Numbers"})
            rig.find<QCheckBox>(QStringLiteral("cb") + rig.letter() + QLatin1String(c))->setChecked(true);
        if (w->has(CategoryId::Dozens))
            rig.find<QCheckBox>(QStringLiteral("cbRDozens"))->setChecked(true);
        rig.playAll({"5", "8", "11", "2", "5", "8", "0", "7", "12", "3"});
        QVERIFY(!coinCells(rig).isEmpty());
        QTest::mouseMove(rig.cell("4"));
        QTest::mousePress(rig.cell("10"), Qt::LeftButton);
        const QString file = dir.filePath(QStringLiteral("board_%1.png").arg(rig.letter()));
        QVERIFY(rig.board.grab().save(file));
        QCOMPARE(QImage(file).size(), rig.board.size());
    }
}

QTEST_MAIN(TestBoard)
#include "test_board.moc"
