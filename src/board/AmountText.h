#pragma once

#include "store/Result.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace spinledger {

// The stake amount as typed and as stored: a non-negative number of at most
// three characters, digits and one decimal separator, typed as '.' or ','
// in any locale, shown with the user's locale's, stored with '.'.
class AmountText
{
    Q_DECLARE_TR_FUNCTIONS(AmountText)

public:
    static QString NotNumeric() { return tr("Please enter numbers only."); }
    static QString TooLong() { return tr("Invalid Amount. Max 3 chars."); }
    static constexpr int MaxChars = 3;

    // The stored form of a typed amount, or the status text that refuses it.
    static Result<QString> toStored(const QString& typed, const QLocale& locale = QLocale());
    // The typed text with every decimal separator as the locale writes it.
    static QString withSeparator(const QString& typed, const QLocale& locale = QLocale());
    // The typed form of a stored amount.
    static QString toShown(const QString& stored, const QLocale& locale = QLocale());
    // A stake as the player reads it: shortest, the locale's separator and
    // digit grouping (a doubled stake soon has more than three digits).
    static QString toShown(double stake, const QLocale& locale = QLocale());
};

} // namespace spinledger
