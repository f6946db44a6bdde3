#pragma once

#include "stats/SpinWindow.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>

namespace spinledger {
class Wheel;
}

namespace spinledger::cli {

class Session;

// --last N, --session, --since DATE and --until DATE: which spins of the
// casino the statistics are of (all of them without any).
namespace WindowOptions {

QList<QCommandLineOption> options();
// The window the options name, on the open database; nothing after refusing
// them. Throws DbError.
std::optional<stats::SpinWindow> window(Session& session, const Wheel& wheel);

} // namespace WindowOptions

} // namespace spinledger::cli
