#include "board/AmountValidator.h"

#include "board/AmountText.h"

namespace spinledger {

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    if (input.trimmed().isEmpty())
        return Intermediate;
    // "2.5" and "2,5" are the same amount; the box shows it as the locale writes it.
    input = AmountText::withSeparator(input);
    const Result<QString> amount = AmountText::toStored(input);
    if (amount)
        return Acceptable;
    m_refused(amount.status());
    return Invalid;
}

void AmountValidator::fixup(QString& input) const
{
    if (input.trimmed().isEmpty())
        input = m_inForce();
}

} // namespace spinledger
