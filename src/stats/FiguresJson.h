#pragma once

#include "stats/Figures.h"

#include <QJsonObject>

namespace spinledger::stats {

// The figures for scripts, under keys that stay the same from version to
// version (README lists them). Figures that do not exist yet are null.
namespace FiguresJson {
QJsonObject toJson(const Figures& f);
}

} // namespace spinledger::stats
