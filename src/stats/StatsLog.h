#pragma once

#include <QLoggingCategory>

// The statistics' log: reads of a casino's history and their views ("spinledger.stats").
Q_DECLARE_LOGGING_CATEGORY(lcStats)
