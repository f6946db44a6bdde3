#pragma once

#include "stats/Figures.h"

#include <QLocale>

namespace spinledger::stats {

// The figures as plain text for people: four sections with aligned columns.
namespace FiguresText {
QString toText(const Figures& f, const QLocale& locale = QLocale());
}

} // namespace spinledger::stats
