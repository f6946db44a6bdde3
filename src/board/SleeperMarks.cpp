#include "board/SleeperMarks.h"

#include "board/BadgeLabel.h"
#include "board/BoardCell.h"
#include "board/CellGrid.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace spinledger {

namespace {

const QColor Plain(255, 255, 250, 220);
const QColor Hot(255, 170, 60);
const QColor Cold(150, 200, 255);

QString percent(double chance)
{
    return QLocale().toString(chance * 100, 'f', 1) + u'%';
}

// The name of a cell as the player reads it: "17", "BLACK", "1_18" → "1-18".
QString shownName(const Wheel& wheel, const QString& cellName)
{
    return wheel.cellSuffix(cellName).replace(u'_', u'-');
}

bool among(const std::vector<QString>& cells, const QString& cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

} // namespace

SleeperMarks::SleeperMarks(const Wheel& wheel, CellGrid& grid) : m_wheel(wheel), m_grid(grid) {}

BadgeLabel* SleeperMarks::plate(const QString& cellName)
{
    if (BadgeLabel* existing = m_plates.value(cellName))
        return existing;
    BoardCell* cell = m_grid.cell(cellName);
    if (!cell)
        return nullptr;
    auto* p = new BadgeLabel(cell);
    p->setObjectName(QStringLiteral("slp") + cellName.mid(2));
    // Clicks and the pointer belong to the cell underneath.
    p->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = p->font();
    f.setPixelSize(9);
    f.setBold(true);
    p->setFont(f);
    p->setAlignment(Qt::AlignCenter);
    p->setTextColour(Qt::black);
    m_plates.insert(cellName, p);
    return p;
}

QString SleeperMarks::toolTip(const QString& name, const Sleepers::Figure& f, qint64 inWindow, qint64 window,
                              qint64 spins)
{
    const QLocale locale;
    QStringList lines;
    if (f.gap)
        lines << tr("%1 last came %2 spins ago.").arg(name, locale.toString(*f.gap));
    else
        lines << tr("%1 has not come in the %2 spins recorded.").arg(name, locale.toString(spins));
    const QString stretch = window > 0 ? tr("the last %1 spins").arg(locale.toString(inWindow))
                                       : tr("all %1 spins").arg(locale.toString(inWindow));
    lines << tr("%1 times in %2; %3 expected on a fair wheel.")
                 .arg(locale.toString(f.count), stretch, locale.toString(f.expected, 'f', 1));
    const qint64 gap = f.gap ? *f.gap : spins;
    lines << tr("A gap of %1 spins or more comes with a chance of %2 on a fair wheel.")
                 .arg(locale.toString(gap), percent(f.chance));
    lines << NotDue();
    return lines.join(u'\n');
}

void SleeperMarks::show(const Sleepers& sleepers, qint64 window)
{
    m_shown = true;
    for (const Sleepers::Figure& f : sleepers.figures()) {
        BadgeLabel* p = plate(f.cell);
        if (!p)
            continue;
        const QString mark = among(sleepers.hottest(), f.cell)   ? QStringLiteral("hot")
                             : among(sleepers.coldest(), f.cell) ? QStringLiteral("cold")
                                                                 : QString();
        p->setProperty("sleeper", mark);
        p->setPlate(mark == u"hot" ? Hot : mark == u"cold" ? Cold : Plain, QColor(60, 60, 60));
        p->setText(f.gap ? QLocale().toString(*f.gap) : QStringLiteral("\u2013"));
        const int width = qMax(16, p->fontMetrics().horizontalAdvance(p->text()) + 6);
        p->setGeometry(1, 1, width, 12);
        p->show();
        p->raise();
        m_grid.cell(f.cell)->setToolTip(
            toolTip(shownName(m_wheel, f.cell), f, sleepers.inWindow(), window, sleepers.spins()));
    }
}

void SleeperMarks::hide()
{
    m_shown = false;
    for (auto it = m_plates.begin(); it != m_plates.end(); ++it) {
        it.value()->hide();
        if (BoardCell* cell = m_grid.cell(it.key()))
            cell->setToolTip(QString());
    }
}

} // namespace spinledger
