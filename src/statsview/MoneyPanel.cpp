#include "statsview/MoneyPanel.h"

#include "stats/FigureFormat.h"
#include "statsview/ChartStyle.h"
#include "statsview/MoneyAxis.h"
#include "statsview/TableText.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

const TableText::Column kMoneyColumns[] = {
    {QT_TRANSLATE_NOOP("TableText", "Category"),
     QT_TRANSLATE_NOOP("TableText", "The bet the advice was given for.")},
    {QT_TRANSLATE_NOOP("TableText", "Played"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "Whether \"Play\" is ticked for it on the board now; the figures count every advice either way.")},
    {QT_TRANSLATE_NOOP("TableText", "Result at the table"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "Won minus lost over the bets the table maximum or bankroll typed on the Doubling page allows: "
         "where "
         "a doubling would have needed a larger stake, a real table stops it, and so does this result.")},
    {QT_TRANSLATE_NOOP("TableText", "Stopped at spin"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "The first bet the table maximum or bankroll would have refused: a real table ends the doubling "
         "there. Empty: never.")},
    {QT_TRANSLATE_NOOP("TableText", "Bets"),
     QT_TRANSLATE_NOOP("TableText", "Judged advices, each bet at the stake its advice stored.")},
    {QT_TRANSLATE_NOOP("TableText", "Wins"), QT_TRANSLATE_NOOP("TableText", "How many of these bets won.")},
    {QT_TRANSLATE_NOOP("TableText", "Result without a limit"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "Won minus lost over all these bets, as if any stake were allowed: a win pays the stake times the "
         "payout, a loss costs the stake. Only endless doubling makes it; no table allows that.")},
    {QT_TRANSLATE_NOOP("TableText", "Largest stake"),
     QT_TRANSLATE_NOOP("TableText", "The highest stake the doubling reached.")},
    {QT_TRANSLATE_NOOP("TableText", "Longest run"),
     QT_TRANSLATE_NOOP("TableText", "The most advices in a row that lost.")},
};
enum Column
{
    AtTable = 2,
    StoppedAt = 3,
    Unlimited = 4, // this one and every column after it: figures no table limits
};

// Each category's stop mark has a shape and size of its own, the larger
// drawn first, so marks at the same spin and amount stay apart to the eye.
const QScatterSeries::MarkerShape kShapes[] = {
    QScatterSeries::MarkerShapeCircle, QScatterSeries::MarkerShapeRectangle,
    QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
    QScatterSeries::MarkerShapeStar};

// The line as far as a table would have let it go: up to the bet before the
// one refused, which is where the mark sits.
std::vector<stats::MoneyPoint> atTable(const stats::MoneyRow& m)
{
    if (m.stop.by == stats::Limit::None)
        return m.line;
    std::vector<stats::MoneyPoint> line;
    for (const stats::MoneyPoint& p : m.line) {
        if (p.spin < m.stop.spin - 1)
            line.push_back(p);
    }
    line.push_back({m.stop.spin - 1, m.stop.result});
    return line;
}

// A step of 1, 2 or 5 times a power of ten, giving about five ticks.
double niceStep(double range)
{
    const double rough = std::max(1.0, range / 5);
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * decade >= rough)
            return m * decade;
    }
    return 10 * decade;
}

void addMark(QChart* chart, const QLineSeries* line, const QPointF& at, int order)
{
    auto* mark = new QScatterSeries;
    mark->setObjectName(QStringLiteral("stopMark"));
    mark->append(at);
    chart->addSeries(mark);
    chart->legend()->markers(mark).front()->setVisible(false);
    mark->setMarkerShape(kShapes[order % int(std::size(kShapes))]);
    mark->setMarkerSize(16 - 2 * order);
    mark->setColor(line->color());
    mark->setBorderColor(line->color());
}

} // namespace

