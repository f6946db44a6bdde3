#include "store/AppContext.h"

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
    return m_db.open(connString, key);
}

qint64& AppContext::currentCmb(const Wheel& wheel)
{
    return wheel.letter() == u'R' ? currentCmbR : currentCmbM;
}

void AppContext::setAppFolder(const QString& folder)
{
    appFolder = folder;
    connString = folder + u'/' + DatabaseFile;
}

} // namespace spinledger

namespace spinledger {

QString AppContext::backupFolder() const
{
    return QFileInfo(connString).absoluteDir().filePath(BackupFolder);
}

bool AppContext::changeKey(const QString& newKey)
{
    if (!ensureOpen() || !m_db.rekey(newKey))
        return false;
    key = newKey;
    return true;
}

} // namespace spinledger
