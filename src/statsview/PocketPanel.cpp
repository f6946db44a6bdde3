#include "statsview/PocketPanel.h"

#include "stats/FigureFormat.h"
#include "statsview/ChartStyle.h"
#include "ui/PocketColours.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

QString extremeText(const QString& which, const stats::PocketExtreme& e, int pockets, const QLocale& l)
{
    return PocketPanel::tr("%1 %2: %3 spins, z = %4; %5 for one pocket, %6 as the most extreme of %7")
        .arg(which, e.label, F::count(e.count, l), F::number(e.z, l, 2), F::pIs(e.p, l),
             F::pValue(e.corrected, l))
        .arg(pockets);
}

QString testText(const stats::Bias& b, const QLocale& l)
{
    QString text;
    if (!b.tested) {
        text = PocketPanel::tr("Chi-square test: %1 (%2 so far).").arg(F::testNeeds(b), F::count(b.spins, l));
    } else {
        const bool unusual = b.pValue < 0.05;
        text = PocketPanel::tr("Chi-square %1 with %2 degrees of freedom: %3 — %4")
                   .arg(F::number(b.chiSquare, l, 1))
                   .arg(b.degreesOfFreedom)
                   .arg(F::pIs(b.pValue, l),
                        unusual ? PocketPanel::tr("counts this uneven are rare on a fair wheel.")
                                : PocketPanel::tr("no sign of a biased wheel."));
        text += u'\n' + extremeText(PocketPanel::tr("Hottest"), b.hottest, b.pockets, l) + u'\n' +
                extremeText(PocketPanel::tr("Coldest"), b.coldest, b.pockets, l);
    }
    if (b.leftOut > 0)
        text += PocketPanel::tr("\n%1 spins on 00 are left out: 00 is switched off now.")
                    .arg(F::count(b.leftOut, l));
    return text;
}

} // namespace

PocketPanel::PocketPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pagePockets"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    m_view = ChartStyle::makeView(QStringLiteral("chartPockets"), this);
    m_view->setToolTip(tr("Spins of each pocket. The line is what a fair wheel gives on average; "
                          "about one pocket in twenty lies outside the shaded band by chance alone."));
    column->addWidget(m_view, 1);
    m_test = new QLabel(this);
    m_test->setObjectName(QStringLiteral("lblPocketTest"));
    m_test->setWordWrap(true);
    m_test->setToolTip(tr("The chi-square test asks how likely counts this uneven are on a fair wheel. "
                          "The hottest and coldest pocket's p is corrected for having picked them "
                          "among all pockets (Šidák). Past counts do not predict the next spin."));
    column->addWidget(m_test);
}

void PocketPanel::showFigures(const stats::Figures& f)
{
    const QLocale l;
    const stats::Bias& b = f.bias;
    QChart* chart = m_view->chart();
    ChartStyle::clear(chart, palette());

    // The band behind the bars, the expected count over them.
    const double left = -0.5;
    const double right = double(b.counts.size()) - 0.5;
    // An area series does not own its edge lines: they are its children so
    // that clearing the chart frees them with it.
    auto* band = new QAreaSeries;
    auto* upper = new QLineSeries(band);
    auto* lower = new QLineSeries(band);
    *upper << QPointF(left, b.band.high) << QPointF(right, b.band.high);
    *lower << QPointF(left, b.band.low) << QPointF(right, b.band.low);
    band->setUpperSeries(upper);
    band->setLowerSeries(lower);
    QColor shade = palette().color(QPalette::Highlight);
    shade.setAlpha(45);
    band->setBrush(shade);
    band->setPen(Qt::NoPen);
    chart->addSeries(band);

    // One set per pocket colour, stacked: each bar shows in its pocket's colour.
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.8);
    QStringList labels;
    qint64 highest = 0;
    for (PocketColour colour : {PocketColour::Red, PocketColour::Black, PocketColour::Green}) {
        auto* set = new QBarSet(QString());
        set->setColor(PocketColours::of(colour));
        set->setBorderColor(palette().color(QPalette::Text));
        for (const stats::PocketCount& c : b.counts)
            *set << (c.colour == colour ? double(c.count) : 0.0);
        bars->append(set);
    }
    for (const stats::PocketCount& c : b.counts) {
        labels << c.label;
        highest = std::max(highest, c.count);
    }
    chart->addSeries(bars);

    auto* expected = new QLineSeries;
    *expected << QPointF(left, b.expected) << QPointF(right, b.expected);
    expected->setPen(QPen(palette().color(QPalette::Highlight), 2));
    chart->addSeries(expected);
    chart->legend()->hide();

    auto* x = new QBarCategoryAxis;
    x->append(labels);
    auto* y = new QValueAxis;
    y->setRange(0, std::max(double(highest), b.band.high) * 1.08 + 1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(tr("spins"));
    ChartStyle::setAxes(chart, x, y, palette());
    // 38 pocket labels side by side: small, and whole where they just fit.
    QFont small = x->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    x->setLabelsFont(small);
    x->setTruncateLabels(false);
    m_test->setText(testText(b, l));
}

} // namespace spinledger
