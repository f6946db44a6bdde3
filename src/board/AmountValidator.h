#pragma once

#include <QValidator>

#include <functional>

namespace spinledger {

// Lets into the amount box only what makes a valid amount, so that the box
// always shows the amount in force; says why it refused a keystroke. An empty
// box is the one step between two amounts: it changes nothing, and leaving it
// empty puts the amount in force back.
class AmountValidator : public QValidator
{
    Q_OBJECT
public:
    using RefusedFn = std::function<void(const QString& why)>;
    using InForceFn = std::function<QString()>;

    AmountValidator(RefusedFn refused, InForceFn inForce, QObject* parent)
        : QValidator(parent), m_refused(std::move(refused)), m_inForce(std::move(inForce))
    {
    }

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    RefusedFn m_refused;
    InForceFn m_inForce;
};

} // namespace spinledger
