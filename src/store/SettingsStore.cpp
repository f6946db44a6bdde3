#include "store/SettingsStore.h"

#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/StoreLog.h"

namespace spinledger {

namespace {

std::string selectSql(const Wheel& wheel, const QString& column)
{
    return (QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ") + wheel.settingsTable() +
            QStringLiteral(" WHERE ka_app_setting_id = ?1"))
        .toStdString();
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

std::optional<double> parseStoredNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

Result<bool> SettingsStore::played(const Wheel& wheel, CategoryId category)
{
    const Result<QString> stored = value(wheel, wheel.checkBox(category));
    if (!stored)
        return Result<bool>::failure(stored.status());
    return *stored == u"1";
}

Status SettingsStore::setPlayed(const Wheel& wheel, CategoryId category, bool played)
{
    return write(wheel, wheel.checkBox(category), flag(played));
}

Status SettingsStore::setZeroZero(const Wheel& wheel, bool enabled)
{
    return write(wheel, wheel.zeroSwitch(), flag(enabled));
}

Status SettingsStore::setAmount(const Wheel& wheel, const QString& stored)
{
    return write(wheel, wheel.amountSetting(), stored);
}

Status SettingsStore::setCasino(const Wheel& wheel, qint64 casino)
{
    return write(wheel, wheel.casinoSetting(), QString::number(casino));
}

std::optional<qint64> SettingsStore::casinoOf(Database& db, const Wheel& wheel, qint64 settingId)
{
    Statement q = db.prepare(selectSql(wheel, wheel.casinoSetting()));
    q.bind(1, settingId);
    if (!q.next())
        return std::nullopt;
    return q.integer(0);
}

void SettingsStore::storeCasino(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino)
{
    db.prepare(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE ka_app_setting_id = ?2")
                   .arg(wheel.settingsTable(), wheel.casinoSetting()))
        .bind(1, casino)
        .bind(2, settingId)
        .run();
}

Result<QString> SettingsStore::value(const Wheel& wheel, const QString& column)
{
    if (!m_app.ensureOpen())
        return Result<QString>::failure(m_app.failureLine(codes::Setting));
    try {
        Statement q = m_app.db().prepare(selectSql(wheel, column));
        q.bind(1, m_app.settingId);
        if (!q.next())
            return QStringLiteral("0");
        return q.text(0).trimmed();
    } catch (const DbError& e) {
        qCWarning(lcStore) << "a setting could not be read:" << e.what();
        return Result<QString>::failure(m_app.failureLine(codes::Setting));
    }
}

Status SettingsStore::write(const Wheel& wheel, const QString& column, const QString& value)
{
    if (!m_app.ensureOpen())
        return Status::failure(m_app.failureLine(codes::Setting));
    const QString table = wheel.settingsTable();
    try {
        Database& db = m_app.db();
        Transaction tx(db);
        Statement update = db.prepare((QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + column +
                                       QStringLiteral(" = ?1 WHERE ka_app_setting_id = ?2"))
                                          .toStdString());
        update.bind(1, value).bind(2, m_app.settingId).run();
        if (db.changes() == 0) {
            // No row for this installation yet: one that holds only the key
            // and the written value.
            db.prepare((QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (ka_app_setting_id, ") +
                        column + QStringLiteral(") VALUES (?1, ?2)"))
                           .toStdString())
                .bind(1, m_app.settingId)
                .bind(2, value)
                .run();
        }
        tx.commit();
        return Status::success();
    } catch (const DbError& e) {
        qCWarning(lcStore) << "a setting could not be written:" << e.what();
        return Status::failure(m_app.failureLine(codes::Setting));
    }
}

Result<WheelSettings> SettingsStore::wheelSettings(const Wheel& wheel)
{
    if (!m_app.ensureOpen())
        return Result<WheelSettings>::failure(m_app.failureLine(codes::Setting));
    try {
        const QStringList cols = wheel.settingsColumns();
        Statement q =
            m_app.db().prepare((QStringLiteral("SELECT ") + cols.join(u',') + QStringLiteral(" FROM ") +
                                wheel.settingsTable() + QStringLiteral(" WHERE ka_app_setting_id = ?1"))
                                   .toStdString());
        q.bind(1, m_app.settingId);
        WheelSettings s;
        if (!q.next())
            return s;
        auto textOf = [&](const QString& column) { return q.text(int(cols.indexOf(column))).trimmed(); };
        for (const Category& c : wheel.categories())
            s.played[idx(c.id)] = textOf(wheel.checkBox(c.id)) == u"1";
        s.zeroZeroEnabled = textOf(wheel.zeroSwitch()) == u"1";
        s.amountText = textOf(wheel.amountSetting());
        if (s.amountText.isEmpty())
            s.amountText = QStringLiteral("0");
        s.amount = parseStoredNumber(s.amountText).value_or(0.0);
        s.casino = textOf(wheel.casinoSetting()).toLongLong();
        return s;
    } catch (const DbError& e) {
        qCWarning(lcStore) << "a wheel's settings could not be read:" << e.what();
        return Result<WheelSettings>::failure(m_app.failureLine(codes::Setting));
    }
}

} // namespace spinledger
