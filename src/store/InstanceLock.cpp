#include "store/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace spinledger {

namespace {

QString canonical(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir(path).absolutePath() : resolved;
}

QString lockFile(const QString& appFolder, const QString& kind)
{
    const QByteArray key = QCryptographicHash::hash(canonical(appFolder).toUtf8(), QCryptographicHash::Sha1);
    return QDir::temp().filePath(
        QStringLiteral("spinledger-%1%2.lock").arg(QString::fromLatin1(key.toHex().left(16)), kind));
}

} // namespace

QString InstanceLock::pathFor(const QString& appFolder)
{
    return lockFile(appFolder, QString());
}

QString InstanceLock::importPathFor(const QString& appFolder)
{
    return lockFile(appFolder, QStringLiteral("-import"));
}

QString InstanceLock::folderOf(const QString& databasePath)
{
    const QString file = QFileInfo(databasePath).canonicalFilePath();
    return QFileInfo(file.isEmpty() ? databasePath : file).absolutePath();
}

} // namespace spinledger
