#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// stats --wheel R|M --casino NAME-or-ID [--db PATH] [--json]
//       [--table-max AMOUNT] [--bankroll AMOUNT] [--series N]
//       [--last N | --session | --since DATE --until DATE]:
// every statistic of one casino on one wheel, of all its spins or a window.
Command statsCommand();

} // namespace spinledger::cli
