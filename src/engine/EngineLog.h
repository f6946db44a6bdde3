#pragma once

#include <QLoggingCategory>

namespace spinledger {

// Why an engine operation failed; the player reads the failure line.
Q_DECLARE_LOGGING_CATEGORY(lcEngine)

} // namespace spinledger
