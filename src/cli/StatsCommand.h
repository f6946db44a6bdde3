#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// stats --wheel R|M --casino NAME-or-ID [--db PATH] [--json]
//       [--table-max AMOUNT] [--bankroll AMOUNT] [--series N]:
// every statistic of one casino on one wheel.
Command statsCommand();

} // namespace spinledger::cli
