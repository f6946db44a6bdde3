#include "store/Installation.h"

#include "store/AppContext.h"
#include "store/DbReason.h"
#include "store/ErrorCodes.h"
#include "store/IntegrityCheck.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"
#include "store/StoreLog.h"
#include "wheel/Wheel.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QFileInfo>

namespace spinledger {

Installation::Outcome Installation::prepare(const QString& identifier, const StatusFn& status)
{
    status(QCoreApplication::translate("Installation", "Loading (sId).."));
    if (identifier.trimmed().isEmpty()) {
        status(errorLine(codes::InstallationId));
        return Outcome::NoIdentifier;
    }
    status(QCoreApplication::translate("Installation", "Loading (ldb).."));
    if (!m_app.ensureOpen()) {
        status(m_app.failureLine(codes::LoadDb));
        return Outcome::NoDatabase;
    }
    m_app.installationId = identifier;
    m_app.checkPending = false;
    Database& db = m_app.db();
    if (Schema::version(db) > Schema::latestVersion()) {
        db.close();
        status(errorLine(codes::LoadDb, DbReason::newerFile()));
        return Outcome::Newer;
    }
    // A long history takes longer to check than a start may wait: such a file
    // is checked beside the running window, and until then nothing is
    // written. A start that needs to write anything waits for the check.
    if (QFileInfo(db.path()).size() > m_app.checkInlineBytes) {
        db.holdWrites(DbReason::beingChecked());
        try {
            prepareRows(identifier);
            m_app.checkPending = true;
            return Outcome::Prepared;
        } catch (const DbError& e) {
            qCInfo(lcStore) << "the start waits for the file's check:" << e.what();
            db.releaseWrites();
            if ((e.code() & 0xff) != SQLITE_READONLY)
                throw;
        }
    }
    if (!IntegrityCheck::quick(db).sound) {
        db.close();
        status(errorLine(codes::LoadDb, DbReason::damaged()));
        return Outcome::Damaged;
    }
    prepareRows(identifier);
    return Outcome::Prepared;
}

void Installation::prepareRows(const QString& identifier)
{
    Database& db = m_app.db();
    // A file of an earlier version holds only the twelve tables; each step
    // of its upgrade is a transaction of its own, before the rows'. One that
    // lacks nothing but its version number gets it after the check that
    // holds the writes (upgradeAfterCheck), instead of waiting for it.
    if (!db.writesHeld() || !Schema::complete(db))
        Schema::upgrade(db);
    // Deferred: on a file that has everything, nothing is written at all.
    Transaction tx(db, Transaction::Start::Deferred);
    const qint64 settingId = findOrCreateInstallation(identifier);
    const Wheel* wheels[] = {&Wheel::r(), &Wheel::m()};
    qint64 current[2] = {0, 0};
    qint64 stored[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const std::optional<qint64> casino = SettingsStore::casinoOf(m_app.db(), *wheels[i], settingId);
        current[i] = stored[i] = casino.value_or(0);
        if (!casino)
            insertWheelRow(*wheels[i], settingId, 0);
    }
    bool created = false;
    const qint64 fallback = firstCasinoOrDemo(settingId, created);
    for (int i = 0; i < 2; ++i) {
        if (created || !casinoExists(current[i]))
            current[i] = fallback;
        if (current[i] != stored[i])
            SettingsStore::storeCasino(m_app.db(), *wheels[i], settingId, current[i]);
    }
    tx.commit();

    m_app.settingId = settingId;
    for (int i = 0; i < 2; ++i)
        m_app.currentCasino(*wheels[i]).adopt(current[i]);
}

qint64 Installation::findOrCreateInstallation(const QString& identifier)
{
    Database& db = m_app.db();
    Statement q = db.prepare("SELECT ka_app_setting_id FROM ka_app_setting WHERE ka_app_sId = ?1 "
                             "ORDER BY ka_app_setting_id LIMIT 1");
    q.bind(1, identifier);
    if (q.next())
        return q.integer(0);
    db.prepare("INSERT INTO ka_app_setting (ka_app_sId) VALUES (?1)").bind(1, identifier).run();
    return db.lastInsertId();
}

void Installation::insertWheelRow(const Wheel& wheel, qint64 settingId, qint64 casino)
{
    // A new installation plays Black/Red only, with 00 off and amount 0.
    QStringList columns{QStringLiteral("ka_app_setting_id")};
    QList<qint64> values{settingId};
    for (const Category& c : wheel.categories()) {
        columns << wheel.checkBox(c.id);
        values << (c.id == CategoryId::BlackRed ? 1 : 0);
    }
    columns << wheel.zeroSwitch() << wheel.amountSetting() << wheel.casinoSetting();
    values << 0 << 0 << casino;

    QStringList marks;
    for (int i = 1; i <= values.size(); ++i)
        marks << QStringLiteral("?%1").arg(i);
    Statement insert =
        m_app.db().prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(wheel.settingsTable(), columns.join(u','), marks.join(u',')));
    for (int i = 0; i < values.size(); ++i)
        insert.bind(i + 1, values[i]);
    insert.run();
}

qint64 Installation::firstCasinoOrDemo(qint64 settingId, bool& created)
{
    Database& db = m_app.db();
    Statement q = db.prepare("SELECT ka_app_casino_id FROM ka_app_casino WHERE ka_app_setting_id = ?1 "
                             "ORDER BY ka_app_casino_id LIMIT 1");
    q.bind(1, settingId);
    if (q.next()) {
        created = false;
        return q.integer(0);
    }
    db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES (?1, ?2)")
        .bind(1, DemoCasino)
        .bind(2, settingId)
        .run();
    created = true;
    return db.lastInsertId();
}

bool Installation::casinoExists(qint64 casino)
{
    Statement q = m_app.db().prepare("SELECT 1 FROM ka_app_casino WHERE ka_app_casino_id = ?1");
    q.bind(1, casino);
    return q.next();
}

void Installation::upgradeAfterCheck()
{
    if (Schema::version(m_app.db()) < Schema::latestVersion())
        Schema::upgrade(m_app.db());
}

} // namespace spinledger
