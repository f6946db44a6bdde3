#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// casinos [--db PATH] [--json]: the installation's casinos with their spin counts.
Command casinosCommand();

} // namespace spinledger::cli
