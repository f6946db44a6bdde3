#pragma once

#include <QCoreApplication>
#include <QFileInfo>
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
    QString appFolder;  // the installer is saved here unless installed
    QString appVersion; // "1.1.0"
    // The running program's file name: an installer must not take it.
    QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    // An installed program is updated by the package manager: the installer
    // is saved in downloadFolder and never started.
    bool installed = false;
    QString downloadFolder{};

    QString saveFolder() const { return installed ? downloadFolder : appFolder; }

    // Shows window above the main window without making it the main window's
    // child: a child would be disabled together with it.
    void keepAboveMainWindow(QWidget* window) const;
};

} // namespace spinledger
