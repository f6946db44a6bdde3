#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QUrl>

#include <optional>

namespace spinledger {

// The release that the update service names, fields in the order of its
// answer. Kept from one successful answer to the next.
struct UpdateOffer
{
    QString fileName;
    QString fileSize; // bytes, decimal text
    QString downloadUrl;
    QString releaseDate;
    QString appName;
    QString version;

    // Empty when the offer can be shown and downloaded; else the status text
    // that says why not.
    QString problem() const;

    std::optional<qint64> fileSizeBytes() const;
    std::optional<QDateTime> releaseDateTime() const;

    // "1.5 Mb": mebibytes rounded to two decimals, halves to even.
    QString fileSizeText(const QLocale& locale = QLocale()) const;
    // The locale's general date form; the time only when it is not midnight.
    QString releaseDateText(const QLocale& locale = QLocale()) const;

    static bool isBareFileName(const QString& name);
    // https, or plain http to this machine only (a local test server).
    static bool isTrustedDownloadUrl(const QUrl& url);
};

} // namespace spinledger
