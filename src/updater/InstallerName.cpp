#include "updater/InstallerName.h"

#include "store/AppContext.h"

#include "updater/InstallationFiles.h"

#include <QStringList>

namespace spinledger {

namespace {

// Never valid in a Windows file name, besides the control characters.
const QString WindowsReserved = QStringLiteral("/\\:*?\"<>|");

// Files and folders beside the program: every one the installation lays
// (from its install rules), and what the build's folder adds and the program
// writes there. The database's companions are the ones SQLite writes while a
// transaction is open.
QStringList installationFiles(const QString& programName)
{
    const QString database = AppContext::DatabaseFile;
    return installationFolderNames() + QStringList{programName,
                                                   QStringLiteral("spinledger-cli.exe"),
                                                   database,
                                                   database + QStringLiteral("-wal"),
                                                   database + QStringLiteral("-shm"),
                                                   database + QStringLiteral("-journal"),
                                                   QStringLiteral("xcacls.sh"),
                                                   QStringLiteral("dblog.txt")};
}

} // namespace

bool InstallerName::isAcceptable(const QString& name, const QString& programName)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char('.')) &&
           !name.endsWith(QLatin1Char(' ')) && name.toUtf8().size() <= MaxUtf8Bytes &&
           !hasUnsafeCharacter(name) && !isDeviceName(name) && !isInstallationFile(name, programName);
}

bool InstallerName::hasUnsafeCharacter(const QString& name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || WindowsReserved.contains(c))
            return true;
    }
    return false;
}

// Windows opens a device for these names whatever extension follows them.
bool InstallerName::isDeviceName(const QString& name)
{
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (plain.contains(base))
        return true;
    const bool numbered =
        base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")));
    return numbered && base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}

bool InstallerName::isInstallationFile(const QString& name, const QString& programName)
{
    return installationFiles(programName).contains(name, Qt::CaseInsensitive);
}

} // namespace spinledger
