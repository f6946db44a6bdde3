#pragma once

#include "stats/Figures.h"
#include "store/Result.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace spinledger {

// What the doubling risks: the table maximum, bankroll and number of series
// the player types, and per category what a series can bet, how often it
// busts, what a bust loses and what a series brings on average; beside it
// the longest losing run this casino has seen.
class DoublingPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DoublingPanel(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);
    // The three boxes as inputs (base left at 0), or the status text that
    // refuses them. Amounts in the user's locale; an empty bankroll sets no
    // limit, an empty table maximum none yet.
    Result<stats::DoublingInputs> typedInputs() const;
    // The table maximum typed elsewhere (the Money page asks for it too).
    void setTableMaxText(const QString& text);

signals:
    // The player finished typing in one of the boxes.
    void inputsEdited();

private:
    QLineEdit* addInput(const QString& objectName, const QString& caption, const QString& tip);

    QHBoxLayout* m_inputs = nullptr;
    QLabel* m_base = nullptr;
    QLineEdit* m_tableMax = nullptr;
    QLineEdit* m_bankroll = nullptr;
    QLineEdit* m_series = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_note = nullptr;
};

} // namespace spinledger
