#pragma once

#include "store/Result.h"

#include <QStringList>

class QIODevice;

namespace spinledger {

class AppContext;
class Wheel;

// A casino's history of one wheel as a spin file: CSV after RFC 4180 in UTF-8
// with a byte-order mark, a header row, one row per spin, oldest first:
//   spin_no, date_time, pocket,
//   then per category (numbers, blackred, evenodd, lowhi, [dozens], 2to1):
//   <category>_advice, <category>_stake (not for numbers), <category>_verdict
// where advice and stake are those that stood before the spin and the verdict
// is its judgement; the first spin of a casino had none of them.
class SpinExport
{
public:
    SpinExport(AppContext& app, const Wheel& wheel) : m_app(app), m_wheel(wheel) {}

    static QStringList header(const Wheel& wheel);

    // Writes every spin of the casino; the number of spins written, or the
    // line that says why the file is incomplete.
    Result<qint64> write(qint64 casino, QIODevice& out);

private:
    AppContext& m_app;
    const Wheel& m_wheel;
};

} // namespace spinledger
