#pragma once

#include <QLoggingCategory>

namespace spinledger {

// Why a board could not draw what is stored; the status line says so too.
Q_DECLARE_LOGGING_CATEGORY(lcBoard)

} // namespace spinledger
