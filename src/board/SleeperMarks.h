#pragma once

#include "session/Sleepers.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

namespace spinledger {

class BadgeLabel;
class CellGrid;

// "Spins since last hit" on the board: a small plate on every pocket and
// outside cell (`slpR17`, `slpRBLACK`) with how many spins ago it last came,
// the hottest and coldest pockets of the window marked (property "sleeper":
// "hot" / "cold"), and the cell's tool tip with its count, the count a fair
// wheel gives and the chance of a gap this long.
class SleeperMarks
{
    Q_DECLARE_TR_FUNCTIONS(SleeperMarks)

public:
    SleeperMarks(const Wheel& wheel, CellGrid& grid);

    void show(const Sleepers& sleepers, qint64 window);
    void hide();
    bool isShown() const { return m_shown; }

    static QString toolTip(const QString& name, const Sleepers::Figure& figure, qint64 inWindow,
                           qint64 window, qint64 spins);
    static QString NotDue() { return tr("a long gap does not make a pocket due"); }

private:
    BadgeLabel* plate(const QString& cellName);

    const Wheel& m_wheel;
    CellGrid& m_grid;
    QHash<QString, BadgeLabel*> m_plates;
    bool m_shown = false;
};

} // namespace spinledger
