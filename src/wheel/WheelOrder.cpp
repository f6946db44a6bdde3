#include "wheel/WheelOrder.h"

namespace spinledger::WheelOrder {

namespace {

QStringList split(const char* clockwise)
{
    return QString::fromLatin1(clockwise).split(u' ');
}

const QStringList& singleZero()
{
    static const QStringList order =
        split("0 32 15 19 4 21 2 25 17 34 6 27 13 36 11 30 8 23 10 5 24 16 33 1 20 "
              "14 31 9 22 18 29 7 28 12 35 3 26");
    return order;
}

const QStringList& doubleZero()
{
    static const QStringList order =
        split("0 28 9 26 30 11 7 20 32 17 5 22 34 15 3 24 36 13 1 00 27 10 25 29 12 "
              "8 19 31 18 6 21 33 16 4 23 35 14 2");
    return order;
}

} // namespace

const QStringList& labels(const Wheel& wheel, bool zeroZeroEnabled)
{
    static const QStringList none;
    if (wheel.letter() != u'R')
        return none;
    return zeroZeroEnabled ? doubleZero() : singleZero();
}

std::vector<int> pocketIndices(const Wheel& wheel, bool zeroZeroEnabled)
{
    std::vector<int> indices;
    for (const QString& label : labels(wheel, zeroZeroEnabled))
        indices.push_back(wheel.pocketIndex(label));
    return indices;
}

} // namespace spinledger::WheelOrder
