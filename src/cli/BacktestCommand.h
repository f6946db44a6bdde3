#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// backtest --wheel R|M --file FILE [--amount N] [--zero00 on|off]
//          [--table-max AMOUNT] [--bankroll AMOUNT] [--series N] [--seed N] [--json]:
// plays a spin file through the engine into a scratch database in the
// temporary folder and prints its statistics as stats does; no database of
// the player's is opened.
Command backtestCommand();

} // namespace spinledger::cli
