#include "board/CellGrid.h"

#include "board/BoardCell.h"
#include "board/BoardGeometry.h"
#include "wheel/Wheel.h"

namespace spinledger {

namespace {
const QString Off = cellStateText(CellState::Off);
const QString Green = cellStateText(CellState::Green);
} // namespace

CellGrid::CellGrid(const Wheel& wheel, QWidget* page, std::function<bool()> zeroZeroOn)
    : m_wheel(wheel), m_zeroZeroOn(std::move(zeroZeroOn))
{
    for (const QString& name : wheel.cellNames()) {
        const bool pocket = wheel.pocketIndex(name.mid(wheel.cellPrefix().size())) >= 0;
        auto* cell = new BoardCell(name, pocket, m_pictures, page);
        cell->setGeometry(BoardGeometry::cellPixels(wheel, name));
        m_cells.insert(name, cell);
        m_order << cell;
        m_entries << name + u':' + Off;
    }
}

QString CellGrid::state(const QString& cellName) const
{
    for (const QString& e : m_entries) {
        if (e.section(u':', 0, 0) == cellName)
            return e.section(u':', 1);
    }
    return {};
}

QString CellGrid::shownState(const QString& cellName, const QString& state) const
{
    return cellName == m_wheel.zeroZeroCell() && !m_zeroZeroOn() ? Green : state;
}

void CellGrid::changePic(const QString& cellName, const QString& state)
{
    BoardCell* c = m_cells.value(cellName);
    if (!c)
        return;
    const QString name = CellPictures::resourceName(cellName, shownState(cellName, state));
    c->showPicture(name);
}

bool CellGrid::storeState(const QString& cellName, CellState state)
{
    for (QString& e : m_entries) {
        if (e.section(u':', 0, 0) == cellName) {
            e = cellName + u':' + cellStateText(state);
            return true;
        }
    }
    return false;
}

void CellGrid::setCellState(const QString& cellName, CellState state)
{
    storeState(cellName, state);
    redraw();
}

void CellGrid::setCellStates(const QStringList& cellNames, CellState state)
{
    for (const QString& name : cellNames)
        storeState(name, state);
    redraw();
}

void CellGrid::resetCells()
{
    const QString zz = m_wheel.zeroZeroCell();
    for (const QString& e : m_entries) {
        const QString name = e.section(u':', 0, 0);
        storeState(name, name == zz && !m_zeroZeroOn() ? CellState::Green : CellState::Off);
    }
    redraw();
}

void CellGrid::redraw()
{
    for (const QString& e : m_entries)
        changePic(e.section(u':', 0, 0), e.section(u':', 1));
}

void CellGrid::hoverCells(const QString& cellName)
{
    for (const QString& e : m_entries) {
        const QString name = e.section(u':', 0, 0);
        changePic(name, name == cellName ? QStringLiteral("ON") : e.section(u':', 1));
    }
}

void CellGrid::press(const QString& cellName)
{
    changePic(cellName, QStringLiteral("CLICK"));
}

} // namespace spinledger
