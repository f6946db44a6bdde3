#pragma once

#include <QWidget>

#include <memory>

class QComboBox;

namespace spinledger {

class AppContext;
class SpinEngine;
class StatusSink;
class Wheel;

// The betting board of one wheel: cells, coin and win ratio labels, history,
// category switches, 00 switch, stake amount, Undo / Reset and the casino
// combo. objectName "boardR" / "boardM".
class BoardWidget : public QWidget
{
    Q_OBJECT
public:
    BoardWidget(AppContext& app, SpinEngine& engine, const Wheel& wheel, StatusSink& status,
                QWidget* parent = nullptr);
    ~BoardWidget() override;

    const Wheel& wheel() const;

    // Every cell "OFF", the 00 cell "GREEN" (its switch is still unchecked),
    // pictures drawn.
    void initCells();
    // Stored settings into the 00 switch, the category boxes and the amount
    // box (their handlers run); the stored casino is remembered.
    void loadSettings();
    // `cmbR` / `cmbM`; the casino list fills it (signals blocked) with
    // text = name, item data = casino id (qint64).
    QComboBox* casinoCombo() const;
    // Selects the entry with that item data and redraws the board for it;
    // nothing when no entry has it.
    void selectCasino(qint64 casinoId);
    // History, every category and the advice display.
    void drawAll();
    // Ends the hover highlight (the tab control was pressed).
    void hoverNone();

private:
    struct Controls;
    std::unique_ptr<Controls> m_c;
};

} // namespace spinledger
