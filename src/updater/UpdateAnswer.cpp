#include "updater/UpdateAnswer.h"

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
    if (fields.size() < FieldCount)
        return answer;
    answer.complete = true;
    answer.offer = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    answer.message = fields[6];
    return answer;
}

} // namespace spinledger
