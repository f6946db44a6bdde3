#include "board/HistoryView.h"

#include "board/BadgeLabel.h"
#include "board/BoardGeometry.h"
#include "board/BoardScaler.h"
#include "ui/PocketColours.h"
#include "wheel/Wheel.h"

namespace spinledger {

namespace {

struct ColumnLook
{
    PocketColour colour;
    const char* name; // label array name after the wheel letter
    QColor fill;
};

const ColumnLook Columns[] = {
    {PocketColour::Black, "BLACK", PocketColours::black()},
    {PocketColour::Green, "GREEN", PocketColours::green()},
    {PocketColour::Red, "RED", PocketColours::red()},
};

// -1 for a colour not known: such a spin goes in none of the columns.
int columnOf(PocketColour colour)
{
    for (int c = 0; c < 3; ++c) {
        if (colour == Columns[c].colour)
            return c;
    }
    return -1;
}

} // namespace

HistoryView::HistoryView(const Wheel& wheel, QWidget* parent) : BoardFrame(tr("Played"), parent)
{
    setObjectName(QStringLiteral("frame%1Played").arg(wheel.letter()));
    m_chipFont = font();
    m_chipFont.setPixelSize(10);
    m_chipFont.setBold(true);
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < Rows; ++row) {
            auto* l = new BadgeLabel(this);
            l->setObjectName(
                QStringLiteral("tx%1%2_%3").arg(wheel.letter()).arg(QLatin1String(Columns[c].name)).arg(row));
            l->setPlate(Columns[c].fill, QColor(236, 236, 220));
            l->setTextColour(Qt::white);
            l->setFont(m_chipFont);
            m_labels[c][row] = l;
        }
    }
}

void HistoryView::resizeEvent(QResizeEvent* event)
{
    BoardFrame::resizeEvent(event);
    // The inside depends on the style's title and border; the chips grow and
    // shrink with the frame, which the board scales.
    const double scale = double(width()) / BoardGeometry::playedFrame().width();
    const QFont font = BoardScaler::scaled(m_chipFont, scale, logicalDpiY());
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < Rows; ++row) {
            m_labels[c][row]->setGeometry(BoardGeometry::historyLabel(c, row, Rows, contentsRect(), scale));
            m_labels[c][row]->setFont(font);
        }
    }
}

void HistoryView::clear()
{
    for (auto& column : m_labels) {
        for (BadgeLabel* l : column)
            l->clear();
    }
}

void HistoryView::showHistory(const std::vector<HistoryEntry>& spins)
{
    clear();
    const int skip = qMax(0, int(spins.size()) - Rows);
    for (int row = 0; row + skip < int(spins.size()); ++row) {
        const HistoryEntry& e = spins[row + skip];
        const int c = columnOf(e.colour);
        if (c >= 0)
            m_labels[c][row]->setText(e.label.trimmed());
    }
    repaint();
}

} // namespace spinledger
