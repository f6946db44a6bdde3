#include "board/AmountText.h"

namespace spinledger {

const QString AmountText::NotNumeric = QStringLiteral("Please enter numbers only.");
const QString AmountText::TooLong = QStringLiteral("Invalid Amount. Max 3 chars.");

namespace {

// Digits with at most one separator and at least one digit; no sign, no
// exponent, no grouping.
bool isPlainNumber(const QString& text, const QString& separator)
{
    int digits = 0;
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++digits;
        } else if (text.mid(i, separator.size()) == separator) {
            ++separators;
            i += separator.size() - 1;
        } else {
            return false;
        }
    }
    return digits > 0 && separators <= 1;
}

} // namespace

Result<QString> AmountText::toStored(const QString& typed, const QLocale& locale)
{
    const QString amount = typed.trimmed();
    const QString separator = locale.decimalPoint();
    if (!isPlainNumber(amount, separator))
        return Result<QString>::failure(NotNumeric);
    if (amount.size() > MaxChars)
        return Result<QString>::failure(TooLong);
    QString stored = amount;
    stored.replace(separator, QStringLiteral("."));
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
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(stake, 'f', QLocale::FloatingPointShortest);
}

} // namespace spinledger
