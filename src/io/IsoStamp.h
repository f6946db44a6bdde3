#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace spinledger {

// Stamps of spin files: ISO 8601 local date and time, read and written in the
// wall-clock milliseconds of OleStamp::msecs(), so a stamp survives a file
// exactly and no local-time conversion can shift it.
namespace IsoStamp {

// "2026-12-06T18:00:00.250"
QString text(qint64 oleMsecs);
QByteArray utf8(qint64 oleMsecs);

// Accepts a date ("2026-12-06"), optionally with a time after 'T' or a blank
// ("18:00", "18:00:05", "18:00:05.25"), optionally followed by a zone ("Z",
// "+01:00", "+0100", "+01"), which is then converted to local time.
std::optional<qint64> parse(QStringView text);

} // namespace IsoStamp

} // namespace spinledger
