#include "store/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>

namespace spinledger {

QString InstanceLock::pathFor(const QString& appFolder)
{
    return pathFor(appFolder, QDir::tempPath());
}

QString InstanceLock::pathFor(const QString& appFolder, const QString& lockFolder)
{
    const QByteArray key =
        QCryptographicHash::hash(QDir(appFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    return QDir(lockFolder)
        .filePath(QStringLiteral("spinledger-%1.lock").arg(QString::fromLatin1(key.toHex().left(16))));
}

} // namespace spinledger
