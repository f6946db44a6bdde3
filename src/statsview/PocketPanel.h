#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QChartView;
class QLabel;

namespace spinledger {

// Is the wheel biased? The spins of each pocket as bars in the wheel's table
// order, the expected count as a line inside its 95% band, and the
// chi-square test with the hottest and coldest pocket below.
class PocketPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PocketPanel(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

private:
    QChartView* m_view = nullptr;
    QLabel* m_test = nullptr;
};

} // namespace spinledger
