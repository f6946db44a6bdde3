#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QChartView;
class QLineEdit;
class QLocale;
class QTableWidget;

namespace spinledger {

// Had the player followed the advice: the running result of every category
// with a stake over the casino's spins, and its final figures. What a table
// allows leads: until a table maximum is known the page asks for it, and
// once it is, the chart and the first result are those under the limit,
// the results of endless doubling after them in grey.
class MoneyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit MoneyPanel(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

signals:
    // The player typed a table maximum into the page's question.
    void tableMaxTyped(const QString& text);

private:
    void drawChart(const stats::Figures& figures, bool limited, const QLocale& locale);

    QWidget* m_ask = nullptr;
    QLineEdit* m_tableMax = nullptr;
    QChartView* m_view = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace spinledger
