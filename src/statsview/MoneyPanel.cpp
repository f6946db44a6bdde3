#include "statsview/MoneyPanel.h"

#include "stats/FigureFormat.h"
#include "statsview/ChartStyle.h"
#include "statsview/MoneyAxis.h"
#include "statsview/TableText.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
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
    {"Longest run", "The most advices in a row that lost."},
    {"Stopped at spin",
     "The first bet the table maximum or bankroll typed on the Doubling page would have refused: a real "
     "table ends the doubling there. Empty: never."},
    {"Result then", "The result of the bets before that spin: what following the advice had brought when "
                    "the table stopped it."},
};
// The two columns of the table limit, shown while a limit is typed.
constexpr int StopColumn = 7;

// The line up to the stop and a mark on it; what follows dotted in its colour.
void addStop(QChart* chart, QLineSeries* line, QLineSeries* beyond, const QPointF& stop)
{
    line->append(stop);
    beyond->insert(0, stop);
    auto* mark = new QScatterSeries;
    mark->append(stop);
    for (QXYSeries* s : {static_cast<QXYSeries*>(beyond), static_cast<QXYSeries*>(mark)}) {
        chart->addSeries(s);
        chart->legend()->markers(s).front()->setVisible(false);
    }
    QPen dotted = line->pen();
    dotted.setStyle(Qt::DotLine);
    beyond->setPen(dotted);
    mark->setColor(line->color());
    mark->setBorderColor(line->color());
    mark->setMarkerSize(9);
}

} // namespace

MoneyPanel::MoneyPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageMoney"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    m_view = ChartStyle::makeView(QStringLiteral("chartMoney"), this);
    m_view->setToolTip(
        QStringLiteral("What betting every advice at its stored stake would have won or lost, "
                       "spin by spin; the same advice on a fair wheel loses in the long run. A dot "
                       "and a dotted line: where the table maximum or bankroll typed on the Doubling "
                       "page would have stopped the doubling."));
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
        line->setColor(ChartStyle::categoryColour(m.category));
        // Past the bet a limit refused, the line goes on dotted: no real
        // table would have taken that series further.
        QLineSeries* beyond = m.stop.by == stats::Limit::None ? nullptr : new QLineSeries;
        for (const stats::MoneyPoint& p : m.line) {
            (beyond && p.spin >= m.stop.spin ? beyond : line)->append(double(p.spin), scale.height(p.total));
            low = std::min(low, p.total);
            high = std::max(high, p.total);
        }
        chart->addSeries(line);
        if (beyond)
            addStop(chart, line, beyond, QPointF(double(m.stop.spin - 1), scale.height(m.stop.result)));
    }
    x->setRange(0, std::max<double>(1, double(f.spins)));
    x->applyNiceNumbers();
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTitleText(QStringLiteral("spin"));
    ChartStyle::setAxes(chart, x, scale.make(low, high, l), palette());
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->show();

    const bool limited = f.doublingInputs.limited();
    QList<QStringList> rows;
    for (const stats::MoneyRow& m : f.money)
        rows << F::moneyCells(f.wheel, m, l) + F::limitCells(m, l);
    TableText::fill(m_table, rows);
    for (int c = StopColumn; c < m_table->columnCount(); ++c)
        m_table->setColumnHidden(c, !limited);
    for (int r = 0; r < int(f.money.size()); ++r) {
        const stats::LimitStop& stop = f.money[size_t(r)].stop;
        if (stop.by == stats::Limit::None)
            continue;
        const QString why =
            stop.by == stats::Limit::TableMax
                ? QStringLiteral("Spin %1 would have needed a stake of %2: above the table maximum.")
                      .arg(F::count(stop.spin, l), F::amount(stop.stake, l))
                : QStringLiteral("Spin %1 would have needed a stake of %2 after %3 lost in the series: "
                                 "above the bankroll.")
                      .arg(F::count(stop.spin, l), F::amount(stop.stake, l), F::amount(stop.lost, l));
        m_table->item(r, StopColumn)->setToolTip(why);
    }
}

} // namespace spinledger
