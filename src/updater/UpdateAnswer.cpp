#include "updater/UpdateAnswer.h"

#include "updater/UpdateTexts.h"

namespace spinledger {

namespace {

// Only spaces are taken off the ends; tabs and line breaks stay.
QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

UpdateAnswer UpdateAnswer::parse(const QByteArray& body)
{
    const QStringList fields = trimSpaces(QString::fromUtf8(body)).split(QLatin1Char('|'));
    UpdateAnswer answer;
    if (fields.size() < FieldCount) {
        answer.failure = updatetexts::Incomplete();
        return answer;
    }
    for (const QString& field : fields) {
        if (field.size() > MaxFieldLength) {
            answer.failure = updatetexts::TooLong();
            return answer;
        }
    }
    // The checksum may end the body, line break and all.
    const QString sha256 = fields.value(FieldCount).trimmed();
    answer.offer = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], sha256};
    answer.message = fields[6];
    return answer;
}

} // namespace spinledger
