#include "io/SpinFileReader.h"

#include "io/IsoStamp.h"
#include "wheel/Wheel.h"

#include <csv.h>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <memory>

namespace spinledger {

namespace {

constexpr qint64 ChunkBytes = 1 << 20;
// A byte that cannot be in an accepted line (control characters are refused
// as binary data) separates the fields of a file of one pocket per line, so
// such a line always is one field.
constexpr unsigned char NoSeparator = 0x1F;
constexpr int ShownContent = 60;

const QStringList PocketNames{QStringLiteral("pocket"), QStringLiteral("number"), QStringLiteral("spin"),
                              QStringLiteral("result")};
const QStringList StampNames{QStringLiteral("date_time"), QStringLiteral("datetime"),
                             QStringLiteral("timestamp"), QStringLiteral("stamp")};
const QString DateName = QStringLiteral("date");
const QString TimeName = QStringLiteral("time");

bool isBinary(const QByteArray& line)
{
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\f') || c == 0x7F)
            return true;
    }
    return false;
}

QString shown(const QByteArray& text)
{
    QString s = QString::fromUtf8(text).trimmed();
    if (s.size() > ShownContent)
        s = s.left(ShownContent - 1) + QChar(0x2026);
    return s;
}

bool hasDigit(const QString& s)
{
    for (QChar c : s) {
        if (c.isDigit())
            return true;
    }
    return false;
}

} // namespace

// libcsv calls plain functions; this carries the reader and the fields of
// the record being read to them.
struct CsvCallbacks
{
    SpinFileReader* reader;
    QList<QByteArray> fields;
    bool stop = false;

    static void field(void* data, size_t length, void* self)
    {
        auto* cb = static_cast<CsvCallbacks*>(self);
        cb->fields.append(QByteArray(static_cast<const char*>(data), qsizetype(length)));
    }
    static void row(int, void* self)
    {
        auto* cb = static_cast<CsvCallbacks*>(self);
        if (!cb->stop && !cb->reader->record(cb->fields))
            cb->stop = true;
        cb->fields.clear();
    }
};

QString FileProblem::text() const
{
    if (line <= 0)
        return reason;
    if (content.isEmpty())
        return QStringLiteral("line %1: %2").arg(line).arg(reason);
    return QStringLiteral("line %1 (\"%2\"): %3").arg(line).arg(content, reason);
}

SpinFileReader::SpinFileReader(const Wheel& wheel, bool zeroZeroOn, std::optional<qint64> notBefore)
    : m_wheel(wheel), m_zeroZeroOn(zeroZeroOn), m_notBefore(notBefore)
{
}

SpinFileReader::End SpinFileReader::read(const QString& path,
                                         const std::function<bool(const FileSpin&)>& each,
                                         const std::function<bool(qint64, qint64)>& progress)
{
    m_state = State{};
    m_each = each;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(QStringLiteral("%1 cannot be read: %2").arg(name, file.errorString()), false);
        return End::Refused;
    }
    const qint64 size = file.size();
    if (size > MaxBytes) {
        refuse(QStringLiteral("%1 is larger than 50 MB").arg(name), false);
        return End::Refused;
    }

    csv_parser parser;
    csv_init(&parser, 0);
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freeParser(&parser, csv_free);
    CsvCallbacks callbacks{this, {}};
    std::optional<QStringDecoder> utf16;
    QByteArray pending;
    qint64 lineNumber = 0;
    qint64 done = 0;

    // False once the file is refused or `each` stopped.
    auto take = [&](QByteArray text) {
        switch (line(++lineNumber, text)) {
        case LineUse::Skip:
            return true;
        case LineUse::Stop:
            return false;
        case LineUse::Parse:
            break;
        }
        text += '\n';
        csv_set_delim(&parser,
                      m_state.separator ? static_cast<unsigned char>(m_state.separator) : NoSeparator);
        csv_parse(&parser, text.constData(), size_t(text.size()), &CsvCallbacks::field, &CsvCallbacks::row,
                  &callbacks);
        return !callbacks.stop;
    };

    bool going = true;
    for (QByteArray chunk = file.read(ChunkBytes); going && !chunk.isEmpty(); chunk = file.read(ChunkBytes)) {
        const bool firstChunk = done == 0;
        done += chunk.size();
        if (firstChunk) {
            if (chunk.startsWith("\xEF\xBB\xBF"))
                chunk.remove(0, 3);
            else if (chunk.startsWith("\xFF\xFE"))
                utf16.emplace(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
            else if (chunk.startsWith("\xFE\xFF"))
                utf16.emplace(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
            if (utf16)
                chunk.remove(0, 2);
        }
        pending += utf16 ? QString(utf16->decode(chunk)).toUtf8() : chunk;
        qsizetype start = 0;
        for (qsizetype end = pending.indexOf('\n'); going && end >= 0; end = pending.indexOf('\n', start)) {
            going = take(pending.mid(start, end - start));
            start = end + 1;
        }
        pending.remove(0, start);
        if (going && progress && !progress(done, size)) {
            m_state.stopped = true;
            going = false;
        }
    }
    if (going && !pending.isEmpty())
        going = take(pending);
    if (going)
        csv_fini(&parser, &CsvCallbacks::field, &CsvCallbacks::row, &callbacks);

    if (!m_state.problem.reason.isEmpty())
        return End::Refused;
    if (m_state.stopped)
        return End::Stopped;
    if (m_state.spins == 0) {
        refuse(size == 0 ? QStringLiteral("%1 is empty").arg(name)
                         : QStringLiteral("%1 holds no spins").arg(name),
               false);
        return End::Refused;
    }
    return End::Done;
}

SpinFileReader::LineUse SpinFileReader::line(qint64 number, QByteArray& text)
{
    if (text.endsWith('\r'))
        text.chop(1);
    if (isBinary(text)) {
        m_state.recordLine = number;
        m_state.recordText.clear();
        refuse(QStringLiteral("binary data, so this is no spin file"));
        return LineUse::Stop;
    }
    if (!m_state.inRecord) {
        if (text.trimmed().isEmpty())
            return LineUse::Skip;
        if (m_state.recordLine == 0)
            chooseSeparator(text);
        m_state.inRecord = true;
        m_state.recordLine = number;
        m_state.recordText = text;
    } else if (m_state.recordText.size() < 4 * ShownContent) {
        m_state.recordText += '\n' + text;
    }
    return LineUse::Parse;
}

// The separator that the first line holds most of, outside quotes; for a tie
// tab before semicolon before comma (a semicolon file may have decimal commas).
void SpinFileReader::chooseSeparator(const QByteArray& firstLine)
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
    m_state.separator = 0;
    int best = 0;
    for (const auto& [count, separator] : {std::pair{tabs, '\t'}, {semicolons, ';'}, {commas, ','}}) {
        if (count > best) {
            best = count;
            m_state.separator = separator;
        }
    }
}

