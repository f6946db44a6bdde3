#pragma once

#include <QString>

namespace spinledger {

// The stored state of a board cell. Its text is that of the cell state list
// ("pbR17:COIN") and the suffix of the cell's picture ("R17_COIN").
enum class CellState
{
    Off,
    Coin,
    Green, // the 00 cell while the 00 pocket is switched off
};

inline QString cellStateText(CellState state)
{
    switch (state) {
    case CellState::Coin:
        return QStringLiteral("COIN");
    case CellState::Green:
        return QStringLiteral("GREEN");
    case CellState::Off:
        break;
    }
    return QStringLiteral("OFF");
}

} // namespace spinledger
