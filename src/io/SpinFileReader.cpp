#include "io/SpinFileReader.h"

#include "io/IsoStamp.h"
#include "store/OleDate.h"
#include "wheel/Wheel.h"

#include <csv.h>

#include <QHash>
#include <QStringDecoder>

#include <cstring>
#include <memory>

namespace spinledger {

namespace {

constexpr qint64 ChunkBytes = 1 << 20;
// A byte that cannot be in an accepted line (control characters are refused
// as binary data) separates the fields of a file of one cell per line, so
// such a line always is one field.
constexpr unsigned char NoSeparator = 0x1F;
// At most this much of a line or a cell is quoted in a refusal, so that a
// line of megabytes gives a message of one line.
constexpr int ShownContent = 80;
// Cells of a first row that tell its layout: a longer row (a list of
// thousands of pockets on one line) is judged by its start.
constexpr int DecideCells = 64;

const QStringList PocketNames{QStringLiteral("pocket"), QStringLiteral("number"), QStringLiteral("spin"),
                              QStringLiteral("result")};
const QStringList StampNames{QStringLiteral("date_time"), QStringLiteral("datetime"),
                             QStringLiteral("timestamp"), QStringLiteral("stamp")};
const QString DateName = QStringLiteral("date");
const QString TimeName = QStringLiteral("time");

bool isBinary(QByteArrayView line)
{
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\f') || c == 0x7F)
            return true;
    }
    return false;
}

QString shown(const QString& text)
{
    QString s = text.trimmed();
    if (s.size() > ShownContent)
        s = s.left(ShownContent - 1) + QChar(0x2026);
    return s;
}

QString shown(QByteArrayView text)
{
    // Cut before decoding, so a cell of megabytes is never decoded whole.
    return shown(QString::fromUtf8(text.first(std::min<qsizetype>(text.size(), 4 * ShownContent))));
}

bool isNumber(QByteArrayView cell)
{
    if (cell.isEmpty())
        return false;
    for (char c : cell) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool hasDigit(QByteArrayView cell)
{
    for (char c : cell) {
        if (c >= '0' && c <= '9')
            return true;
    }
    return false;
}

// The index a label of up to two bytes is found under.
int keyOf(QByteArrayView label)
{
    if (label.size() == 1)
        return static_cast<unsigned char>(label[0]);
    if (label.size() == 2)
        return static_cast<unsigned char>(label[0]) << 8 | static_cast<unsigned char>(label[1]);
    return -1;
}

// "column 1 and column 3", "column "a", column "b" and column 4".
QString listOfColumns(const QStringList& names)
{
    return SpinFileReader::tr("%1 and %2")
        .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.back());
}

// UTF-16 with its byte-order mark becomes UTF-8, a megabyte at a time so
// that the file is never held three times.
QByteArray utf8Of(const QByteArray& bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    QByteArray out;
    for (qsizetype at = 2; at < bytes.size(); at += ChunkBytes)
        out +=
            QString(decoder.decode(QByteArrayView(bytes).sliced(at, std::min(ChunkBytes, bytes.size() - at))))
                .toUtf8();
    return out;
}

} // namespace

// libcsv calls plain functions; this carries the reader to them.
struct CsvCallbacks
{
    static void field(void* data, size_t length, void* self)
    {
        static_cast<SpinFileReader*>(self)->cell(
            QByteArrayView(static_cast<const char*>(data), qsizetype(length)));
    }
    static void row(int, void* self) { static_cast<SpinFileReader*>(self)->endRow(); }
};

QString FileProblem::text() const
{
    if (line <= 0)
        return reason;
    if (cell > 0)
        return SpinFileReader::tr("line %1, cell %2: %3").arg(line).arg(cell).arg(reason);
    if (content.isEmpty())
        return SpinFileReader::tr("line %1: %2").arg(line).arg(reason);
    return SpinFileReader::tr("line %1 (\"%2\"): %3").arg(line).arg(content, reason);
}

SpinFileReader::SpinFileReader(const Wheel& wheel, bool zeroZeroOn, std::optional<qint64> notBefore,
                               qint64 notAfter)
    : m_wheel(wheel), m_zeroZeroOn(zeroZeroOn), m_notBefore(notBefore), m_notAfter(notAfter)
{
    for (int i = 0; i < m_wheel.pocketCount(); ++i)
        m_pocketOfKey[size_t(keyOf(m_wheel.label(i).toLatin1()))] = qint8(i + 1);
}

qint64 SpinFileReader::earliestStamp()
{
    return OleStamp::msecsOf(QDate(1900, 1, 1), 0);
}

