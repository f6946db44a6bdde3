#pragma once

#include "session/SessionFigures.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace spinledger {

// The session's line under the board (`lblSessionR` / `lblSessionM`): its
// spins, the result of the bets followed and the largest stake so far, with
// the "New session" button (`btnNewSessionR` / `btnNewSessionM`).
class SessionLine : public QWidget
{
    Q_OBJECT
public:
    SessionLine(const Wheel& wheel, QWidget* page);

    void showFigures(const SessionFigures& figures);
    QString text() const;

    // "This session: 3 spins, result +30, largest stake 20"
    static QString describe(const SessionFigures& figures);
    // A result with its sign, in the user's digits: "+30", "−10", "0".
    static QString signedAmount(double amount);

signals:
    void newSessionAsked();

private:
    QLabel* m_line = nullptr;
    QPushButton* m_button = nullptr;
};

} // namespace spinledger
