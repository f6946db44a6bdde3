#pragma once

#include "board/CellPictures.h"
#include "board/CellState.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace spinledger {

class BoardCell;
class Wheel;

// The cells of one board and their stored states (the RCells / MCells list:
// entries "pbR17:OFF", in the wheel's cell order). Stored states are "OFF",
// "COIN" and "GREEN"; "ON" and "CLICK" are only shown.
class CellGrid
{
public:
    // zeroZeroOn tells whether the 00 pocket is played; while it is not, the
    // 00 cell always shows its "GREEN" picture.
    CellGrid(const Wheel& wheel, QWidget* page, std::function<bool()> zeroZeroOn);

    QStringList entries() const;
    // The stored state's text ("COIN"); empty for a name that is no cell.
    QString state(const QString& cellName) const;
    BoardCell* cell(const QString& cellName) const;
    const QList<BoardCell*>& cells() const { return m_order; }

    void setCellState(const QString& cellName, CellState state);
    // Several states stored at once, then one redraw.
    void setCellStates(const QStringList& cellNames, CellState state);
    void resetCells();
    void hoverCells(const QString& cellName);
    void press(const QString& cellName);
    void redraw();

private:
    qsizetype indexOf(const QString& cellName) const;
    bool greenZeroZero(qsizetype index) const;
    void show(qsizetype index, CellPictures::Look look);

    const Wheel& m_wheel;
    std::function<bool()> m_zeroZeroOn;
    CellPictures m_pictures;
    QList<BoardCell*> m_order;         // in the wheel's cell order
    QHash<QString, qsizetype> m_index; // a cell's place in m_order
    std::vector<CellState> m_states;   // in the order of m_order
};

} // namespace spinledger
