#include "store/OleDate.h"

#include <cmath>

namespace spinledger {

double round15(double v)
{
    return QString::number(v, 'g', 15).toDouble();
}

OleStamp OleStamp::fromDateTime(const QDateTime& local)
{
    static const QDate epoch(1899, 12, 30);
    OleStamp s;
    s.date = double(epoch.daysTo(local.date()));
    s.time = round15(local.time().msecsSinceStartOfDay() / 86400000.0);
    s.now = round15(s.date + s.time);
    return s;
}

OleStamp OleStamp::fromNow(double now)
{
    OleStamp s;
    s.now = now;
    s.date = std::floor(now);
    s.time = round15(now - s.date);
    return s;
}

} // namespace spinledger
