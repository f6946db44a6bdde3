#pragma once

#include "stats/SpinWindow.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>

namespace spinledger::cli {

class Session;

// --last N, --session, --since DATE and --until DATE: which spins of the
// casino the statistics are of (all of them without any).
namespace WindowOptions {

QList<QCommandLineOption> options();
// The window the options name; nothing after refusing them.
std::optional<stats::SpinWindow> window(Session& session);

} // namespace WindowOptions

} // namespace spinledger::cli
