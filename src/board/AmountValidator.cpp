#include "board/AmountValidator.h"

#include "board/AmountText.h"

namespace spinledger {

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    if (input.trimmed().isEmpty())
        return Intermediate;
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
