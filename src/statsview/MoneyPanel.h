#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QChartView;
class QTableWidget;

namespace spinledger {

// Had the player followed the advice: the running result of every category
// with a stake over the casino's spins, and its final figures.
class MoneyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit MoneyPanel(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

private:
    QChartView* m_view = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace spinledger
