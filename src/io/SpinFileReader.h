#pragma once

#include "io/SpinList.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace spinledger {

class Wheel;

// Why a spin file is refused: the line (0 for the file as a whole), the cell
// of a row of several pockets (0 for the row), what it holds and the reason.
struct FileProblem
{
    qint64 line = 0;
    qint64 cell = 0;
    QString content;
    QString reason;

    // "line 7 ("37;2026-01-02 10:00"): "37" is no pocket of this wheel (0, 00, 1-36)"
    // or "line 1, cell 4: ..."
    QString text() const;
};

// Checks the bytes of a spin file and turns them into a SpinList. Accepted:
// CSV or plain text in UTF-8 (optionally with a byte-order mark) or UTF-16
// with one; separators comma, semicolon or tab, told from the first line, or
// else spaces; quoting is libcsv's; blank lines and rows of empty cells are
// skipped. Two layouts:
//  - a list: no header row and a first row of numbers only (one or many):
//    every cell of every row is a pocket, row by row, left to right;
//  - a table: a header row, or a first row that holds more than numbers. The
//    pocket is in the column the header names pocket, number, spin or result
//    (any case, in this order of preference), else in the one column of
//    numbers (several of them are refused as ambiguous); an optional stamp
//    column (date_time, datetime, timestamp or stamp; or date with an
//    optional time column; without a header, the first column holding an
//    ISO 8601 date) whose stamps never go backwards.
// Stamps lie between 1900-01-01 and a day after the moment of the import.
class SpinFileReader
{
    Q_DECLARE_TR_FUNCTIONS(SpinFileReader)
public:
    // Pockets are those of the wheel; 00 only while it is switched on.
    // Stamps before notBefore (the casino's newest spin) or after notAfter
    // are refused as well.
    SpinFileReader(const Wheel& wheel, bool zeroZeroOn, std::optional<qint64> notBefore, qint64 notAfter);

    enum class End
    {
        Done,
        Stopped,
        Refused, // problem() says why
    };
    // Reads the whole file; `name` names it in refusals. Progress gets the
    // bytes read and their number and returns false to stop.
    End read(QByteArray bytes, const QString& name, const std::function<bool(qint64, qint64)>& progress = {});

    const FileProblem& problem() const { return m_state.problem; }
    SpinList take() { return std::move(m_state.list); }
    const SpinList& spins() const { return m_state.list; }

    // 1900-01-01T00:00, the earliest stamp taken, in OleStamp::msecs().
    static qint64 earliestStamp();

private:
    friend struct CsvCallbacks;

    enum class Phase
    {
        FirstRow, // the cells of a row are kept until the layout is known
        List,
        Table,
    };
    // Columns count from 1; 0 is none.
    struct Columns
    {
        int pocket = 0;
        int stamp = 0;
        int time = 0;  // a separate time of the date column
        int width = 0; // cells a row may hold; 0 while not known
    };

    bool line(qint64 number, const char* begin, const char* end);
    void chooseSeparator(QByteArrayView firstLine);
    void cell(QByteArrayView text);
    void endRow();
    void decide();
    bool isHeader(const QList<std::pair<int, QByteArray>>& cells) const;
    void readHeader(const QList<std::pair<int, QByteArray>>& cells);
    bool chooseColumns(const QList<std::pair<int, QByteArray>>& cells);
    QString columnName(int column) const;
    void listCell(QByteArrayView text);
    void tableCell(QByteArrayView text);
    void tableRow();
    int checkedPocket(QByteArrayView label, qint64 cell);
    bool stampOf(QByteArrayView date, QByteArrayView time, qint64& stamp);
    bool refuse(const QString& reason, qint64 cell = 0);

    const Wheel& m_wheel;
    bool m_zeroZeroOn;
    std::optional<qint64> m_notBefore;
    qint64 m_notAfter;
    std::array<qint8, 1 << 16> m_pocketOfKey{}; // pocket index + 1 by the label's up to two bytes

    // What one reading has found out so far.
    struct State
    {
        char separator = 0;
        Phase phase = Phase::FirstRow;
        Columns columns;
        QStringList headerNames;
        QList<std::pair<int, QByteArray>> firstCells; // column and text of the cells not blank
        bool headerSeen = false;
        bool skipRow = false; // the rest of the header row
        int column = 0;       // cells of the current row so far
        bool rowBlank = true;
        bool rowTooWide = false;
        bool severalCells = false; // the record's first line holds a separator
        QByteArray pocketCell, stampCell, timeCell;
        const char* recordBegin = nullptr; // the record's first line in the bytes
        const char* lineEnd = nullptr;
        bool inRecord = false;
        bool stop = false;
        qint64 recordLine = 0;
        std::optional<qint64> lastStamp;
        SpinList list;
        FileProblem problem;
    };
    State m_state;
};

} // namespace spinledger
