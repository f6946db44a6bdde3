#pragma once

#include <QLoggingCategory>

// The updater's log: checks and downloads that failed, and why ("spinledger.updater").
Q_DECLARE_LOGGING_CATEGORY(lcUpdater)
