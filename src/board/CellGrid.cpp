#include "board/CellGrid.h"

#include "board/BoardCell.h"
#include "board/BoardGeometry.h"
#include "wheel/Wheel.h"

namespace spinledger {

namespace {

using Look = CellPictures::Look;

Look lookOf(CellState state)
{
    switch (state) {
    case CellState::Coin:
        return Look::Coin;
    case CellState::Green:
        return Look::Green;
    case CellState::Off:
        break;
    }
    return Look::Off;
}

} // namespace

CellGrid::CellGrid(const Wheel& wheel, QWidget* page, std::function<bool()> zeroZeroOn)
    : m_wheel(wheel), m_zeroZeroOn(std::move(zeroZeroOn))
{
    for (const QString& name : wheel.cellNames()) {
        auto* cell = new BoardCell(wheel, name, m_pictures, page);
        cell->setGeometry(BoardGeometry::cellPixels(wheel, name));
        m_index.insert(name, m_order.size());
        m_order << cell;
    }
    m_states.assign(size_t(m_order.size()), CellState::Off);
}

QStringList CellGrid::entries() const
{
    QStringList out;
    out.reserve(m_order.size());
    for (qsizetype i = 0; i < m_order.size(); ++i)
        out << m_order[i]->cellName() + u':' + cellStateText(m_states[size_t(i)]);
    return out;
}

QString CellGrid::state(const QString& cellName) const
{
    const qsizetype i = indexOf(cellName);
    return i < 0 ? QString() : cellStateText(m_states[size_t(i)]);
}

BoardCell* CellGrid::cell(const QString& cellName) const
{
    const qsizetype i = indexOf(cellName);
    return i < 0 ? nullptr : m_order[i];
}

qsizetype CellGrid::indexOf(const QString& cellName) const
{
    return m_index.value(cellName, -1);
}

// The 00 cell is green while the 00 pocket is not played.
bool CellGrid::greenZeroZero(qsizetype index) const
{
    return m_order[index]->cellName() == m_wheel.zeroZeroCell() && !m_zeroZeroOn();
}

// Whatever else the 00 cell is asked to show, it stays green then.
void CellGrid::show(qsizetype index, Look look)
{
    m_order[index]->showLook(greenZeroZero(index) ? Look::Green : look);
}

void CellGrid::setCellState(const QString& cellName, CellState state)
{
    setCellStates({cellName}, state);
}

void CellGrid::setCellStates(const QStringList& cellNames, CellState state)
{
    for (const QString& name : cellNames) {
        if (const qsizetype i = indexOf(name); i >= 0)
            m_states[size_t(i)] = state;
    }
    redraw();
}

void CellGrid::resetCells()
{
    for (qsizetype i = 0; i < m_order.size(); ++i)
        m_states[size_t(i)] = greenZeroZero(i) ? CellState::Green : CellState::Off;
    redraw();
}

void CellGrid::redraw()
{
    for (qsizetype i = 0; i < m_order.size(); ++i)
        show(i, lookOf(m_states[size_t(i)]));
}

void CellGrid::hoverCells(const QString& cellName)
{
    for (qsizetype i = 0; i < m_order.size(); ++i)
        show(i, m_order[i]->cellName() == cellName ? Look::On : lookOf(m_states[size_t(i)]));
}

void CellGrid::press(const QString& cellName)
{
    if (const qsizetype i = indexOf(cellName); i >= 0)
        show(i, Look::Click);
}

} // namespace spinledger
