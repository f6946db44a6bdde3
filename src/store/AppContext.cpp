#include "store/AppContext.h"

#include "store/ErrorCodes.h"
#include "wheel/Wheel.h"

#include <QDir>
#include <QFileInfo>

namespace spinledger {

bool AppContext::ensureOpen()
{
    if (m_db.isOpen())
        return true;
    if (connString.isEmpty())
        return false;
    return m_db.open(connString, password());
}

QString AppContext::failureLine(const QString& code) const
{
    return errorLine(code, m_db.lastReason());
}

CurrentCasino& AppContext::currentCasino(const Wheel& wheel)
{
    return wheel.letter() == u'R' ? m_casinoR : m_casinoM;
}

void AppContext::setAppFolder(const QString& folder)
{
    appFolder = folder;
    connString = folder + u'/' + DatabaseFile;
}

QString AppContext::backupFolder() const
{
    return QFileInfo(connString).absoluteDir().filePath(BackupFolderName);
}

bool AppContext::changeKey(const QString& newKey)
{
    if (!ensureOpen() || !m_db.rekey(newKey))
        return false;
    key = newKey;
    return true;
}

} // namespace spinledger
