#pragma once

#include "SetUp.h"
#include "store/Database.h"

#include <QFile>
#include <QString>

namespace spinledger::test {

// Spins written straight into the R spin table, oldest first, a minute apart
// from 1 January 2026 on, pocket i % 37 for the i-th (from 0): a history
// whose every row a test can tell by its position, and whose stamps lie in
// the past, as an import of it wants them.
inline void writeSpins(Database& db, int count, qint64 settingId, qint64 casino)
{
    Transaction tx(db);
    const double first = 46023.0; // 2026-01-01
    for (int i = 0; i < count; ++i) {
        const double now = first + i / 1440.0;
        db.prepare("INSERT INTO ka_app_r (ka_app_r_date, ka_app_r_time, ka_app_r_now, ka_app_setting_id, "
                   "ka_app_r_numbers, cmbR) VALUES (?1, ?2, ?3, ?4, ?5, ?6)")
            .bind(1, first)
            .bind(2, now - first)
            .bind(3, now)
            .bind(4, settingId)
            .bind(5, QString::number(i % 37))
            .bind(6, casino)
            .run();
    }
    tx.commit();
}

// The page size encrypted files are written with.
inline int pageSize()
{
    static const int size = [] {
        Database db;
        setUp(db.open(QStringLiteral(":memory:"), QStringLiteral("key"), Database::Mode::Create),
              "no database in memory");
        Statement q = db.prepare("PRAGMA page_size");
        return q.next() ? int(q.integer(0)) : 0;
    }();
    return size;
}

// Flips one byte in the middle of a page (from 1) of a closed database file,
// as a bad sector or a torn write would: the page no longer passes its check.
inline void flipByte(const QString& path, int page)
{
    const int pageSize = spinledger::test::pageSize();
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        qFatal("cannot open %s", qPrintable(path));
    const qint64 at = qint64(page - 1) * pageSize + pageSize / 2;
    f.seek(at);
    char byte = 0;
    f.read(&byte, 1);
    byte = char(byte ^ 0x5a);
    f.seek(at);
    f.write(&byte, 1);
}

inline qint64 pages(const QString& path)
{
    return QFile(path).size() / pageSize();
}

} // namespace spinledger::test
