#include "location/DataLocation.h"

#include "store/AppContext.h"
#include "store/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace spinledger {

namespace {

QString userFolderIn(QStandardPaths::StandardLocation location)
{
    const QString base = QStandardPaths::writableLocation(location);
    return base.isEmpty() ? QString() : QDir(base).filePath(DataLocation::UserFolder);
}

} // namespace

DataLocation::Folders DataLocation::systemFolders(const QString& programFolder)
{
    Folders f;
    f.program = programFolder;
    // The generic data folder, not the application's: the window and the
    // command line carry different application names and share one database.
    f.userData = userFolderIn(QStandardPaths::GenericDataLocation);
    // The session's runtime folder; without one (no desktop session) the
    // lock goes to the temporary folder, as a portable folder's does.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        f.runtime = runtime;
    f.downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return f;
}

DataLocation::DataLocation(Folders folders) : m_folders(std::move(folders)), m_mode(modeOf(m_folders.program))
{
}

// The marker, not the folder's path, makes an installation: an unpacked
// package behaves the same wherever it lies.
DataLocation::Mode DataLocation::modeOf(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return Mode::Portable;
    QFile marker(QDir(programFolder).filePath(MarkerFile));
    if (!marker.open(QIODevice::ReadOnly))
        return Mode::Portable;
    return marker.readLine(64).trimmed() == MarkerText ? Mode::Installed : Mode::Portable;
}

QString DataLocation::databasePath() const
{
    const QString folder = isInstalled() ? m_folders.userData : m_folders.program;
    return QDir(folder).filePath(AppContext::DatabaseFile);
}

QString DataLocation::backupFolderFor(const QString& databasePath)
{
    return QFileInfo(databasePath).absoluteDir().filePath(AppContext::BackupFolderName);
}

QString DataLocation::lockPathFor(const QString& databasePath) const
{
    const QString folder = InstanceLock::folderOf(databasePath);
    if (isInstalled() && !m_folders.runtime.isEmpty())
        return InstanceLock::pathFor(folder, m_folders.runtime);
    return InstanceLock::pathFor(folder);
}

QString DataLocation::templatePath() const
{
    return QDir(m_folders.program).filePath(TemplateFile);
}

QString DataLocation::sharedDatabasePath() const
{
    return isInstalled() ? QDir(m_folders.program).filePath(AppContext::DatabaseFile) : QString();
}

QString DataLocation::downloadFolder() const
{
    return isInstalled() && !m_folders.downloads.isEmpty() ? m_folders.downloads : m_folders.program;
}

} // namespace spinledger
