#include "io/CsvWriter.h"

#include <csv.h>

#include <QIODevice>

namespace spinledger {

namespace {

constexpr qsizetype FlushAt = 1 << 18;

bool needsQuotes(const QByteArray& f)
{
    if (f.isEmpty())
        return false;
    if (f.front() == ' ' || f.back() == ' ' || f.front() == '\t' || f.back() == '\t')
        return true;
    for (char c : f) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

} // namespace

void CsvWriter::byteOrderMark()
{
    m_buffer.append("\xEF\xBB\xBF");
}

void CsvWriter::field(const QByteArray& utf8)
{
    if (m_rowStarted)
        m_buffer.append(',');
    m_rowStarted = true;
    if (!needsQuotes(utf8)) {
        m_buffer.append(utf8);
        return;
    }
    // Every quote doubled and two around: at most twice the size plus two.
    const qsizetype at = m_buffer.size();
    m_buffer.resize(at + 2 * utf8.size() + 2);
    const size_t written =
        csv_write(m_buffer.data() + at, size_t(2 * utf8.size() + 2), utf8.constData(), size_t(utf8.size()));
    m_buffer.resize(at + qsizetype(written));
}

void CsvWriter::endRow()
{
    m_buffer.append("\r\n");
    m_rowStarted = false;
    if (m_buffer.size() >= FlushAt)
        flush();
}

bool CsvWriter::flush()
{
    if (!m_buffer.isEmpty() && !m_failed)
        m_failed = m_out.write(m_buffer) != m_buffer.size();
    m_buffer.clear();
    return !m_failed;
}

} // namespace spinledger