SpinFileReader::End SpinFileReader::read(QByteArray bytes, const QString& name,
                                         const std::function<bool(qint64, qint64)>& progress)
{
    m_state = State{};
    const bool empty = bytes.isEmpty();
    if (bytes.startsWith("\xFF\xFE"))
        bytes = utf8Of(bytes, QStringDecoder::Utf16LE);
    else if (bytes.startsWith("\xFE\xFF"))
        bytes = utf8Of(bytes, QStringDecoder::Utf16BE);
    const char* const first = bytes.constData() + (bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    const char* const last = bytes.constData() + bytes.size();

    csv_parser parser;
    csv_init(&parser, 0);
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freeParser(&parser, csv_free);
    qint64 lineNumber = 0;
    qint64 sinceProgress = 0;
    bool stopped = false;
    const auto parse = [&](const char* at, size_t n) {
        csv_parse(&parser, at, n, &CsvCallbacks::field, &CsvCallbacks::row, this);
    };
    for (const char* begin = first; begin < last && !m_state.stop;) {
        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', size_t(last - begin)));
        const char* end = newline ? newline : last;
        const char* next = newline ? newline + 1 : last;
        if (end > begin && end[-1] == '\r')
            --end;
        if (!line(++lineNumber, begin, end)) {
            begin = next;
            continue;
        }
        csv_set_delim(&parser,
                      m_state.separator == 0 ? NoSeparator : static_cast<unsigned char>(m_state.separator));
        // A long line goes in by the megabyte, with progress between.
        for (const char* at = begin; !m_state.stop;) {
            const auto n = size_t(std::min<qint64>(ChunkBytes, end - at));
            parse(at, n);
            at += n;
            sinceProgress += qint64(n);
            if (sinceProgress >= ChunkBytes && progress && !m_state.stop) {
                sinceProgress = 0;
                stopped = !progress(at - first, last - first);
                m_state.stop = m_state.stop || stopped;
            }
            if (at >= end)
                break;
        }
        if (!m_state.stop)
            parse("\n", 1);
        begin = next;
    }
    if (!m_state.stop)
        csv_fini(&parser, &CsvCallbacks::field, &CsvCallbacks::row, this);
    if (!m_state.stop && progress)
        progress(last - first, last - first);

    if (!m_state.problem.reason.isEmpty())
        return End::Refused;
    if (stopped)
        return End::Stopped;
    if (m_state.list.pockets.empty()) {
        m_state.problem.reason = empty ? tr("%1 is empty").arg(name) : tr("%1 holds no spins").arg(name);
        return End::Refused;
    }
    return End::Done;
}

// False for a line that is skipped (blank) or refused.
bool SpinFileReader::line(qint64 number, const char* begin, const char* end)
{
    const QByteArrayView text(begin, end - begin);
    m_state.lineEnd = end;
    if (isBinary(text)) {
        m_state.recordLine = number;
        m_state.recordBegin = nullptr;
        return refuse(tr("binary data, so this is no spin file"));
    }
    if (m_state.inRecord)
        return true;
    const QByteArrayView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    if (m_state.recordLine == 0)
        chooseSeparator(text);
    m_state.inRecord = true;
    m_state.recordLine = number;
    m_state.recordBegin = begin;
    m_state.severalCells = m_state.separator != 0 && trimmed.contains(m_state.separator);
    return true;
}

// The separator that the first line holds most of, outside quotes; for a tie
// tab before semicolon before comma (a semicolon file may have decimal commas);
// without any of them, the spaces between the cells of a list.
void SpinFileReader::chooseSeparator(QByteArrayView firstLine)
{
    int tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\t')
            ++tabs;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == ',')
            ++commas;
    }
    m_state.separator = ' ';
    int best = 0;
    for (const auto& [count, separator] : {std::pair{tabs, '\t'}, {semicolons, ';'}, {commas, ','}}) {
        if (count > best) {
            best = count;
            m_state.separator = separator;
        }
    }
}

void SpinFileReader::cell(QByteArrayView text)
{
    ++m_state.column;
    if (m_state.stop || m_state.skipRow)
        return;
    const QByteArrayView cell = text.trimmed();
    switch (m_state.phase) {
    case Phase::FirstRow:
        if (!cell.isEmpty())
            m_state.firstCells.append({m_state.column, cell.toByteArray()});
        if (m_state.firstCells.size() >= DecideCells)
            decide();
        break;
    case Phase::List:
        listCell(cell);
        break;
    case Phase::Table:
        tableCell(cell);
        break;
    }
}

