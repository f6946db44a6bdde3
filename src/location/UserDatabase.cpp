#include "location/UserDatabase.h"

#include "store/AppContext.h"
#include "store/Database.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

namespace spinledger {

namespace {

Q_LOGGING_CATEGORY(lcLocation, "spinledger.location")

// The companions SQLite keeps beside a database that a crash or a running
// program left: they hold committed spins too.
const char* const Companions[] = {"-wal", "-journal"};

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

// Spins of both wheels, or -1 when the file cannot be read as a database.
qint64 checkedSpins(const QString& path, QString& why)
{
    Database db;
    if (!db.open(path, AppContext::DatabasePassword)) {
        why = db.lastError();
        return -1;
    }
    try {
        {
            Statement check = db.prepare("PRAGMA integrity_check");
            if (!check.next() || check.text(0) != QLatin1String("ok")) {
                why = UserDatabase::tr("the copy is damaged");
                return -1;
            }
        }
        qint64 spins = 0;
        for (const Wheel* wheel : {&Wheel::r(), &Wheel::m()}) {
            Statement count = db.prepare("SELECT COUNT(*) FROM " + wheel->spinTable().toStdString());
            spins += count.next() ? count.integer(0) : 0;
        }
        // Everything into the one file, so it can be moved alone.
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        return spins;
    } catch (const DbError& e) {
        // The log keeps the engine's words; the player reads the reason.
        qCWarning(lcLocation) << "checking" << path << "failed:" << e.what();
        why = e.reason().isEmpty() ? QString::fromUtf8(e.what()) : e.reason();
        return -1;
    }
}

} // namespace

UserDatabase::Report UserDatabase::provide(const DataLocation& location)
{
    if (!location.isInstalled())
        return {};
    const QString target = location.databasePath();
    if (QFileInfo::exists(target))
        return {};
    const QString folder = QFileInfo(target).absolutePath();
    // A history is its player's alone.
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return failed(UserDatabase::tr("Unable to continue! The folder %1 cannot be made.")
                          .arg(QDir::toNativeSeparators(folder)));
    const QString shared = location.sharedDatabasePath();
    if (QFileInfo::exists(shared)) {
        const Report moved = moveOver(shared, target);
        if (moved.outcome != Outcome::Existing)
            return moved;
    }
    return fromTemplate(location.templatePath(), target);
}

// Existing when the shared file holds no spin: then the template serves.
UserDatabase::Report UserDatabase::moveOver(const QString& shared, const QString& target)
{
    QTemporaryDir staging(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".moving-XXXXXX")));
    const QString copy = QDir(staging.path()).filePath(AppContext::DatabaseFile);
    QString why;
    bool copied = staging.isValid() && copyWhole(shared, copy, why);
    for (const char* companion : Companions) {
        if (copied && QFileInfo::exists(shared + QLatin1String(companion)))
            copied = copyWhole(shared + QLatin1String(companion), copy + QLatin1String(companion), why);
    }
    const qint64 spins = copied ? checkedSpins(copy, why) : -1;
    if (spins == 0)
        return {};
    if (spins < 0 || !place(copy, target, why)) {
        qCWarning(lcLocation) << "moving over" << shared << "failed:" << why;
        return failed(UserDatabase::tr(
                          "Unable to continue! Your spins in %1 could not be copied (%2); they stay there. "
                          "Press 'Esc' to Exit.")
                          .arg(QDir::toNativeSeparators(shared), why));
    }
    qCInfo(lcLocation) << "moved" << spins << "spins from" << shared << "to" << target;
    return {Outcome::MovedOver,
            UserDatabase::tr("Your %1 spins were copied from %2, which stays where it is.")
                .arg(spins)
                .arg(QDir::toNativeSeparators(shared))};
}

UserDatabase::Report UserDatabase::fromTemplate(const QString& templateFile, const QString& target)
{
    const QString staged = target + QStringLiteral(".new");
    QFile::remove(staged);
    QString why;
    const bool made = copyWhole(templateFile, staged, why) && place(staged, target, why);
    QFile::remove(staged); // left only when another start placed its own first
    if (!made) {
        qCWarning(lcLocation) << "no database from" << templateFile << ":" << why;
        return failed(
            UserDatabase::tr("Unable to continue! %1 cannot be made from %2 (%3).")
                .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(templateFile), why));
    }
    return {Outcome::FromTemplate, {}};
}

bool UserDatabase::copyWhole(const QString& from, const QString& to, QString& why)
{
    QFile source(from);
    if (!source.copy(to)) {
        why = source.errorString();
        return false;
    }
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray digest = digestOf(from);
    if (digest.isEmpty() || digest != digestOf(to)) {
        why = UserDatabase::tr("the copy differs from %1").arg(QDir::toNativeSeparators(from));
        return false;
    }
    return true;
}

bool UserDatabase::place(const QString& staged, const QString& target, QString& why)
{
    if (QFile::rename(staged, target))
        return true;
    if (QFileInfo::exists(target))
        return true; // the command line or another start made it meanwhile
    why = UserDatabase::tr("%1 cannot be written").arg(QDir::toNativeSeparators(target));
    return false;
}

UserDatabase::Report UserDatabase::failed(const QString& line)
{
    return {Outcome::Failed, line};
}

} // namespace spinledger
