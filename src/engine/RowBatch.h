#pragma once

#include <QString>

#include <string>
#include <variant>
#include <vector>

namespace spinledger {

class Database;

// Rows of one table written many to a statement. A long import otherwise
// spends much of its time starting and ending statements, one a row. Rows
// still held when the batch goes are not written: flush() before the
// transaction commits.
//
// The table gives the keys (AUTOINCREMENT: one more than the highest it
// handed out, row after row), and the batch knows them in advance, so rows
// of other tables can name them: inside the caller's transaction nobody
// else writes the table. Each statement checks that its last row got the
// key foreseen. Keys given in the statement would be slower: the engine
// then checks each for a row that has it already.
class RowBatch
{
public:
    // columns: the table's column list as an INSERT names it, "t (a, b, c)",
    // without the key; keyBefore: the highest key the table handed out.
    RowBatch(Database& db, const std::string& columns, int width, qint64 keyBefore);

    // The key the next row will get.
    // Rows are to come in the order of their keys.
    qint64 newKey() { return m_keyBefore + ++m_keysHandedOut; }

    RowBatch& add(qint64 value) { return put(value); }
    RowBatch& add(int value) { return put(qint64(value)); }
    RowBatch& add(double value) { return put(value); }
    RowBatch& add(const QString& value) { return put(value); }
    RowBatch& add(const char* value) { return put(QString::fromUtf8(value)); }
    RowBatch& addNull() { return put(std::monostate()); }
    // Ends the row begun by the adds before; writes the rows held once
    // there are enough of them for one statement.
    void endRow();
    void flush();

private:
    using Value = std::variant<std::monostate, qint64, double, QString>;
    template <typename T> RowBatch& put(T&& value)
    {
        m_values.emplace_back(std::forward<T>(value));
        return *this;
    }
    std::string insertOf(int rows) const;

    Database& m_db;
    std::string m_columns;
    int m_width;
    int m_rowsPerStatement;
    const qint64 m_keyBefore;
    qint64 m_keysHandedOut = 0;
    qint64 m_rowsWritten = 0;
    std::vector<Value> m_values;
    std::string m_fullInsert; // the statement of a full batch, made once
};

} // namespace spinledger
