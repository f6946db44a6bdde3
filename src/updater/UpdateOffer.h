#pragma once

#include "updater/UpdateConnection.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

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
    QString sha256; // optional: 64 hex digits the installer's SHA-256 must match

    static constexpr qint64 MaxFileSize = qint64(4) * 1024 * 1024 * 1024;

    // Empty when the offer can be shown and downloaded; else the status text
    // that says why not. programName is the running program's file name.
    QString problem(const QString& programName, const UpdateConnection& connection) const;

    // A whole number of bytes from 1 to MaxFileSize.
    std::optional<qint64> fileSizeBytes() const;
    // The digest to check the download against; empty when none is offered.
    QByteArray sha256Digest() const;
    std::optional<QDateTime> releaseDateTime() const;

    // "1.5 Mb": mebibytes rounded to two decimals, halves to even.
    QString fileSizeText(const QLocale& locale = QLocale()) const;
    // The locale's general date form; the time only when it is not midnight.
    QString releaseDateText(const QLocale& locale = QLocale()) const;
};

} // namespace spinledger
