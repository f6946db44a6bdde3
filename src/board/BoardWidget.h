#pragma once

#include "session/SessionStore.h"
#include "session/TableLimits.h"
#include "store/CasinoStore.h"
#include "store/Result.h"
#include "store/SettingsStore.h"
#include "wheel/Wheel.h"

#include <QWidget>

#include <memory>
#include <optional>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace spinledger {

class AppContext;
class BoardScaler;
struct BoardState;
class CurrentCasino;
class CellGrid;
class CoinLabels;
class FocusRing;
class HistoryView;
class PocketEntry;
class SessionLine;
class SleeperMarks;
class SpinEngine;
class StatusSink;
class WinRatioLabel;

// The betting board of one wheel: cells, coin and win ratio labels, history,
// category switches, 00 switch, stake amount, Undo / Reset and the casino
// combo. objectName "boardR" / "boardM".
class BoardWidget : public QWidget
{
    Q_OBJECT
public:
    // Asks for a base stake.
    static QString StakeHint()
    {
        return tr("Type a base stake in Amount: with an amount of 0 no stake stands.");
    }
    // A spin recorded with an amount of 0.
    static QString RecordedNoStake()
    {
        return tr("Spin recorded, but no stake stands while the amount is 0: type a base stake in Amount.");
    }

    BoardWidget(AppContext& app, SpinEngine& engine, const Wheel& wheel, StatusSink& status,
                QWidget* parent = nullptr);
    ~BoardWidget() override;

    const Wheel& wheel() const;

    // Every cell "OFF", the 00 cell "GREEN" (its switch is still unchecked),
    // pictures drawn.
    void initCells();
    // Stored settings into the 00 switch, the category boxes and the amount
    // box (their handlers run); the stored casino becomes the wheel's current
    // casino.
    void loadSettings();
    // Fills the casino combo (`cmbR` / `cmbM`: text = name, item data = id)
    // and shows the selected casino, which the casino list has already made
    // the wheel's current one. Nothing is selected or redrawn for an id that
    // is not in the list.
    void setCasinos(const Casinos& casinos, qint64 selected);
    // The casinos as the combo lists them, for views that offer the same choice.
    QAbstractItemModel* casinoModel() const;
    // Name of the casino the combo shows; empty when none is selected.
    QString casinoName() const;
    // Chooses the casino as the player would in the combo: stored as the
    // wheel's current casino and drawn. Nothing for an id not in the list.
    void chooseCasino(qint64 casinoId);
    // History, every category and the advice display.
    void drawAll();
    // Shows what the store holds, whoever wrote it (an import, a restore, a
    // change of the wheel's casino made elsewhere): the stored switches and
    // amount, the stored casino in the combo, and the board drawn anew from
    // cells all off, so nothing of what it showed before stays lit.
    void showStored();
    // Ends the hover highlight (the tab control was pressed).
    void hoverNone();

    // The cell state list ("pbR17:OFF" ...), in the wheel's cell order.
    QStringList cellStates() const;

    // A new session of this wheel from now on (also the board's "New
    // session" button); the session line starts again from nothing.
    void newSession();
    // A session from the moment on. While the file's check holds the writes
    // it is kept here, counted from the newest spin, and written once the
    // check passed (writeHeldSession). Throws DbError.
    void beginSession(const QDateTime& at);
    void writeHeldSession();
    // Where the board's session starts, held or stored. Throws DbError.
    std::optional<SessionStore::Start> sessionStart();
    // "Spins since last hit" on the cells, hottest and coldest pockets of
    // the newest `window` spins (0: all) marked.
    void showSleepers(bool shown);
    bool sleepersShown() const;
    void setSleeperWindow(qint64 window);

protected:
    void resizeEvent(QResizeEvent* event) override;

signals:
    // A spin, an undo, a re-stake or another casino changed what the
    // wheel's history holds for the player.
    void historyChanged();

private:
    void buildCategoryFrames();
    void buildZeroZeroFrame();
    void buildAmountFrame();
    void buildCasinoFrame();
    void buildUndoButton();
    void connectCells();
    void scaleCheckMarks();

    // User actions; each runs to its end with the window disabled.
    void playPocket(const QString& cellName);
    void undoSpin();
    void restakeAdvice();
    void casinoChosen(int index);
    // The wheel's current casino moved: the combo shows it, the board draws it.
    void followCasino(qint64 casino);
    void showCasino(qint64 casino);
    // The stored switches and amount shown; the stored casino, or none when
    // the settings cannot be read.
    std::optional<qint64> showStoredSettings();
    void categoryToggled(CategoryId category);
    void zeroZeroToggled(bool on);
    void showZeroZero(bool on);
    void amountEdited(const QString& text);
    void amountEntered();
    void confirmAmount();
    void amountRefused(const QString& why);
    void showAmount(const QString& shown);
    void showStoredAmount(const QString& stored);
    // The amount in force as a number; 0 when none can be read.
    double amountInForce() const;
    // Until a base stake is typed, the amount box is marked and a hint asks
    // for it.
    void showStakeNeed();

    // Draws what an operation left; each returns the first failure it met.
    Status draw(const BoardState& state);
    void showCategory(const BoardState& state, CategoryId category);
    void showRatio(CategoryId category, double percent);
    void showCoins(const BoardState& state, const TableLimits& limits);
    Status loadLimits(std::optional<TableLimits>& limits);
    // The session line and the limits it reaches, and the sleepers, which
    // follow every redraw.
    Status showSession(qint64 casino, const TableLimits& limits);
    Status showSleeperMarks(qint64 casino);
    // What the status line says after an operation instead of "Idle".
    QString notices() const;

    int indexOf(qint64 casinoId) const; // combo entry of the casino, -1 when none
    PerCategory<bool> played() const;
    bool zeroZeroOn() const;
    void finish(const Status& outcome);

    AppContext& m_app;
    SpinEngine& m_engine;
    const Wheel& m_wheel;
    StatusSink& m_status;
    SettingsStore m_settings;
    CurrentCasino& m_casino;
    qint64 m_drawnCasino = -1; // the casino the board last drew

    std::unique_ptr<BoardScaler> m_scaler;
    std::unique_ptr<CellGrid> m_grid;
    std::unique_ptr<CoinLabels> m_coins;
    HistoryView* m_history = nullptr;
    PerCategory<QCheckBox*> m_categoryBoxes{};
    PerCategory<WinRatioLabel*> m_ratios{};
    QCheckBox* m_zeroZero = nullptr;
    QLineEdit* m_amount = nullptr;
    QString m_amountShown;        // the text of the amount in force
    QString m_amountConfirmed;    // the amount the status line last confirmed
    bool m_amountRefused = false; // the status line shows why a keystroke was refused
    PocketEntry* m_keys = nullptr;
    QLabel* m_stakeHint = nullptr;
    FocusRing* m_focusRing = nullptr;
    int m_checkMarkSize = 0; // pixels; 0 until the board is first laid out
    QPushButton* m_restake = nullptr;
    QPushButton* m_undo = nullptr;
    QComboBox* m_combo = nullptr;
    bool m_busy = false;

    SessionLine* m_session = nullptr;
    std::optional<QDateTime> m_heldSessionStart;
    std::unique_ptr<SleeperMarks> m_sleepers;
    qint64 m_sleeperWindow = 500;
    QString m_stakeNotice; // a plate above the table maximum
    QString m_limitNotice; // stop-loss or target reached, said once
    bool m_saidStopLoss = false;
    bool m_saidTarget = false;
};

} // namespace spinledger
