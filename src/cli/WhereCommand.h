#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// where [--db PATH]: the database, backup folder and lock the window and the
// other commands use, and whether the program is installed or portable.
Command whereCommand();

} // namespace spinledger::cli
