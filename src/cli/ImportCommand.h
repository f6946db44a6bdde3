#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// import --wheel R|M --casino NAME-or-ID FILE [--db PATH]: plays the spins of
// a file through the engine into the casino, which is created when missing;
// all or nothing. Refused while the window of the installation is open, as
// it would not know of the new rows; the instance lock tells, and is held
// for the whole import so the window cannot start meanwhile either.
Command importCommand();

} // namespace spinledger::cli
