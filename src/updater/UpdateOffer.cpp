#include "updater/UpdateOffer.h"

#include "updater/HalfEven.h"
#include "updater/InstallerName.h"
#include "updater/UpdateTexts.h"

#include <QRegularExpression>

namespace spinledger {

namespace {

// Date forms the service may write: ISO, the US form of a classic web server,
// and the forms of the user's locale.
const char* const FixedDateTimeForms[] = {
    "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm",
    "M/d/yyyy h:mm:ss AP", "M/d/yyyy H:mm:ss",
};
const char* const FixedDateForms[] = {"yyyy-MM-dd", "M/d/yyyy"};

std::optional<QDateTime> parseFixed(const QString& text)
{
    for (const char* form : FixedDateTimeForms) {
        const QDateTime dt = QDateTime::fromString(text, QLatin1String(form));
        if (dt.isValid())
            return dt;
    }
    for (const char* form : FixedDateForms) {
        const QDate date = QDate::fromString(text, QLatin1String(form));
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    return std::nullopt;
}

std::optional<QDateTime> parseLocal(const QString& text)
{
    const QLocale locale;
    for (const auto form : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDateTime dt = locale.toDateTime(text, form);
        if (dt.isValid())
            return dt;
        const QDate date = locale.toDate(text, form);
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    return std::nullopt;
}

// The short date with a four-digit year, so that no year is ambiguous.
QString generalDateForm(const QLocale& locale)
{
    QString form = locale.dateFormat(QLocale::ShortFormat);
    if (!form.contains(QLatin1String("yyyy")))
        form.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return form;
}

// The long time without its time-zone name.
QString generalTimeForm(const QLocale& locale)
{
    QString form = locale.timeFormat(QLocale::LongFormat);
    form.remove(QLatin1Char('t'));
    return form.trimmed();
}

} // namespace

QString UpdateOffer::problem(const QString& programName, const UpdateConnection& connection) const
{
    if (!InstallerName::isAcceptable(fileName, programName))
        return updatetexts::BadFileName();
    if (!fileSizeBytes())
        return updatetexts::BadFileSize();
    if (!releaseDateTime())
        return updatetexts::BadReleaseDate();
    if (!connection.accepts(QUrl(downloadUrl, QUrl::StrictMode)))
        return updatetexts::InsecureUrl();
    if (!sha256.isEmpty() && sha256Digest().isEmpty())
        return updatetexts::BadChecksum();
    return {};
}

std::optional<qint64> UpdateOffer::fileSizeBytes() const
{
    // Digits only: no sign, no exponent, no fraction. A size of nothing
    // cannot be an installer, and it would be a divisor.
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,10}")));
    const QString text = fileSize.trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 bytes = text.toLongLong();
    if (bytes < 1 || bytes > MaxFileSize)
        return std::nullopt;
    return bytes;
}

QByteArray UpdateOffer::sha256Digest() const
{
    static const QRegularExpression hex(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{64}")));
    if (!hex.match(sha256).hasMatch())
        return {};
    return QByteArray::fromHex(sha256.toLatin1());
}

std::optional<QDateTime> UpdateOffer::releaseDateTime() const
{
    const QString text = releaseDate.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (auto dt = parseFixed(text))
        return dt;
    return parseLocal(text);
}

QString UpdateOffer::fileSizeText(const QLocale& locale) const
{
    const auto bytes = fileSizeBytes();
    if (!bytes)
        return fileSize;
    const qint64 hundredths = divideHalfEven(*bytes * 100, 1024 * 1024);
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(hundredths / 100);
    if (const qint64 fraction = hundredths % 100; fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += plain.decimalPoint() + digits;
    }
    return text + QStringLiteral(" Mb");
}

QString UpdateOffer::releaseDateText(const QLocale& locale) const
{
    const auto dt = releaseDateTime();
    if (!dt)
        return releaseDate;
    QString text = locale.toString(dt->date(), generalDateForm(locale));
    if (dt->time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(dt->time(), generalTimeForm(locale));
    return text;
}

} // namespace spinledger
