#include "statsview/MoneyPanel.h"

#include "stats/FigureFormat.h"
#include "statsview/ChartStyle.h"
#include "statsview/MoneyAxis.h"
#include "statsview/TableText.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

const TableText::Column kColumns[] = {
    {"Category", "The bet the advice was given for."},
    {"Played",
     "Whether \"Play\" is ticked for it on the board now; the figures count every advice either way."},
    {"Bets", "Judged advices, each bet at the stake its advice stored."},
    {"Wins", "How many of these bets won."},
    {"Result",
     "Won minus lost over all these bets: a win pays the stake times the payout, a loss costs the stake."},
    {"Largest stake", "The highest stake the doubling reached."},
    {"Longest losing run", "The most advices in a row that lost."},
};

} // namespace

MoneyPanel::MoneyPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageMoney"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    m_view = ChartStyle::makeView(QStringLiteral("chartMoney"), this);
    m_view->setToolTip(
        QStringLiteral("What betting every advice at its stored stake would have won or lost, "
                       "spin by spin; the same advice on a fair wheel loses in the long run."));
    column->addWidget(m_view, 1);
    m_table = TableText::make(QStringLiteral("tblMoney"), kColumns, std::size(kColumns), this);
    column->addWidget(m_table);
}

void MoneyPanel::showFigures(const stats::Figures& f)
{
    const QLocale l;
    QChart* chart = m_view->chart();
    ChartStyle::clear(chart, palette());
    auto* x = new QValueAxis;
    const MoneyAxis scale(f.money);
    double low = 0, high = 0;
    for (const stats::MoneyRow& m : f.money) {
        auto* line = new QLineSeries;
        line->setName(F::caption(f.wheel, m.category));
        for (const stats::MoneyPoint& p : m.line) {
            line->append(double(p.spin), scale.height(p.total));
            low = std::min(low, p.total);
            high = std::max(high, p.total);
        }
        chart->addSeries(line);
    }
    x->setRange(0, std::max<double>(1, double(f.spins)));
    x->applyNiceNumbers();
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTitleText(QStringLiteral("spin"));
    ChartStyle::setAxes(chart, x, scale.make(low, high, l), palette());
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->show();

    QList<QStringList> rows;
    for (const stats::MoneyRow& m : f.money)
        rows << F::moneyCells(f.wheel, m, l);
    TableText::fill(m_table, rows);
}

} // namespace spinledger
