#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// spin-count [--db PATH]: how many spins the file holds, every installation,
// casino and wheel together; for scripts that must not drop a history.
Command spinCountCommand();

} // namespace spinledger::cli
