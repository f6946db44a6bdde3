#include "backup/BackupFolder.h"

#include "backup/BackupLog.h"

#include "store/Clock.h"
#include "store/Database.h"
#include "store/IntegrityCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace spinledger {

namespace {

const QString StampFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

struct KindName
{
    BackupFolder::Kind kind;
    const char* name;
    bool ofTheDay; // kept among the day's copies, else among the events'
};

const KindName kKinds[] = {
    {BackupFolder::Kind::Daily, "daily", true},
    {BackupFolder::Kind::Manual, "manual", true},
    {BackupFolder::Kind::BeforeImport, "import", false},
    {BackupFolder::Kind::BeforeDeletion, "deletion", false},
    {BackupFolder::Kind::BeforeRestore, "restore", false},
};

const KindName& kindOf(BackupFolder::Kind kind)
{
    for (const KindName& k : kKinds) {
        if (k.kind == kind)
            return k;
    }
    return kKinds[0];
}

void removeWithLogs(const QString& path)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

// The name beside `base` that no file has yet: "<base>.mdb", "<base>-2.mdb" …
QString freeName(const QString& folder, const QString& base)
{
    QString name = base + QStringLiteral(".mdb");
    for (int n = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++n)
        name = base + QStringLiteral("-%1.mdb").arg(n);
    return QDir(folder).filePath(name);
}

} // namespace

BackupFolder::BackupFolder(const QString& databasePath, const Clock& clock)
    : m_database(databasePath), m_clock(clock)
{
}

QString BackupFolder::folder() const
{
    return QFileInfo(m_database).absoluteDir().filePath(QStringLiteral("backups"));
}

QString BackupFolder::kindName(Kind kind)
{
    return QString::fromLatin1(kindOf(kind).name);
}

QString BackupFolder::newName(Kind kind) const
{
    return freeName(folder(), QFileInfo(m_database).completeBaseName() + u'-' +
                                  m_clock.now().toString(StampFormat) + u'-' + kindName(kind));
}

Status BackupFolder::copyTo(Database& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return Status::failure(tr("%1 exists already").arg(QDir::toNativeSeparators(target)));
    QString failure;
    {
        Database copy;
        if (!copy.open(target, source.password(), Database::Mode::Create)) {
            failure = copy.lastReason().isEmpty() ? copy.lastError() : copy.lastReason();
        } else {
            try {
                source.copyInto(copy);
                const IntegrityCheck::Finding check = IntegrityCheck::quick(copy);
                if (!check.sound)
                    failure = tr("the copy failed its check (%1)").arg(check.problems.value(0));
            } catch (const DbError& e) {
                // The log keeps the engine's words; the player reads the reason.
                qCWarning(lcBackup) << "copying into" << target << "stopped:" << e.what();
                failure = e.reason().isEmpty() ? QString::fromUtf8(e.what()) : e.reason();
            }
        }
    }
    if (failure.isEmpty())
        return Status::success();
    qCWarning(lcBackup) << "copy into" << target << "failed:" << failure;
    removeWithLogs(target);
    return Status::failure(failure);
}

Result<QString> BackupFolder::take(Database& source, Kind kind) const
{
    if (!QDir().mkpath(folder()))
        return Result<QString>::failure(
            tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder())));
    const QString path = newName(kind);
    const QString part = path + QStringLiteral(".part");
    removeWithLogs(part);
    // Under a name no listing takes for a backup until it is whole and checked.
    const Status copied = copyTo(source, part);
    if (!copied.ok)
        return Result<QString>::failure(copied.text);
    if (!QFile::rename(part, path)) {
        removeWithLogs(part);
        return Result<QString>::failure(tr("%1 cannot be written").arg(QDir::toNativeSeparators(path)));
    }
    qCDebug(lcBackup) << "backup" << path;
    prune();
    return path;
}

Result<QString> BackupFolder::takeDailyIfDue(Database& source) const
{
    const QDate today = m_clock.now().date();
    for (const Entry& e : entries()) {
        if (kindOf(e.kind).ofTheDay && e.taken.date() == today)
            return QString();
    }
    return take(source, Kind::Daily);
}

