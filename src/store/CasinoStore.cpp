#include "store/CasinoStore.h"

#include "store/AppContext.h"
#include "wheel/Wheel.h"

namespace spinledger {

namespace {
std::string sql(const QString& text)
{
    return text.toStdString();
}
} // namespace

QString CasinoStore::cleanName(const QString& typed)
{
    QString name = typed;
    name.remove(u'\'');
    return name.trimmed();
}

QString CasinoStore::failureLine(const QString& description)
{
    return QStringLiteral("Unable to continue! Error Code:") + description;
}

bool CasinoStore::open(QString& failure)
{
    if (m_app.ensureOpen())
        return true;
    failure = failureLine(QStringLiteral("(Load ldb)"));
    return false;
}

Result<std::vector<Casino>> CasinoStore::list()
{
    QString failure;
    if (!open(failure))
        return Result<std::vector<Casino>>::failure(failure);
    try {
        Statement q = m_app.db().prepare("SELECT ka_app_casino_id, ka_app_casino_name FROM ka_app_casino "
                                         "WHERE ka_app_setting_id = ?1 ORDER BY ka_app_casino_id ASC");
        q.bind(1, m_app.settingId);
        std::vector<Casino> rows;
        while (q.next())
            rows.push_back({q.integer(0), q.text(1).trimmed()});
        return rows;
    } catch (const DbError& e) {
        return Result<std::vector<Casino>>::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

Result<qint64> CasinoStore::add(const QString& name)
{
    QString failure;
    if (!open(failure))
        return Result<qint64>::failure(failure);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES (?1, ?2)")
            .bind(1, name)
            .bind(2, m_app.settingId)
            .run();
        const qint64 id = db.lastInsertId();
        tx.commit();
        return id;
    } catch (const DbError& e) {
        return Result<qint64>::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

Status CasinoStore::rename(qint64 id, const QString& name)
{
    QString failure;
    if (!open(failure))
        return Status::failure(failure);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        db.prepare("UPDATE ka_app_casino SET ka_app_casino_name = ?1 WHERE ka_app_casino_id = ?2")
            .bind(1, name)
            .bind(2, id)
            .run();
        tx.commit();
        return Status::success();
    } catch (const DbError& e) {
        return Status::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

Status CasinoStore::remove(qint64 id)
{
    QString failure;
    if (!open(failure))
        return Status::failure(failure);
    const qint64 keptR = m_app.currentCmbR;
    const qint64 keptM = m_app.currentCmbM;
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        db.prepare("DELETE FROM ka_app_casino WHERE ka_app_casino_id = ?1").bind(1, id).run();
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
            removeHistory(*w, id);
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
            repointCurrent(*w, id);
        tx.commit();
        return Status::success();
    } catch (const DbError& e) {
        // Nothing was written, so the wheels still show what they showed.
        m_app.currentCmbR = keptR;
        m_app.currentCmbM = keptM;
        return Status::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

void CasinoStore::removeHistory(const Wheel& wheel, qint64 id)
{
    const QString tables[] = {wheel.spinTable(), wheel.adviseTable(), wheel.countTable(), wheel.winTable(),
                              wheel.tallyTable()};
    for (const QString& table : tables) {
        m_app.db()
            .prepare(sql(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(table, wheel.casinoSetting())))
            .bind(1, id)
            .run();
    }
}

void CasinoStore::repointCurrent(const Wheel& wheel, qint64 removedId)
{
    Database& db = m_app.db();
    Statement row = db.prepare(sql(QStringLiteral("SELECT %1 FROM %2 WHERE ka_app_setting_id = ?1")
                                       .arg(wheel.casinoSetting(), wheel.settingsTable())));
    row.bind(1, m_app.settingId);
    if (!row.next())
        return;
    qint64& current = m_app.currentCmb(wheel);
    current = row.integer(0);
    if (current != removedId)
        return;
    Statement first = db.prepare("SELECT ka_app_casino_id FROM ka_app_casino WHERE ka_app_setting_id = ?1 "
                                 "AND ka_app_casino_id <> ?2 ORDER BY ka_app_casino_id ASC LIMIT 1");
    first.bind(1, m_app.settingId).bind(2, removedId);
    if (!first.next())
        return; // the last casino: the setting keeps the removed id until the next start
    const qint64 next = first.integer(0);
    db.prepare(sql(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE ka_app_setting_id = ?2")
                       .arg(wheel.settingsTable(), wheel.casinoSetting())))
        .bind(1, next)
        .bind(2, m_app.settingId)
        .run();
    current = next;
}

Result<int> CasinoStore::adoptUnowned()
{
    if (m_app.settingId < 1)
        return 0;
    QString failure;
    if (!open(failure))
        return Result<int>::failure(failure);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        db.prepare("UPDATE ka_app_casino SET ka_app_setting_id = ?1 "
                   "WHERE ka_app_setting_id IS NULL OR ka_app_setting_id < 1")
            .bind(1, m_app.settingId)
            .run();
        const int adopted = db.changes();
        tx.commit();
        return adopted;
    } catch (const DbError& e) {
        return Result<int>::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

} // namespace spinledger
