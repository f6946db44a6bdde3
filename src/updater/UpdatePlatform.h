#pragma once

#include <QString>

class QWidget;

namespace spinledger {

// What installing an update does outside this program: ask the user, start
// the installer, end the application. Tests give a fake so that no dialog
// blocks and no process starts.
class UpdatePlatform
{
public:
    virtual ~UpdatePlatform() = default;
    // A yes/no question with the information icon; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // Starts the program without arguments and without waiting.
    virtual bool startProgram(const QString& path) = 0;
    virtual void endApplication() = 0;
    // Shows the folder in the desktop's file manager.
    virtual bool openFolder(const QString& path) = 0;
};

} // namespace spinledger