void SpinFileReader::endRow()
{
    m_state.inRecord = false;
    if (!m_state.stop && m_state.phase == Phase::FirstRow && !m_state.skipRow &&
        !m_state.firstCells.isEmpty())
        decide();
    if (m_state.skipRow) {
        // The header row: its width is what a row may hold.
        m_state.columns.width = m_state.column;
        m_state.skipRow = false;
    } else if (m_state.phase == Phase::Table && !m_state.stop) {
        tableRow();
    }
    m_state.column = 0;
    m_state.rowBlank = true;
    m_state.rowTooWide = false;
    m_state.pocketCell.clear();
    m_state.stampCell.clear();
    m_state.timeCell.clear();
}

// The first row that is not blank tells the layout: a header, a list or a
// table. Its cells then go to the layout's reading.
void SpinFileReader::decide()
{
    const QList<std::pair<int, QByteArray>> cells = std::move(m_state.firstCells);
    m_state.firstCells.clear();
    if (!m_state.headerSeen && isHeader(cells)) {
        m_state.headerSeen = true;
        m_state.skipRow = true;
        readHeader(cells);
        if (m_state.columns.pocket > 0)
            m_state.phase = Phase::Table;
        return;
    }
    if (!chooseColumns(cells))
        return;
    const int column = m_state.column;
    for (const auto& [at, text] : cells) {
        m_state.column = at;
        if (m_state.phase == Phase::List)
            listCell(text);
        else
            tableCell(text);
    }
    m_state.column = column;
}

// A header names a known column, or holds no digit at all: "1o" is a
// mistyped pocket, not a header.
bool SpinFileReader::isHeader(const QList<std::pair<int, QByteArray>>& cells) const
{
    bool digits = false;
    for (const auto& [column, text] : cells) {
        const QString name = QString::fromUtf8(text).toLower();
        if (PocketNames.contains(name) || StampNames.contains(name) || name == DateName)
            return true;
        digits = digits || hasDigit(text);
    }
    return !digits;
}

void SpinFileReader::readHeader(const QList<std::pair<int, QByteArray>>& cells)
{
    QHash<QString, int> columnOf;
    for (const auto& [column, text] : cells) {
        const QString name = QString::fromUtf8(text);
        columnOf.insert(name.toLower(), column);
        while (m_state.headerNames.size() < column)
            m_state.headerNames.append(QString());
        m_state.headerNames[column - 1] = name;
    }
    Columns& c = m_state.columns;
    for (const QString& n : PocketNames) {
        if ((c.pocket = columnOf.value(n)) > 0)
            break;
    }
    for (const QString& n : StampNames) {
        if ((c.stamp = columnOf.value(n)) > 0)
            break;
    }
    if (c.stamp == 0) {
        c.stamp = columnOf.value(DateName);
        if (c.stamp > 0)
            c.time = columnOf.value(TimeName);
    }
}

// The columns of a file whose header names no pocket column, from its first
// row: numbers only (and no header) make a list; else the one column of
// numbers holds the pockets, and without a header the first column of ISO
// dates the stamps.
bool SpinFileReader::chooseColumns(const QList<std::pair<int, QByteArray>>& cells)
{
    Columns& c = m_state.columns;
    QList<int> numbers;
    int stamp = 0;
    bool other = false;
    for (const auto& [column, text] : cells) {
        if (column == c.stamp || column == c.time)
            continue;
        if (isNumber(text))
            numbers << column;
        else if (!m_state.headerSeen && stamp == 0 && text.size() <= ShownContent &&
                 IsoStamp::parse(QString::fromUtf8(text)))
            stamp = column;
        else
            other = true;
    }
    if (!m_state.headerSeen && stamp == 0 && !other) {
        m_state.phase = Phase::List;
        m_state.list.layout = SpinList::Layout::List;
        return true;
    }
    if (m_state.separator == ' ' && cells.size() > 1)
        return refuse(tr("cells parted by spaces are read as a list of pockets; the columns of a table are "
                         "parted by commas, semicolons or tabs"));
    if (numbers.size() > 1) {
        QStringList names;
        for (int n : numbers)
            names << columnName(n);
        return refuse(
            tr("%1 hold numbers, and no header row names the pocket column (pocket, number, spin or "
               "result)")
                .arg(listOfColumns(names)));
    }
    if (!m_state.headerSeen)
        c.stamp = stamp;
    c.pocket = numbers.isEmpty() ? (c.stamp == 1 || c.time == 1 ? 2 : 1) : numbers.front();
    m_state.phase = Phase::Table;
    return true;
}

QString SpinFileReader::columnName(int column) const
{
    const QString name = m_state.headerNames.value(column - 1);
    return name.isEmpty() ? tr("column %1").arg(column) : tr("column \"%1\"").arg(shown(name));
}

