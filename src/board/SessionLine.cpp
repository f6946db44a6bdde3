#include "board/SessionLine.h"

#include "board/AmountText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace spinledger {

namespace {

// The strip below the frames of the bottom row, in pixels of the page.
const QRect Strip(6, 384, 574, 32);

} // namespace

SessionLine::SessionLine(const Wheel& wheel, QWidget* page) : QWidget(page)
{
    setObjectName(QStringLiteral("session") + wheel.letter());
    setGeometry(Strip);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("lblSession") + wheel.letter());
    m_line->setToolTip(
        tr("Spins since the session began, what the bets ticked \"Play\" brought at the stakes "
           "shown, and the largest of those stakes"));
    // Alt+N is the Numbers box's.
    m_button = new QPushButton(tr("Ne&w session"), this);
    m_button->setObjectName(QStringLiteral("btnNewSession") + wheel.letter());
    row->addWidget(m_line, 1);
    row->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &SessionLine::newSessionAsked);
    showFigures({});
}

QString SessionLine::signedAmount(double amount)
{
    if (amount == 0)
        return AmountText::toShown(0.0);
    return (amount > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
           AmountText::toShown(std::abs(amount));
}

QString SessionLine::describe(const SessionFigures& f)
{
    const QString result = signedAmount(f.result);
    const QString largest = AmountText::toShown(f.largestStake);
    // English and German, the languages shipped, have one form for one spin
    // and one for every other count.
    if (f.spins == 1)
        return tr("This session: 1 spin, result %1, largest stake %2").arg(result, largest);
    return tr("This session: %1 spins, result %2, largest stake %3")
        .arg(QLocale().toString(f.spins), result, largest);
}

void SessionLine::showFigures(const SessionFigures& figures)
{
    m_line->setText(describe(figures));
}

QString SessionLine::text() const
{
    return m_line->text();
}

} // namespace spinledger
