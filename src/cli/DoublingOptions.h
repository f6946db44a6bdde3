#pragma once

#include "stats/Figures.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>

namespace spinledger::cli {

class Session;

// --table-max, --bankroll and --series: the doubling inputs of the
// statistics, typed for one run.
namespace DoublingOptions {

// The options; `otherwise` ends their help: where the value comes from when
// the option is missing ("as typed on the Statistics tab").
QList<QCommandLineOption> options(const QString& tableMaxOtherwise, const QString& bankrollOtherwise,
                                  const QString& seriesOtherwise);
// Puts the options that are set into the inputs; false after refusing one.
bool apply(Session& session, stats::DoublingInputs& inputs);

// An amount typed for a script: digits with '.', whatever the locale; none
// unless above 0.
std::optional<double> positiveAmount(const QString& text);

} // namespace DoublingOptions

} // namespace spinledger::cli
