#include "io/IsoStamp.h"

#include "store/OleDate.h"

#include <QDateTime>
#include <QTimeZone>

namespace spinledger::IsoStamp {

namespace {

// Reads exactly `count` digits at `pos`; -1 when they are not there.
int digits(QStringView s, qsizetype& pos, int count)
{
    if (pos + count > s.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = s[pos + i];
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    pos += count;
    return value;
}

bool take(QStringView s, qsizetype& pos, QChar c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

// Milliseconds of a fraction of a second: ".25" gives 250, rounded to the
// millisecond the stamps keep.
int fraction(QStringView s, qsizetype& pos)
{
    double scale = 100, ms = 0;
    const qsizetype start = pos;
    while (pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9') {
        ms += (s[pos].unicode() - u'0') * scale;
        scale /= 10;
        ++pos;
    }
    return pos == start || pos - start > 9 ? -1 : int(ms + 0.5);
}

// The zone suffix in seconds ahead of UTC; false when it is malformed.
bool zone(QStringView s, qsizetype& pos, std::optional<int>& offset)
{
    if (take(s, pos, u'Z')) {
        offset = 0;
        return true;
    }
    if (pos >= s.size())
        return true;
    const int sign = s[pos] == u'+' ? 1 : s[pos] == u'-' ? -1 : 0;
    if (sign == 0)
        return false;
    ++pos;
    const int hours = digits(s, pos, 2);
    int minutes = 0;
    if (pos < s.size()) {
        take(s, pos, u':');
        minutes = digits(s, pos, 2);
    }
    if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59)
        return false;
    offset = sign * (hours * 3600 + minutes * 60);
    return true;
}

} // namespace

QByteArray utf8(qint64 oleMsecs)
{
    // Written by hand: an export formats a stamp for every one of its rows.
    qint64 ms = 0;
    int year = 0, month = 0, day = 0;
    OleStamp::dateOf(oleMsecs, ms).getDate(&year, &month, &day);
    if (year < 0 || year > 9999)
        return QByteArray();
    char text[] = "0000-00-00T00:00:00.000";
    auto put = [&text](int at, qint64 value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            text[at + i] = char('0' + value % 10);
    };
    put(0, year, 4);
    put(5, month, 2);
    put(8, day, 2);
    put(20, ms % 1000, 3);
    ms /= 1000;
    put(17, ms % 60, 2);
    put(14, ms / 60 % 60, 2);
    put(11, ms / 3600, 2);
    return QByteArray(text, sizeof text - 1);
}

QString text(qint64 oleMsecs)
{
    return QString::fromLatin1(utf8(oleMsecs));
}

std::optional<qint64> parse(QStringView text)
{
    const QStringView s = text.trimmed();
    qsizetype pos = 0;
    const int year = digits(s, pos, 4);
    const bool dashes = take(s, pos, u'-');
    const int month = digits(s, pos, 2);
    const bool dash2 = take(s, pos, u'-');
    const int day = digits(s, pos, 2);
    const QDate date(year, month, day);
    if (year < 0 || !dashes || month < 0 || !dash2 || day < 0 || !date.isValid())
        return std::nullopt;

    int hour = 0, minute = 0, second = 0, ms = 0;
    if (take(s, pos, u'T') || take(s, pos, u' ')) {
        hour = digits(s, pos, 2);
        const bool colon = take(s, pos, u':');
        minute = digits(s, pos, 2);
        if (!colon || hour < 0 || hour > 23 || minute < 0 || minute > 59)
            return std::nullopt;
        if (take(s, pos, u':')) {
            second = digits(s, pos, 2);
            if (second < 0 || second > 59)
                return std::nullopt;
            if (take(s, pos, u'.') || take(s, pos, u','))
                ms = fraction(s, pos);
            if (ms < 0)
                return std::nullopt;
        }
    }
    std::optional<int> offset;
    if (!zone(s, pos, offset) || pos != s.size())
        return std::nullopt;

    QDate wallDate = date;
    qint64 wallMs = ((hour * 60 + minute) * 60 + second) * 1000LL + ms;
    if (offset) {
        const QDateTime utc = QDateTime(date, QTime(0, 0), QTimeZone(*offset)).addMSecs(wallMs);
        const QDateTime local = utc.toLocalTime();
        wallDate = local.date();
        wallMs = local.time().msecsSinceStartOfDay();
    }
    return OleStamp::msecsOf(wallDate, wallMs);
}

} // namespace spinledger::IsoStamp
