#include "backup/Salvage.h"

#include "backup/BackupLog.h"

#include "io/CsvWriter.h"
#include "io/IsoStamp.h"
#include "store/Database.h"
#include "store/OleDate.h"
#include "wheel/Wheel.h"

#include <QIODevice>

#include <algorithm>

namespace spinledger {

namespace {

std::string s(const QString& q)
{
    return q.toStdString();
}

} // namespace

qint64 Salvage::highestKey()
{
    // The key counter sits on a page of its own; when that is lost too, the
    // scan ends at the last key that could be read.
    try {
        Statement q = m_db.prepare("SELECT seq FROM sqlite_sequence WHERE name = ?1");
        q.bind(1, m_wheel.spinTable());
        return q.next() ? q.integer(0) : 0;
    } catch (const DbError& e) {
        qCWarning(lcBackup).noquote()
            << "salvage of" << m_wheel.spinTable() << "goes on without its key counter:" << e.what();
        return 0;
    }
}

Salvage::Report Salvage::write(QIODevice& out, std::optional<qint64> casino)
{
    const QString table = m_wheel.spinTable();
    const QString key = table + QStringLiteral("_id");
    const std::string columns = s(key + u',' + table + QStringLiteral("_now,") +
                                  m_wheel.spinColumn(CategoryId::Numbers) + u',' + m_wheel.casinoSetting());
    const std::string from = " FROM " + s(table) + " WHERE " + s(key);
    const std::string after = "SELECT " + columns + from + " > ?1 ORDER BY " + s(key);
    const std::string single = "SELECT " + columns + from + " = ?1";

    CsvWriter csv(out);
    csv.byteOrderMark();
    for (const char* name : {"spin_no", "date_time", "pocket", "casino_id"})
        csv.field(QByteArray(name));
    csv.endRow();

    Report report;
    auto emitRow = [&](Statement& q) {
        if (casino && q.integer(3) != *casino)
            return;
        ++report.written;
        csv.field(QByteArray::number(report.written));
        csv.field(IsoStamp::utf8(OleStamp::fromNow(q.real(1)).msecs()));
        csv.field(q.utf8(2).trimmed());
        csv.field(QByteArray::number(q.integer(3)));
        csv.endRow();
    };

    const qint64 highest = highestKey();
    qint64 last = 0;
    bool more = true;
    QString unreadableWhy;
    while (more) {
        try {
            Statement q = m_db.prepare(after);
            q.bind(1, last);
            while (q.next()) {
                last = q.integer(0);
                emitRow(q);
            }
            more = false;
        } catch (const DbError& e) {
            qCWarning(lcBackup).noquote().nospace()
                << "salvage of " << m_wheel.spinTable() << " stopped after key " << last << ": " << e.what();
            // A damaged page: key by key past it, until one reads again.
            // Without the key counter, a thousand keys without a readable
            // row end the search.
            const qint64 limit = highest > last ? highest : last + 1000;
            bool found = false;
            while (!found && last < limit) {
                ++last;
                try {
                    Statement one = m_db.prepare(single);
                    one.bind(1, last);
                    if (one.next()) {
                        emitRow(one);
                        found = true;
                    }
                } catch (const DbError& unreadable) {
                    // One line for all of them: a damaged page can hold thousands.
                    unreadableWhy = QString::fromUtf8(unreadable.what());
                    ++report.unreadable;
                }
            }
            more = found;
        }
    }
    if (report.unreadable > 0)
        qCWarning(lcBackup).noquote().nospace()
            << "salvage of " << m_wheel.spinTable() << " skipped " << report.unreadable
            << " unreadable keys, the last because: " << unreadableWhy;
    if (!csv.flush())
        report.failure = tr("The file could not be written: %1").arg(out.errorString());
    return report;
}

} // namespace spinledger
