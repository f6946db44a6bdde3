#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace spinledger {

class Wheel;

// Why a spin file is refused: the line (0 for the file as a whole), what the
// line holds and the reason.
struct FileProblem
{
    qint64 line = 0;
    QString content;
    QString reason;

    // "line 7 ("37;2026-01-02 10:00"): 37 is no pocket of this wheel (0, 00, 1-36)"
    QString text() const;
};

// One spin of a file: its line, its pocket and, when the file has a date and
// time column, its stamp (OleStamp::msecs()).
struct FileSpin
{
    qint64 line = 0;
    int pocket = -1;
    std::optional<qint64> stamp;
};

// Reads a spin file a line at a time, so its size does not matter to memory.
// Accepted: CSV or plain text in UTF-8 (optionally with a byte-order mark) or
// UTF-16 with one; separators comma, semicolon, tab or one pocket per line,
// told from the first line; an optional header row; the pocket in the column
// named pocket, number, spin or result (any case, in this order of
// preference), else the first column; an optional stamp column (date_time,
// datetime, timestamp or stamp; or date with an optional time column; in a
// file without header, the first other column holding an ISO 8601 date) whose
// stamps never go backwards; blank lines skipped. Quoting is libcsv's.
class SpinFileReader
{
public:
    static constexpr qint64 MaxBytes = 50LL * 1024 * 1024;

    // Pockets are those of the wheel; 00 only while it is switched on. Stamps
    // before notBefore (the casino's newest spin) are refused as well.
    SpinFileReader(const Wheel& wheel, bool zeroZeroOn, std::optional<qint64> notBefore = std::nullopt);

    // Hands every spin to `each`, in file order, after checking it; `each`
    // returns false to stop. Progress gets the bytes read and the file size
    // and returns false to stop as well.
    enum class End
    {
        Done,
        Stopped,
        Refused, // problem() says why
    };
    End read(const QString& path, const std::function<bool(const FileSpin&)>& each,
             const std::function<bool(qint64, qint64)>& progress = {});

    const FileProblem& problem() const { return m_state.problem; }
    qint64 spins() const { return m_state.spins; }

private:
    friend struct CsvCallbacks;

    enum class LineUse
    {
        Parse,
        Skip, // blank
        Stop, // refused
    };
    LineUse line(qint64 number, QByteArray& text);
    bool record(QList<QByteArray>& fields);
    void chooseSeparator(const QByteArray& firstLine);
    bool isHeader(const QStringList& cells) const;
    void readHeader(const QStringList& cells);
    void findStampColumn(const QStringList& cells);
    bool spin(const QList<QByteArray>& fields);
    bool refuse(const QString& reason, bool withLine = true);

    const Wheel& m_wheel;
    bool m_zeroZeroOn;
    std::optional<qint64> m_notBefore;
    std::function<bool(const FileSpin&)> m_each;

    // What one reading has found out so far.
    struct State
    {
        char separator = 0; // 0: one pocket per line
        bool columnsKnown = false;
        int pocketColumn = 0;
        int stampColumn = -1;
        int timeColumn = -1; // a separate time of the date column
        bool inRecord = false;
        bool stopped = false;
        qint64 recordLine = 0;
        QByteArray recordText;
        std::optional<qint64> lastStamp;
        qint64 spins = 0;
        FileProblem problem;
    };
    State m_state;
};

} // namespace spinledger
