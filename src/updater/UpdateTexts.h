#pragma once

#include <QString>

namespace spinledger::updatetexts {

inline const QString Checking = QStringLiteral("Check for updates..");
inline const QString NoUpdate = QStringLiteral("No Update available.");
inline const QString Offer = QStringLiteral("A new version is available! Download and Update now?");
inline const QString Downloading = QStringLiteral("Downloading..");
inline const QString NewVersion = QStringLiteral("New Version Available!");
inline const QString ContinueUpdate = QStringLiteral("Continue Update?");

// Failures the check reports in the main window's status bar.
inline const QString Unreachable =
    QStringLiteral("Update check failed: the update service cannot be reached.");
inline const QString TimedOut =
    QStringLiteral("Update check failed: the update service did not answer in time.");
inline const QString Incomplete =
    QStringLiteral("Update check failed: the update service sent an incomplete answer.");
inline const QString BadFileSize =
    QStringLiteral("Update check failed: the offered file size cannot be read.");
inline const QString BadReleaseDate =
    QStringLiteral("Update check failed: the offered release date cannot be read.");
inline const QString BadFileName =
    QStringLiteral("Update check failed: the offered file name is not a plain file name.");
inline const QString InsecureUrl =
    QStringLiteral("Update check failed: the download address is not a secure (https) address.");
inline const QString InsecureService =
    QStringLiteral("Update check failed: the update service's address is not a secure (https) address.");
inline const QString TooLong =
    QStringLiteral("Update check failed: the update service's answer is too long.");
inline const QString BadChecksum =
    QStringLiteral("Update check failed: the offered SHA-256 checksum is not 64 hexadecimal digits.");
inline const QString CheckCancelled = QStringLiteral("Update check cancelled.");

// Failures of the download and the installer start, in the update window.
inline const QString DownloadUnreachable = QStringLiteral("Download failed: the server cannot be reached.");
inline const QString DownloadTimedOut = QStringLiteral("Download failed: the server did not answer in time.");
inline const QString DownloadRedirect =
    QStringLiteral("Download failed: the server redirected to an address that is not secure.");
inline const QString OutsideFolder =
    QStringLiteral("Download failed: the installer can only be saved in the application folder.");
inline const QString OutsideDownloads =
    QStringLiteral("Download failed: the package can only be saved in your download folder.");
inline const QString OpenFolderFailed = QStringLiteral("Unable to open the download folder.");
// An installed program's download: saved, checked, and left to the package manager.
inline QString installAdvice(const QString& folder, const QString& command)
{
    return QStringLiteral("The package is saved and checked. Spinledger is installed for the whole machine "
                          "and is updated by the package manager: in a terminal in %1, run\n\n    %2")
        .arg(folder, command);
}
inline const QString Downloaded = QStringLiteral("Downloaded; install it with the package manager.");
inline const QString DownloadCancelled = QStringLiteral("Download cancelled.");
inline const QString StartFailed = QStringLiteral("Unable to start the installer.");
inline const QString ChecksumMismatch = QStringLiteral(
    "Download failed: the file does not match its published SHA-256 checksum and was deleted.");
inline QString downloadStatus(int code)
{
    return QStringLiteral("Download failed: the server answered %1.").arg(code);
}
inline QString downloadShort(qint64 received, qint64 expected)
{
    return QStringLiteral("Download failed: %1 of %2 bytes received. The installer was not started.")
        .arg(received)
        .arg(expected);
}
inline QString downloadSizeDiffers(qint64 announced, qint64 offered)
{
    return QStringLiteral("Download failed: the server sends %1 bytes, but %2 were offered.")
        .arg(announced)
        .arg(offered);
}
inline QString downloadTooLong(qint64 offered)
{
    return QStringLiteral("Download failed: more than the offered %1 bytes arrived.").arg(offered);
}
inline QString writeFailed(const QString& path)
{
    return QStringLiteral("Download failed: unable to write %1.").arg(path);
}

} // namespace spinledger::updatetexts
