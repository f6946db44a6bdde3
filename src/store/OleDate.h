#pragma once

#include <QDateTime>

namespace spinledger {

// OLE Automation date numbers: days since 30 December 1899, the time of day as
// the fraction. History rows keep date, time and both together.
struct OleStamp
{
    double date = 0; // whole days
    double time = 0; // fraction of a day
    double now = 0;  // date + time

    static OleStamp fromDateTime(const QDateTime& local);
    static OleStamp fromNow(double now);
    // Milliseconds of wall-clock time since the start of 30 December 1899:
    // exact whole numbers for stepping stamps and comparing them.
    static OleStamp fromMsecs(qint64 msecs);
    qint64 msecs() const;

    // Those milliseconds of a wall-clock date and time of day, and back.
    static qint64 msecsOf(QDate date, qint64 msecsOfDay);
    static QDate dateOf(qint64 msecs, qint64& msecsOfDay);
};

// Rounds to 15 significant digits, the precision the stamps are kept with.
double round15(double v);

} // namespace spinledger
