#pragma once

#include <QLoggingCategory>

// The command line's log, beside the line each command prints ("spinledger.cli").
Q_DECLARE_LOGGING_CATEGORY(lcCli)
