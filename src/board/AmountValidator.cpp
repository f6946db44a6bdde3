#include "board/AmountValidator.h"

#include "board/AmountText.h"

namespace spinledger {

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    const Result<QString> amount = AmountText::toStored(input);
    if (amount)
        return Acceptable;
    m_refused(amount.status());
    return Invalid;
}

} // namespace spinledger
