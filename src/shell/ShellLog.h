#pragma once

#include <QLoggingCategory>

// The window's log: start-up, main window, restore and the file's check ("spinledger.shell").
Q_DECLARE_LOGGING_CATEGORY(lcShell)