void SpinFileReader::listCell(QByteArrayView cell)
{
    if (cell.isEmpty())
        return;
    const int pocket = checkedPocket(cell, m_state.severalCells ? m_state.column : 0);
    if (pocket >= 0)
        m_state.list.pockets.push_back(quint8(pocket));
}

void SpinFileReader::tableCell(QByteArrayView cell)
{
    if (cell.isEmpty())
        return;
    m_state.rowBlank = false;
    const Columns& c = m_state.columns;
    const int at = m_state.column;
    if (at == c.pocket)
        m_state.pocketCell = cell.toByteArray();
    else if (at == c.stamp)
        m_state.stampCell = cell.toByteArray();
    else if (at == c.time)
        m_state.timeCell = cell.toByteArray();
    if (c.width > 0 && at > c.width)
        m_state.rowTooWide = true;
}

void SpinFileReader::tableRow()
{
    if (m_state.rowBlank)
        return; // a row of empty cells, as spreadsheets leave them
    Columns& c = m_state.columns;
    if (c.width == 0)
        c.width = m_state.column;
    if (m_state.rowTooWide) {
        refuse(m_state.headerSeen
                   ? tr("the row holds more cells than the %1 columns of the header row").arg(c.width)
                   : tr("the row holds more cells than the %1 columns of the first row").arg(c.width));
        return;
    }
    if (m_state.list.pockets.empty()) {
        m_state.list.layout = SpinList::Layout::Table;
        m_state.list.pocketColumn = columnName(c.pocket);
        if (c.stamp > 0)
            m_state.list.stampColumn =
                c.time > 0 ? listOfColumns({columnName(c.stamp), columnName(c.time)}) : columnName(c.stamp);
    }
    const int pocket = checkedPocket(m_state.pocketCell, 0);
    if (pocket < 0)
        return;
    if (c.stamp > 0) {
        qint64 stamp = 0;
        if (!stampOf(m_state.stampCell, m_state.timeCell, stamp))
            return;
        m_state.list.stamps.push_back(stamp);
    }
    m_state.list.pockets.push_back(quint8(pocket));
}

// The pocket index of a label, or -1 after refusing it.
int SpinFileReader::checkedPocket(QByteArrayView label, qint64 cell)
{
    if (label.isEmpty()) {
        refuse(tr("there is no pocket"), cell);
        return -1;
    }
    const int key = keyOf(label);
    const int pocket = key >= 0 ? m_pocketOfKey[size_t(key)] - 1 : -1;
    if (pocket >= 0 && label == "00" && !m_zeroZeroOn) {
        refuse(tr("00 is switched off for this wheel"), cell);
        return -1;
    }
    if (pocket < 0) {
        refuse(tr("\"%1\" is no pocket of this wheel (0, %2%3)")
                   .arg(shown(label), m_zeroZeroOn ? QStringLiteral("00, ") : QString(),
                        QStringLiteral("1-") + QString::number(m_wheel.pocketCount() - 2)),
               cell);
        return -1;
    }
    return pocket;
}

bool SpinFileReader::stampOf(QByteArrayView date, QByteArrayView time, qint64& stamp)
{
    QString text = shown(date);
    if (!time.isEmpty())
        text += u'T' + shown(time);
    if (text.isEmpty())
        return refuse(tr("the date and time are missing"));
    const std::optional<qint64> parsed = date.size() <= ShownContent ? IsoStamp::parse(text) : std::nullopt;
    if (!parsed)
        return refuse(tr("\"%1\" is no ISO 8601 date and time (such as 2026-12-06T18:00:00)").arg(text));
    if (*parsed < earliestStamp())
        return refuse(tr("\"%1\" is before 1900-01-01").arg(text));
    if (*parsed > m_notAfter)
        return refuse(tr("\"%1\" is more than a day after the moment of the import").arg(text));
    if (m_state.lastStamp && *parsed < *m_state.lastStamp)
        return refuse(tr("%1 is earlier than the spin before it (%2)")
                          .arg(IsoStamp::text(*parsed), IsoStamp::text(*m_state.lastStamp)));
    if (!m_state.lastStamp && m_notBefore && *parsed < *m_notBefore)
        return refuse(tr("%1 is earlier than the casino's newest spin (%2)")
                          .arg(IsoStamp::text(*parsed), IsoStamp::text(*m_notBefore)));
    m_state.lastStamp = stamp = *parsed;
    return true;
}

bool SpinFileReader::refuse(const QString& reason, qint64 cell)
{
    const char* begin = m_state.recordBegin;
    const QString content =
        cell > 0 || !begin ? QString() : shown(QByteArrayView(begin, m_state.lineEnd - begin));
    m_state.problem = {m_state.recordLine, cell, content, reason};
    m_state.stop = true;
    return false;
}

} // namespace spinledger