MoneyPanel::MoneyPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageMoney"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);

    m_ask = new QWidget(this);
    m_ask->setObjectName(QStringLiteral("boxMoneyTableMax"));
    auto* ask = new QHBoxLayout(m_ask);
    ask->setContentsMargins(0, 0, 0, 0);
    auto* question =
        new QLabel(tr("What is the table maximum here? Until it is known, the results below need endless "
                      "doubling, which no table allows. Table &maximum:"),
                   m_ask);
    question->setObjectName(QStringLiteral("lblMoneyAsk"));
    question->setWordWrap(true);
    ask->addWidget(question, 1);
    m_tableMax = new QLineEdit(m_ask);
    m_tableMax->setObjectName(QStringLiteral("tbMoneyTableMax"));
    m_tableMax->setMaximumWidth(100);
    m_tableMax->setToolTip(tr("The same table maximum as on the Doubling page."));
    question->setBuddy(m_tableMax);
    ask->addWidget(m_tableMax);
    connect(m_tableMax, &QLineEdit::editingFinished, this,
            [this] { emit tableMaxTyped(m_tableMax->text()); });
    column->addWidget(m_ask);

    m_view = ChartStyle::makeView(QStringLiteral("chartMoney"), this);
    m_view->setToolTip(tr("What betting every advice at its stored stake would have won or lost, "
                          "spin by spin; the same advice on a fair wheel loses in the long run. Once a table "
                          "maximum is typed, a line ends with a mark where the table would have refused the "
                          "next doubled stake."));
    column->addWidget(m_view, 1);
    m_table = TableText::make(QStringLiteral("tblMoney"), kMoneyColumns, std::size(kMoneyColumns), this);
    // The category names stay whole; wide figures scroll instead.
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(m_table);
}

void MoneyPanel::showFigures(const stats::Figures& f)
{
    const QLocale l;
    const bool limited = f.doublingInputs.limited();
    m_ask->setVisible(!f.doublingInputs.tableMax);
    drawChart(f, limited, l);

    QList<QStringList> rows;
    for (const stats::MoneyRow& m : f.money) {
        const QStringList all = F::moneyCells(f.wheel, m, l);
        const QStringList stop = F::limitCells(m, l);
        rows << QStringList{all[0],  all[1], m.stop.by == stats::Limit::None ? all[4] : stop[1],
                            stop[0], all[2], all[3],
                            all[4],  all[5], all[6]};
    }
    TableText::fill(m_table, rows);
    m_table->setColumnHidden(AtTable, !limited);
    m_table->setColumnHidden(StoppedAt, !limited);
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush plain = palette().brush(QPalette::Text);
    for (int c = Unlimited; c < m_table->columnCount(); ++c) {
        m_table->horizontalHeaderItem(c)->setForeground(limited ? grey : plain);
        for (int r = 0; r < m_table->rowCount(); ++r)
            m_table->item(r, c)->setForeground(limited ? grey : plain);
    }
    for (int r = 0; r < int(f.money.size()); ++r) {
        const stats::LimitStop& stop = f.money[size_t(r)].stop;
        if (stop.by == stats::Limit::None)
            continue;
        const QString why =
            stop.by == stats::Limit::TableMax
                ? tr("Spin %1 would have needed a stake of %2: above the table maximum.")
                      .arg(F::count(stop.spin, l), F::amount(stop.stake, l))
                : tr("Spin %1 would have needed a stake of %2 after %3 lost in the series: "
                     "above the bankroll.")
                      .arg(F::count(stop.spin, l), F::amount(stop.stake, l), F::amount(stop.lost, l));
        m_table->item(r, StoppedAt)->setToolTip(why);
    }
}

void MoneyPanel::drawChart(const stats::Figures& f, bool limited, const QLocale& l)
{
    QChart* chart = m_view->chart();
    ChartStyle::clear(chart, palette());
    // Under a limit the lines end where the table stops them, and only what
    // they reached sets the scale.
    std::vector<stats::MoneyRow> drawn = f.money;
    if (limited) {
        for (stats::MoneyRow& m : drawn)
            m.line = atTable(m);
    }
    const MoneyAxis scale(drawn);
    double low = 0, high = 0;
    int marks = 0;
    for (const stats::MoneyRow& m : drawn) {
        auto* line = new QLineSeries;
        line->setName(F::moneyCells(f.wheel, m, l).value(0)); // the caption the player reads
        line->setColor(ChartStyle::categoryColour(m.category));
        for (const stats::MoneyPoint& p : m.line) {
            line->append(double(p.spin), scale.height(p.total));
            low = std::min(low, p.total);
            high = std::max(high, p.total);
        }
        chart->addSeries(line);
        if (limited && m.stop.by != stats::Limit::None)
            addMark(chart, line, line->points().back(), marks++);
    }
    // The axis runs from before the window's first spin to its last one.
    const double first = double(f.span.first - 1);
    const double last = std::max(first + 1, double(f.span.last));
    auto* x = new QValueAxis;
    x->setRange(first, last);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(niceStep(last - first));
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTitleText(tr("spin"));
    ChartStyle::setAxes(chart, x, scale.make(low, high, l), palette());
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->show();
}

} // namespace spinledger
