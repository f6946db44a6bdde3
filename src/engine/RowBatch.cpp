#include "engine/RowBatch.h"

#include "store/Database.h"

#include <algorithm>

namespace spinledger {

namespace {

// The engine takes at most 999 values a statement; more rows than this
// buy nothing measurable.
constexpr int MaxValues = 999;
constexpr int MaxRows = 32;

} // namespace

RowBatch::RowBatch(Database& db, const std::string& columns, int width, qint64 keyBefore)
    : m_db(db), m_columns(columns), m_width(width),
      m_rowsPerStatement(std::clamp(MaxValues / std::max(width, 1), 1, MaxRows)), m_keyBefore(keyBefore)
{
    m_values.reserve(size_t(m_width) * size_t(m_rowsPerStatement));
    m_fullInsert = insertOf(m_rowsPerStatement);
}

void RowBatch::endRow()
{
    if (m_values.size() % size_t(m_width) != 0)
        throw DbError("a row of " + m_columns + " with " + std::to_string(m_values.size() % size_t(m_width)) +
                      " values too many");
    if (m_values.size() >= size_t(m_width) * size_t(m_rowsPerStatement))
        flush();
}

void RowBatch::flush()
{
    if (m_values.empty())
        return;
    const int rows = int(m_values.size() / size_t(m_width));
    Statement q = m_db.prepare(rows == m_rowsPerStatement ? m_fullInsert : insertOf(rows));
    for (const Value& v : m_values) {
        if (const auto* i = std::get_if<qint64>(&v))
            q.add(*i);
        else if (const auto* d = std::get_if<double>(&v))
            q.add(*d);
        else if (const auto* s = std::get_if<QString>(&v))
            q.add(*s);
        else
            q.addNull();
    }
    m_values.clear();
    q.run();
    m_rowsWritten += rows;
    const qint64 foreseen = m_keyBefore + m_rowsWritten;
    if (m_db.lastInsertId() != foreseen)
        throw DbError("the rows of " + m_columns + " got keys up to " + std::to_string(m_db.lastInsertId()) +
                      " instead of " + std::to_string(foreseen));
}

std::string RowBatch::insertOf(int rows) const
{
    std::string row = "(?";
    for (int i = 1; i < m_width; ++i)
        row += ",?";
    row += ')';
    std::string sql = "INSERT INTO " + m_columns + " VALUES " + row;
    for (int r = 1; r < rows; ++r)
        sql += ',' + row;
    return sql;
}

} // namespace spinledger
