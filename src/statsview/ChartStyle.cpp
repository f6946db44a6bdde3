#include "statsview/ChartStyle.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QPalette>

namespace spinledger::ChartStyle {

QColor categoryColour(CategoryId category)
{
    // Okabe and Ito's colours, with a deep purple for 2TO1 in place of their
    // vermilion, which sits too close to Even/Odd's orange; Numbers has no
    // line of its own.
    static const PerCategory<QColor> colours{QColor(0x99, 0x99, 0x99), QColor(0x00, 0x72, 0xB2),
                                             QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
                                             QColor(0xCC, 0x79, 0xA7), QColor(0x6A, 0x3D, 0x9A)};
    return colours[idx(category)];
}

QChartView* makeView(const QString& objectName, QWidget* parent)
{
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale());
    auto* view = new QChartView(chart, parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

namespace {

void styleAxis(QAbstractAxis* axis, const QPalette& palette)
{
    axis->setLabelsBrush(palette.brush(QPalette::Text));
    axis->setTitleBrush(palette.brush(QPalette::Text));
    QColor grid = palette.color(QPalette::Text);
    grid.setAlpha(40);
    axis->setGridLineColor(grid);
    axis->setLinePenColor(palette.color(QPalette::Mid));
    QFont f = axis->labelsFont();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    axis->setLabelsFont(f);
    axis->setTitleFont(f);
}

} // namespace

void setAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, const QPalette& palette)
{
    styleAxis(x, palette);
    styleAxis(y, palette);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

void clear(QChart* chart, const QPalette& palette)
{
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    // A dark palette gets the dark theme's line colours, a light one the
    // light theme's; text and background are the palette's own.
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.brush(QPalette::Base));
    chart->setBackgroundPen(Qt::NoPen);
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
}

} // namespace spinledger::ChartStyle
