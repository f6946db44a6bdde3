#pragma once

#include <QValidator>

#include <functional>

namespace spinledger {

// Lets into the amount box only what makes a valid amount, so that the box
// always shows the amount in force; says why it refused a keystroke.
class AmountValidator : public QValidator
{
    Q_OBJECT
public:
    using RefusedFn = std::function<void(const QString& why)>;

    AmountValidator(RefusedFn refused, QObject* parent) : QValidator(parent), m_refused(std::move(refused)) {}

    State validate(QString& input, int& pos) const override;

private:
    RefusedFn m_refused;
};

} // namespace spinledger
