#include "board/AmountText.h"

namespace spinledger {

namespace {

// What players type as the decimal separator: '.' and ',' alike, whatever
// the locale (a stake has no thousands), and the locale's own.
bool isSeparator(QChar c, const QString& localeSeparator)
{
    return c == u'.' || c == u',' || (localeSeparator.size() == 1 && c == localeSeparator.front());
}

// Digits with at most one separator and at least one digit; no sign, no
// exponent, no grouping.
bool isPlainNumber(const QString& text, const QString& localeSeparator)
{
    int digits = 0;
    int separators = 0;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (isSeparator(c, localeSeparator))
            ++separators;
        else
            return false;
    }
    return digits > 0 && separators <= 1;
}

} // namespace

QString AmountText::withSeparator(const QString& typed, const QLocale& locale)
{
    const QString separator = locale.decimalPoint();
    if (separator.size() != 1)
        return typed;
    QString shown = typed;
    for (QChar& c : shown) {
        if (isSeparator(c, separator))
            c = separator.front();
    }
    return shown;
}

Result<QString> AmountText::toStored(const QString& typed, const QLocale& locale)
{
    const QString amount = typed.trimmed();
    const QString separator = locale.decimalPoint();
    if (!isPlainNumber(amount, separator))
        return Result<QString>::failure(NotNumeric());
    if (amount.size() > MaxChars)
        return Result<QString>::failure(TooLong());
    QString stored = amount;
    for (QChar& c : stored) {
        if (isSeparator(c, separator))
            c = u'.';
    }
    return stored;
}

QString AmountText::toShown(const QString& stored, const QLocale& locale)
{
    QString shown = stored.trimmed();
    shown.replace(u'.', locale.decimalPoint());
    return shown;
}

QString AmountText::toShown(double stake, const QLocale& locale)
{
    QLocale grouped(locale);
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(stake, 'f', QLocale::FloatingPointShortest);
}

} // namespace spinledger
