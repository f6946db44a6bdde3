#include "store/OleDate.h"

#include <charconv>
#include <cmath>

namespace spinledger {

double round15(double v)
{
    // The digits of QString::number(v, 'g', 15), without a string: stamps
    // are rounded for every row of a long import.
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, v, std::chars_format::general, 15).ptr;
    double rounded = v;
    std::from_chars(digits, end, rounded);
    return rounded;
}

namespace {

constexpr qint64 MsecsPerDay = 86400000;

QDate epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

// Whole days before the stamp, rounded down also before the epoch.
qint64 floorDays(qint64 msecs)
{
    return msecs >= 0 ? msecs / MsecsPerDay : -((-msecs + MsecsPerDay - 1) / MsecsPerDay);
}

} // namespace

qint64 OleStamp::msecsOf(QDate date, qint64 msecsOfDay)
{
    return epoch().daysTo(date) * MsecsPerDay + msecsOfDay;
}

QDate OleStamp::dateOf(qint64 msecs, qint64& msecsOfDay)
{
    const qint64 days = floorDays(msecs);
    msecsOfDay = msecs - days * MsecsPerDay;
    return epoch().addDays(days);
}

OleStamp OleStamp::fromDateTime(const QDateTime& local)
{
    return fromMsecs(msecsOf(local.date(), local.time().msecsSinceStartOfDay()));
}

OleStamp OleStamp::fromMsecs(qint64 msecs)
{
    const qint64 days = floorDays(msecs);
    OleStamp s;
    s.date = double(days);
    s.time = round15(double(msecs - days * MsecsPerDay) / double(MsecsPerDay));
    s.now = round15(s.date + s.time);
    return s;
}

qint64 OleStamp::msecs() const
{
    return std::llround(now * double(MsecsPerDay));
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
