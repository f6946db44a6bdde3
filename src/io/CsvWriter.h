#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>

class QIODevice;

namespace spinledger {

// Writes RFC 4180 rows: comma separated, CRLF after each row, a field quoted
// by libcsv when it holds a comma, a quote, a line break or surrounding
// blanks, and written as it is otherwise. Buffered; flush() at the end.
class CsvWriter
{
public:
    explicit CsvWriter(QIODevice& out);

    // The UTF-8 byte-order mark, which makes spreadsheets read the file as UTF-8.
    void byteOrderMark();
    void field(QByteArrayView utf8);
    void field(const QByteArray& utf8) { field(QByteArrayView(utf8)); }
    void field(const QString& text) { field(QByteArrayView(text.toUtf8())); }
    void endRow();
    // False when the device refused the bytes.
    bool flush();

private:
    QIODevice& m_out;
    std::string m_buffer;
    bool m_rowStarted = false;
    bool m_failed = false;
};

} // namespace spinledger