std::vector<BackupFolder::Entry> BackupFolder::entries() const
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+-(\\d{4}-\\d{2}-\\d{2}_\\d{6})-([a-z]+)(?:-(\\d+))?\\.mdb$"));
    std::vector<std::pair<int, Entry>> found;
    const QDir dir(folder());
    for (const QString& name : dir.entryList({QStringLiteral("*.mdb")}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch())
            continue;
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const KindName& k) {
            return m.captured(2) == QLatin1String(k.name);
        });
        const QDateTime taken = QDateTime::fromString(m.captured(1), StampFormat);
        if (kind == std::end(kKinds) || !taken.isValid())
            continue;
        Entry e;
        e.path = dir.filePath(name);
        e.taken = taken;
        e.kind = kind->kind;
        found.emplace_back(m.captured(3).toInt(), e);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.second.taken != b.second.taken ? a.second.taken > b.second.taken : a.first > b.first;
    });
    std::vector<Entry> out;
    for (auto& [n, e] : found)
        out.push_back(std::move(e));
    return out;
}

std::vector<BackupFolder::Entry> BackupFolder::list(const QString& password) const
{
    std::vector<Entry> all = entries();
    for (Entry& e : all) {
        Database db;
        if (!db.open(e.path, password, Database::Mode::ReadOnly))
            continue;
        try {
            Statement r = db.prepare("SELECT count(*) FROM ka_app_r");
            e.spinsR = r.next() ? r.integer(0) : 0;
            Statement m = db.prepare("SELECT count(*) FROM ka_app_m");
            e.spinsM = m.next() ? m.integer(0) : 0;
            e.readable = true;
        } catch (const DbError& err) {
            qCWarning(lcBackup) << "backup" << e.path << "unreadable:" << err.what();
        }
    }
    return all;
}

void BackupFolder::prune() const
{
    int ofTheDay = 0;
    int events = 0;
    for (const Entry& e : entries()) {
        const bool daily = kindOf(e.kind).ofTheDay;
        const int kept = daily ? ++ofTheDay : ++events;
        if (kept > (daily ? KeepDaily : KeepEvents)) {
            qCDebug(lcBackup) << "pruned" << e.path;
            removeWithLogs(e.path);
        }
    }
}

Result<QString> BackupFolder::restore(const QString& backup, const QString& password) const
{
    const QString incoming = m_database + QStringLiteral(".restoring");
    removeWithLogs(incoming);
    {
        Database source;
        if (!source.open(backup, password, Database::Mode::ReadOnly))
            return Result<QString>::failure(tr("the backup cannot be opened: %1").arg(source.lastReason()));
        if (!IntegrityCheck::quick(source).sound)
            return Result<QString>::failure(tr("the backup is damaged"));
        const Status copied = copyTo(source, incoming);
        if (!copied.ok)
            return Result<QString>::failure(copied.text);
    }

    bool sound = false;
    if (QFileInfo::exists(m_database)) {
        Database current;
        sound = current.open(m_database, password, Database::Mode::ReadOnly) &&
                IntegrityCheck::quick(current).sound;
    }
    const QFileInfo file(m_database);
    const QString kept = freeName(file.absolutePath(),
                                  file.completeBaseName() +
                                      (sound ? QStringLiteral(".replaced-") : QStringLiteral(".damaged-")) +
                                      m_clock.now().toString(StampFormat));
    const QByteArray from = QFile::encodeName(m_database);
    const QByteArray to = QFile::encodeName(incoming);
    if (file.exists() && ::link(from.constData(), QFile::encodeName(kept).constData()) != 0 &&
        !QFile::copy(m_database, kept)) {
        removeWithLogs(incoming);
        return Result<QString>::failure(
            tr("%1 cannot be kept beside the database").arg(QDir::toNativeSeparators(kept)));
    }
    // The log belongs to the file it was written for: it goes with the kept one.
    const QString log = m_database + QStringLiteral("-wal");
    const bool movedLog = QFileInfo::exists(log) && QFile::rename(log, kept + QStringLiteral("-wal"));
    QFile::remove(m_database + QStringLiteral("-shm"));
    if (std::rename(to.constData(), from.constData()) != 0) {
        if (movedLog)
            QFile::rename(kept + QStringLiteral("-wal"), log);
        removeWithLogs(incoming);
        return Result<QString>::failure(
            tr("%1 cannot be replaced").arg(QDir::toNativeSeparators(m_database)));
    }
    qCDebug(lcBackup) << "restored" << backup << "; the file in use was kept as" << kept;
    return QFileInfo::exists(kept) ? kept : QString();
}

} // namespace spinledger
