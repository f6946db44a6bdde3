#pragma once

#include "wheel/Wheel.h"

#include <QColor>
#include <QString>

class QAbstractAxis;
class QChart;
class QChartView;
class QPalette;
class QWidget;

namespace spinledger {

// Charts that read like the rest of the window: text and background from the
// palette (so a dark desktop stays readable), fixed colours only where the
// boards have them, numbers in the user's locale.
namespace ChartStyle {

// One colour per bet category, told apart also by colour-blind eyes and
// readable on light and dark backgrounds.
QColor categoryColour(CategoryId category);

// A chart view with a plain chart in the palette's colours.
QChartView* makeView(const QString& objectName, QWidget* parent);
// Styles both axes in the palette's colours and puts every series of the
// chart on them.
void setAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, const QPalette& palette);
// Removes every series and axis and takes the palette's colours, ready to
// be drawn anew.
void clear(QChart* chart, const QPalette& palette);

} // namespace ChartStyle

} // namespace spinledger
