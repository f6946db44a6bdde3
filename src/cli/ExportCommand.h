#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// export --wheel R|M --casino NAME-or-ID [--out FILE] [--db PATH]: the
// casino's spins of the wheel as a CSV spin file, on standard output when no
// file is named. Reads only, so it runs beside the window.
Command exportCommand();

} // namespace spinledger::cli
