#pragma once

#include "engine/SpinEngine.h"

#include "board/BoardFrame.h"

#include <array>
#include <vector>

namespace spinledger {

class BadgeLabel;
class Wheel;

// The "Played" frame: the latest spins of the casino, oldest at the top,
// in three columns by colour (black, green, red).
class HistoryView : public BoardFrame
{
    Q_OBJECT
public:
    static constexpr int Rows = 14;

    HistoryView(const Wheel& wheel, QWidget* parent);

    // Shows the last Rows entries of a history given oldest first.
    void showHistory(const std::vector<HistoryEntry>& spins);
    void clear();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<std::array<BadgeLabel*, Rows>, 3> m_labels{};
    QFont m_chipFont; // at the board's design size
};

} // namespace spinledger
