#include "io/CsvWriter.h"

#include <csv.h>

#include <QIODevice>

namespace spinledger {

namespace {

constexpr qsizetype FlushAt = 1 << 18;

bool needsQuotes(QByteArrayView f)
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

CsvWriter::CsvWriter(QIODevice& out) : m_out(out)
{
    m_buffer.reserve(size_t(FlushAt) * 2);
}

void CsvWriter::byteOrderMark()
{
    m_buffer.append("\xEF\xBB\xBF");
}

void CsvWriter::field(QByteArrayView utf8)
{
    if (m_rowStarted)
        m_buffer.push_back(',');
    m_rowStarted = true;
    if (!needsQuotes(utf8)) {
        m_buffer.append(utf8.data(), size_t(utf8.size()));
        return;
    }
    // Every quote doubled and two around: at most twice the size plus two.
    const size_t at = m_buffer.size();
    const size_t room = size_t(2 * utf8.size() + 2);
    m_buffer.resize(at + room);
    m_buffer.resize(at + csv_write(m_buffer.data() + at, room, utf8.data(), size_t(utf8.size())));
}

void CsvWriter::endRow()
{
    m_buffer.append("\r\n");
    m_rowStarted = false;
    if (m_buffer.size() >= size_t(FlushAt))
        flush();
}

bool CsvWriter::flush()
{
    if (!m_buffer.empty() && !m_failed)
        m_failed = m_out.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size());
    m_buffer.clear();
    return !m_failed;
}

} // namespace spinledger
