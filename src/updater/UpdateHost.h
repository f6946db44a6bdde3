#pragma once

#include <QString>

class QWidget;

namespace spinledger {

class StatusSink;
class UpdatePlatform;

// What the update check and the update window need from the application.
struct UpdateHost
{
    QWidget* mainWindow = nullptr; // disabled while a check or an offer is open
    StatusSink* status = nullptr;  // the main window's status bar
    UpdatePlatform* platform = nullptr;
    QString appTitle;   // "Spinledger"
    QString appFolder;  // the installer is saved here
    QString appVersion; // "1.1.0"
};

} // namespace spinledger
