#include "store/CasinoStore.h"

#include "store/AppContext.h"
#include "store/SettingsStore.h"
#include "store/StoreLog.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

namespace spinledger {

QString CasinoStore::cleanName(const QString& typed)
{
    QString name = typed;
    name.remove(u'\'');
    return name.trimmed();
}

bool CasinoStore::tooLong(const QString& name)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    int count = 0;
    while (graphemes.toNextBoundary() >= 0) {
        if (++count > MaxNameLength)
            return true;
    }
    return false;
}

QString CasinoStore::failureLine(const QString& description)
{
    return QCoreApplication::translate("CasinoStore", "Unable to continue! Error Code:%1").arg(description);
}

QString CasinoStore::failureLine(const DbError& e)
{
    // The engine's number, and what it means; its own message may quote a statement.
    const QString number = QString::number(e.code());
    return failureLine(e.reason().isEmpty() ? number : number + QStringLiteral(": ") + e.reason());
}

bool CasinoStore::open(QString& failure)
{
    if (m_app.ensureOpen())
        return true;
    failure = m_app.failureLine(QStringLiteral("Load ldb"));
    return false;
}

Result<Casinos> CasinoStore::list()
{
    QString failure;
    if (!open(failure))
        return Result<Casinos>::failure(failure);
    try {
        return readList();
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the casinos could not be read:" << e.what();
        return Result<Casinos>::failure(failureLine(e));
    }
}

Result<qint64> CasinoStore::spinCount(const Wheel& wheel, qint64 id)
{
    QString failure;
    if (!open(failure))
        return Result<qint64>::failure(failure);
    try {
        Statement q = m_app.db().prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?1")
                                             .arg(wheel.spinTable(), wheel.casinoSetting()));
        q.bind(1, id);
        return q.next() ? q.integer(0) : qint64(0);
    } catch (const DbError& e) {
        qCWarning(lcStore) << "a casino's spins could not be counted:" << e.what();
        return Result<qint64>::failure(failureLine(QString::fromUtf8(e.what())));
    }
}

Casinos CasinoStore::readList()
{
    Statement q = m_app.db().prepare("SELECT ka_app_casino_id, ka_app_casino_name FROM ka_app_casino "
                                     "WHERE ka_app_setting_id = ?1 ORDER BY ka_app_casino_id ASC");
    q.bind(1, m_app.settingId);
    Casinos rows;
    while (q.next())
        rows.push_back({q.integer(0), q.text(1).trimmed()});
    return rows;
}

Result<Casinos> CasinoStore::add(const QString& name)
{
    return change([&](Database& db) {
        if (QString taken = refuseTaken(name, 0); !taken.isEmpty())
            return taken;
        db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES (?1, ?2)")
            .bind(1, name)
            .bind(2, m_app.settingId)
            .run();
        return QString();
    });
}

Result<Casinos> CasinoStore::rename(qint64 id, const QString& name)
{
    return change([&](Database& db) {
        if (QString taken = refuseTaken(name, id); !taken.isEmpty())
            return taken;
        db.prepare("UPDATE ka_app_casino SET ka_app_casino_name = ?1 WHERE ka_app_casino_id = ?2")
            .bind(1, name)
            .bind(2, id)
            .run();
        return QString();
    });
}

Result<Casinos> CasinoStore::remove(qint64 id)
{
    return change([&](Database& db) {
        db.prepare("DELETE FROM ka_app_casino WHERE ka_app_casino_id = ?1").bind(1, id).run();
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
            removeHistory(*w, id);
        return QString();
    });
}

Result<Casinos> CasinoStore::settle()
{
    // While the file's check runs nothing is written; the start has made
    // sure each wheel's casino exists, and adoption waits for the next start.
    if (m_app.db().writesHeld())
        return list();
    return change([](Database&) { return QString(); });
}

// A casino is named, in the list and on the command line, by its name alone:
// two that differ only in case or in what cleaning removes would be one name.
QString CasinoStore::refuseTaken(const QString& name, qint64 renamed)
{
    const QString wanted = cleanName(name);
    for (const Casino& c : readList()) {
        if (c.id != renamed && cleanName(c.name).compare(wanted, Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("CasinoStore",
                                               "Another casino is already named \"%1\": choose another name.")
                .arg(c.name);
    }
    return {};
}

Result<Casinos> CasinoStore::change(const std::function<QString(Database&)>& write)
{
    QString failure;
    if (!open(failure))
        return Result<Casinos>::failure(failure);
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        if (const QString refused = write(db); !refused.isEmpty())
            return Result<Casinos>::failure(refused); // rolled back: nothing was written
        adoptUnowned();
        const Wheel* wheels[] = {&Wheel::r(), &Wheel::m()};
        std::optional<qint64> settled[2];
        for (int i = 0; i < 2; ++i)
            settled[i] = settleCurrent(*wheels[i]);
        Casinos casinos = readList();
        tx.commit();
        // Only what was written becomes current: on a failure the wheels
        // still show what they showed.
        for (int i = 0; i < 2; ++i) {
            if (settled[i])
                m_app.currentCasino(*wheels[i]).adopt(*settled[i]);
        }
        return casinos;
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the casinos could not be changed:" << e.what();
        return Result<Casinos>::failure(failureLine(e));
    }
}

void CasinoStore::removeHistory(const Wheel& wheel, qint64 id)
{
    const QString tables[] = {wheel.spinTable(), wheel.adviseTable(), wheel.countTable(), wheel.winTable(),
                              wheel.tallyTable()};
    for (const QString& table : tables) {
        m_app.db()
            .prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(table, wheel.casinoSetting()))
            .bind(1, id)
            .run();
    }
}

void CasinoStore::adoptUnowned()
{
    if (m_app.settingId < 1)
        return;
    m_app.db()
        .prepare("UPDATE ka_app_casino SET ka_app_setting_id = ?1 "
                 "WHERE ka_app_setting_id IS NULL OR ka_app_setting_id < 1")
        .bind(1, m_app.settingId)
        .run();
}

std::optional<qint64> CasinoStore::settleCurrent(const Wheel& wheel)
{
    Database& db = m_app.db();
    const std::optional<qint64> stored = SettingsStore::casinoOf(db, wheel, m_app.settingId);
    if (!stored)
        return std::nullopt;
    qint64 current = *stored;
    {
        // Its own casino when it still exists, else the lowest; with no casino
        // left the setting keeps the removed id until the next start.
        Statement choice =
            db.prepare("SELECT ka_app_casino_id FROM ka_app_casino WHERE ka_app_setting_id = ?1 "
                       "ORDER BY ka_app_casino_id = ?2 DESC, ka_app_casino_id ASC LIMIT 1");
        choice.bind(1, m_app.settingId).bind(2, current);
        if (choice.next())
            current = choice.integer(0);
    }
    SettingsStore::storeCasino(db, wheel, m_app.settingId, current);
    return current;
}

} // namespace spinledger
