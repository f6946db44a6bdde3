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

QString lockFile(const QString& appFolder, const QString& lockFolder)
{
    const QByteArray key = QCryptographicHash::hash(canonical(appFolder).toUtf8(), QCryptographicHash::Sha1);
    return QDir(lockFolder)
        .filePath(QStringLiteral("spinledger-%1.lock").arg(QString::fromLatin1(key.toHex().left(16))));
}

} // namespace

QString InstanceLock::pathFor(const QString& appFolder)
{
    return pathFor(appFolder, QDir::tempPath());
}

QString InstanceLock::pathFor(const QString& appFolder, const QString& lockFolder)
{
    return lockFile(appFolder, lockFolder);
}

QString InstanceLock::importPathFor(const QString& appFolder)
{
    return importPathBeside(pathFor(appFolder));
}

QString InstanceLock::importPathBeside(const QString& instanceLockPath)
{
    QString path = instanceLockPath;
    const QString suffix = QStringLiteral(".lock");
    if (path.endsWith(suffix))
        path.chop(suffix.size());
    return path + QStringLiteral("-import") + suffix;
}

QString InstanceLock::folderOf(const QString& databasePath)
{
    const QString file = QFileInfo(databasePath).canonicalFilePath();
    return QFileInfo(file.isEmpty() ? databasePath : file).absolutePath();
}

} // namespace spinledger