bool SpinFileReader::record(QList<QByteArray>& fields)
{
    m_state.inRecord = false;
    bool blank = true;
    for (QByteArray& f : fields) {
        f = f.trimmed();
        blank = blank && f.isEmpty();
    }
    if (blank)
        return true; // a row of empty cells, as spreadsheets leave them
    if (!m_state.columnsKnown) {
        m_state.columnsKnown = true;
        QStringList cells;
        for (const QByteArray& f : fields)
            cells << QString::fromUtf8(f);
        if (isHeader(cells)) {
            readHeader(cells);
            return true;
        }
        findStampColumn(cells);
    }
    return spin(fields);
}

// A header names a known column, or starts with a cell without any digit;
// "1o" is a mistyped pocket, not a header.
bool SpinFileReader::isHeader(const QStringList& cells) const
{
    for (const QString& c : cells) {
        const QString name = c.toLower();
        if (PocketNames.contains(name) || StampNames.contains(name) || name == DateName)
            return true;
    }
    return !cells.isEmpty() && !cells.front().isEmpty() && !hasDigit(cells.front());
}

void SpinFileReader::readHeader(const QStringList& cells)
{
    QStringList names;
    for (const QString& c : cells)
        names << c.toLower();
    m_state.pocketColumn = 0;
    for (const QString& n : PocketNames) {
        if (names.contains(n)) {
            m_state.pocketColumn = int(names.indexOf(n));
            break;
        }
    }
    for (const QString& n : StampNames) {
        if (names.contains(n)) {
            m_state.stampColumn = int(names.indexOf(n));
            return;
        }
    }
    m_state.stampColumn = int(names.indexOf(DateName));
    if (m_state.stampColumn >= 0)
        m_state.timeColumn = int(names.indexOf(TimeName));
}

void SpinFileReader::findStampColumn(const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i) {
        if (i != m_state.pocketColumn && IsoStamp::parse(cells[i])) {
            m_state.stampColumn = i;
            return;
        }
    }
}

bool SpinFileReader::spin(const QList<QByteArray>& fields)
{
    const QString label = QString::fromUtf8(fields.value(m_state.pocketColumn));
    if (label.isEmpty())
        return refuse(QStringLiteral("there is no pocket"));
    const int pocket = m_wheel.pocketIndex(label);
    if (label == u"00" && pocket >= 0 && !m_zeroZeroOn)
        return refuse(QStringLiteral("00 is switched off for this wheel"));
    if (pocket < 0)
        return refuse(QStringLiteral("\"%1\" is no pocket of this wheel (0, %2%3)")
                          .arg(label, m_zeroZeroOn ? QStringLiteral("00, ") : QString(),
                               QStringLiteral("1-") + QString::number(m_wheel.pocketCount() - 2)));
    FileSpin spin{m_state.recordLine, pocket, std::nullopt};
    if (m_state.stampColumn >= 0) {
        QString text = QString::fromUtf8(fields.value(m_state.stampColumn));
        const QString time =
            m_state.timeColumn >= 0 ? QString::fromUtf8(fields.value(m_state.timeColumn)) : QString();
        if (!time.isEmpty())
            text += u'T' + time;
        if (text.isEmpty())
            return refuse(QStringLiteral("the date and time are missing"));
        spin.stamp = IsoStamp::parse(text);
        if (!spin.stamp)
            return refuse(QStringLiteral("\"%1\" is no ISO 8601 date and time (such as 2026-12-06T18:00:00)")
                              .arg(text));
        if (m_state.lastStamp && *spin.stamp < *m_state.lastStamp)
            return refuse(QStringLiteral("%1 is earlier than the spin before it (%2)")
                              .arg(IsoStamp::text(*spin.stamp), IsoStamp::text(*m_state.lastStamp)));
        if (!m_state.lastStamp && m_notBefore && *spin.stamp < *m_notBefore)
            return refuse(QStringLiteral("%1 is earlier than the casino's newest spin (%2)")
                              .arg(IsoStamp::text(*spin.stamp), IsoStamp::text(*m_notBefore)));
        m_state.lastStamp = spin.stamp;
    }
    ++m_state.spins;
    if (m_each && !m_each(spin)) {
        m_state.stopped = true;
        return false;
    }
    return true;
}

bool SpinFileReader::refuse(const QString& reason, bool withLine)
{
    m_state.problem = {withLine ? m_state.recordLine : 0, withLine ? shown(m_state.recordText) : QString(),
                       reason};
    return false;
}

} // namespace spinledger
