#pragma once

#include <QCoreApplication>
#include <QString>

namespace spinledger::updatetexts {

inline QString Checking()
{
    return QCoreApplication::translate("updatetexts", "Check for updates..");
}
inline QString NoUpdate()
{
    return QCoreApplication::translate("updatetexts", "No Update available.");
}
inline QString Offer()
{
    return QCoreApplication::translate("updatetexts", "A new version is available! Download and Update now?");
}
inline QString Downloading()
{
    return QCoreApplication::translate("updatetexts", "Downloading..");
}
inline QString NewVersion()
{
    return QCoreApplication::translate("updatetexts", "New Version Available!");
}
inline QString ContinueUpdate()
{
    return QCoreApplication::translate("updatetexts", "Continue Update?");
}

// Failures the check reports in the main window's status bar.
inline QString Unreachable()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the update service cannot be reached.");
}
inline QString TimedOut()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the update service did not answer in time.");
}
inline QString Incomplete()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the update service sent an incomplete answer.");
}
inline QString BadFileSize()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the offered file size cannot be read.");
}
inline QString BadReleaseDate()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the offered release date cannot be read.");
}
inline QString BadFileName()
{
    return QCoreApplication::translate(
        "updatetexts", "Update check failed: the offered file name is not a plain file name.");
}
inline QString InsecureUrl()
{
    return QCoreApplication::translate(
        "updatetexts", "Update check failed: the download address is not a secure (https) address.");
}
inline QString InsecureService()
{
    return QCoreApplication::translate(
        "updatetexts", "Update check failed: the update service's address is not a secure (https) address.");
}
inline QString TooLong()
{
    return QCoreApplication::translate("updatetexts",
                                       "Update check failed: the update service's answer is too long.");
}
inline QString BadChecksum()
{
    return QCoreApplication::translate(
        "updatetexts", "Update check failed: the offered SHA-256 checksum is not 64 hexadecimal digits.");
}
inline QString CheckCancelled()
{
    return QCoreApplication::translate("updatetexts", "Update check cancelled.");
}

// Failures of the download and the installer start, in the update window.
inline QString DownloadUnreachable()
{
    return QCoreApplication::translate("updatetexts", "Download failed: the server cannot be reached.");
}
inline QString DownloadTimedOut()
{
    return QCoreApplication::translate("updatetexts", "Download failed: the server did not answer in time.");
}
inline QString DownloadRedirect()
{
    return QCoreApplication::translate(
        "updatetexts", "Download failed: the server redirected to an address that is not secure.");
}
inline QString OutsideFolder()
{
    return QCoreApplication::translate(
        "updatetexts", "Download failed: the installer can only be saved in the application folder.");
}
inline QString OutsideDownloads()
{
    return QCoreApplication::translate(
        "updatetexts", "Download failed: the package can only be saved in your download folder.");
}
inline QString OpenFolderFailed()
{
    return QCoreApplication::translate("updatetexts", "Unable to open the download folder.");
}
// An installed program's download: saved, checked, and left to the package manager.
inline QString installAdvice(const QString& folder, const QString& command)
{
    return QCoreApplication::translate(
               "updatetexts",
               "The package is saved and checked. Spinledger is installed for the whole machine "
               "and is updated by the package manager: in a terminal in %1, run\n\n    %2")
        .arg(folder, command);
}
inline QString Downloaded()
{
    return QCoreApplication::translate("updatetexts", "Downloaded; install it with the package manager.");
}
inline QString DownloadCancelled()
{
    return QCoreApplication::translate("updatetexts", "Download cancelled.");
}
inline QString StartFailed()
{
    return QCoreApplication::translate("updatetexts", "Unable to start the installer.");
}
inline QString ChecksumMismatch()
{
    return QCoreApplication::translate(
        "updatetexts",
        "Download failed: the file does not match its published SHA-256 checksum and was deleted.");
}
inline QString downloadStatus(int code)
{
    return QCoreApplication::translate("updatetexts", "Download failed: the server answered %1.").arg(code);
}
inline QString downloadShort(qint64 received, qint64 expected)
{
    return QCoreApplication::translate(
               "updatetexts", "Download failed: %1 of %2 bytes received. The installer was not started.")
        .arg(received)
        .arg(expected);
}
inline QString downloadSizeDiffers(qint64 announced, qint64 offered)
{
    return QCoreApplication::translate("updatetexts",
                                       "Download failed: the server sends %1 bytes, but %2 were offered.")
        .arg(announced)
        .arg(offered);
}
inline QString downloadTooLong(qint64 offered)
{
    return QCoreApplication::translate("updatetexts",
                                       "Download failed: more than the offered %1 bytes arrived.")
        .arg(offered);
}
inline QString writeFailed(const QString& path)
{
    return QCoreApplication::translate("updatetexts", "Download failed: unable to write %1.").arg(path);
}

} // namespace spinledger::updatetexts
