#include "transfer/LastFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace spinledger {

namespace {

const QString Key = QStringLiteral("spinFiles/lastFolder");

QSettings userSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                         QStringLiteral("/window.conf"),
                     QSettings::IniFormat);
}

QString firstFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

LastFolder::LastFolder() : m_folder(userSettings().value(Key).toString()) {}

QString LastFolder::folder() const
{
    return !m_folder.isEmpty() && QFileInfo(m_folder).isDir() ? m_folder : firstFolder();
}

void LastFolder::remember(const QString& file)
{
    m_folder = QFileInfo(file).absolutePath();
    // A configuration that cannot be written costs only the folder next time.
    userSettings().setValue(Key, m_folder);
}

} // namespace spinledger
