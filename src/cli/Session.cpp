#include "cli/Session.h"

#include "cli/CliLog.h"
#include "location/UserDatabase.h"
#include "store/DbReason.h"
#include "store/Installation.h"
#include "store/IntegrityCheck.h"
#include "store/Schema.h"
#include "wheel/Wheel.h"

#include <QDir>

namespace spinledger::cli {

QCommandLineOption Options::wheel()
{
    return {QStringLiteral("wheel"), Session::tr("R (38-pocket wheel) or M (mini wheel)."),
            QStringLiteral("R|M")};
}

QCommandLineOption Options::casino()
{
    return {QStringLiteral("casino"), Session::tr("The casino, by its name or its id."),
            Session::tr("NAME-or-ID")};
}

QCommandLineOption Options::db()
{
    return {
        QStringLiteral("db"),
        Session::tr("The database file (default: the one Spinledger uses; spinledger-cli where names it)."),
        Session::tr("PATH")};
}

QCommandLineOption Options::json()
{
    return {QStringLiteral("json"), Session::tr("Print JSON for scripts instead of text.")};
}

Session::Session(const QCommandLineParser& args, QTextStream& out, QTextStream& err, const Environment& env)
    : m_args(args), m_out(out), m_err(err), m_env(env), m_app(m_db, m_clock, m_random)
{
}

int Session::refuse(const QString& line)
{
    m_err << "spinledger-cli: " << line << Qt::endl;
    return Refused;
}

int Session::fail(const QString& line)
{
    refuse(line);
    return Failed;
}

int Session::notImported(const SpinImport::Report& report)
{
    return report.outcome == SpinImport::Outcome::Refused ? refuse(report.message) : fail(report.message);
}

int Session::cannotRead(const DbError& e)
{
    qCWarning(lcCli) << "reading" << databasePath() << "failed:" << e.what();
    // The log keeps the engine's words; the player reads the reason.
    const QString why = e.reason().isEmpty() ? QString::fromUtf8(e.what()) : e.reason();
    return refuse(Session::tr("cannot read %1: %2").arg(QDir::toNativeSeparators(databasePath()), why));
}

DataLocation Session::location() const
{
    return DataLocation({m_env.programFolder, m_env.userDataFolder, m_env.runtimeFolder, {}});
}

QString Session::databasePath() const
{
    if (m_args.isSet(QStringLiteral("db")))
        return m_args.value(QStringLiteral("db"));
    return location().databasePath();
}

QString Session::lockPath() const
{
    return location().lockPathFor(databasePath());
}

bool Session::openFile(Database::Mode mode)
{
    const QString path = databasePath();
    m_app.appFolder = QFileInfo(path).absolutePath();
    m_app.connString = path;
    if (!m_args.isSet(QStringLiteral("db")) && !provideDatabase())
        return false;
    return openWithKey(path, mode);
}

bool Session::provideDatabase()
{
    const UserDatabase::Report report = UserDatabase::provide(location());
    switch (report.outcome) {
    case UserDatabase::Outcome::Failed:
        refuse(report.message);
        return false;
    case UserDatabase::Outcome::MovedOver:
        m_err << "spinledger-cli: " << report.message << Qt::endl;
        break;
    case UserDatabase::Outcome::Existing:
    case UserDatabase::Outcome::FromTemplate:
        break;
    }
    return true;
}

bool Session::openWithKey(const QString& path, Database::Mode mode)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (m_db.open(path, m_app.key, mode))
        return true;
    if (!m_db.keyRefused() || m_app.hasPassphrase()) {
        const QString why = m_db.lastReason().isEmpty() ? m_db.lastError() : m_db.lastReason();
        refuse(Session::tr("cannot open %1: %2").arg(shown, why));
        return false;
    }
    // Protected by a passphrase: the variable's, or up to three typed ones.
    if (m_env.passphrase) {
        m_app.key = *m_env.passphrase;
        if (m_db.open(path, m_app.key, mode))
            return true;
        refuse(Session::tr("SPINLEDGER_PASSPHRASE does not open %1").arg(shown));
        return false;
    }
    if (!m_env.askPassphrase) {
        refuse(Session::tr("cannot open %1: it is no database, or one protected by a passphrase (type it "
                           "at a terminal or set SPINLEDGER_PASSPHRASE)")
                   .arg(shown));
        return false;
    }
    constexpr int Tries = 3;
    for (int attempt = 1; attempt <= Tries; ++attempt) {
        const std::optional<QString> given =
            m_env.askPassphrase(Session::tr("Passphrase for %1: ").arg(shown));
        if (!given)
            break;
        m_app.key = *given;
        if (m_db.open(path, m_app.key, mode))
            return true;
        if (attempt < Tries)
            m_err << Session::tr("That was not the passphrase.") << Qt::endl;
    }
    m_app.key = AppContext::DatabasePassword;
    refuse(Session::tr("the passphrase does not open %1").arg(shown));
    return false;
}

bool Session::open(Database::Mode mode)
{
    if (!openFile(mode))
        return false;
    // A newer program's file may hold what this one would misread.
    if (!knownVersion())
        return false;
    // A damaged file is never written into.
    if (mode != Database::Mode::ReadOnly && !IntegrityCheck::quick(m_db).sound) {
        m_db.close();
        refuse(tr("%1: the database file is damaged; nothing was written (spinledger-cli check tells "
                  "what, spinledger-cli backups lists the copies to restore)")
                   .arg(QDir::toNativeSeparators(databasePath())));
        return false;
    }
    return findInstallation(mode);
}

bool Session::knownVersion()
{
    try {
        if (Schema::version(m_db) <= Schema::latestVersion())
            return true;
    } catch (const DbError& e) {
        cannotRead(e);
        return false;
    }
    m_db.close();
    refuse(tr("%1: %2; nothing was read or written")
               .arg(QDir::toNativeSeparators(databasePath()), DbReason::newerFile()));
    return false;
}

// As the window's start-up would at its first start on this file.
bool Session::prepareInstallation(Database::Mode mode)
{
    const QString path = databasePath();
    try {
        if (mode != Database::Mode::ReadWrite && !openWithKey(path, Database::Mode::ReadWrite))
            return false;
        const QString id = m_env.installationId ? m_env.installationId() : QString();
        if (Installation(m_app).prepare(id, [](const QString&) {}) != Installation::Outcome::Prepared) {
            refuse(Session::tr("%1 holds no installation, and this machine has no identifier to make one")
                       .arg(QDir::toNativeSeparators(path)));
            return false;
        }
    } catch (const DbError& e) {
        qCWarning(lcCli) << "preparing" << path << "failed:" << e.what();
        fail(Session::tr("cannot prepare %1: %2")
                 .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
        return false;
    }
    return mode == Database::Mode::ReadWrite || openWithKey(path, mode);
}

bool Session::findInstallation(Database::Mode mode)
{
    std::vector<qint64> ids;
    try {
        // The window files every row under this machine's installation; a file
        // brought from another machine holds just one, which is then the one.
        const QString id = m_env.installationId ? m_env.installationId() : QString();
        Statement own = m_db.prepare("SELECT ka_app_setting_id FROM ka_app_setting WHERE ka_app_sId = ?1 "
                                     "ORDER BY ka_app_setting_id LIMIT 1");
        own.bind(1, id);
        if (!id.isEmpty() && own.next()) {
            m_app.settingId = own.integer(0);
            return true;
        }
        Statement all =
            m_db.prepare("SELECT ka_app_setting_id FROM ka_app_setting ORDER BY ka_app_setting_id");
        while (all.next())
            ids.push_back(all.integer(0));
    } catch (const DbError& e) {
        cannotRead(e);
        return false;
    }
    if (ids.size() == 1) {
        m_app.settingId = ids.front();
        return true;
    }
    // The statements are done with: preparing may open the file again.
    if (ids.empty())
        return prepareInstallation(mode);
    refuse(Session::tr("%1 holds several installations and none of this machine")
               .arg(QDir::toNativeSeparators(databasePath())));
    return false;
}

BackupFolder Session::backups() const
{
    return BackupFolder(databasePath(), m_clock);
}

void Session::safeguard(BackupFolder::Kind kind)
{
    const Result<QString> taken = backups().take(m_db, kind);
    if (!taken)
        m_err << "spinledger-cli: " << tr("no backup was taken: %1").arg(taken.status()) << Qt::endl;
}

const Wheel* Session::wheel()
{
    const QString text = m_args.value(QStringLiteral("wheel")).trimmed().toUpper();
    if (text.size() == 1) {
        if (const Wheel* w = Wheel::byLetter(text.front()))
            return w;
    }
    refuse(m_args.isSet(QStringLiteral("wheel"))
               ? Session::tr("unknown wheel '%1': use R (38-pocket) or M (mini)")
                     .arg(m_args.value(QStringLiteral("wheel")))
               : Session::tr("--wheel R|M is required"));
    return nullptr;
}

std::vector<Casino> Session::casinos()
{
    CasinoStore store(m_app);
    Result<std::vector<Casino>> rows = store.list();
    if (!rows.ok())
        throw DbError(rows.status().toStdString());
    return rows.value();
}

Session::Lookup Session::findCasino(Casino& found)
{
    const QString given = m_args.value(QStringLiteral("casino"));
    const QString wanted = given.trimmed();
    bool isNumber = false;
    const qint64 id = wanted.toLongLong(&isNumber);
    std::vector<Casino> all;
    try {
        all = casinos();
    } catch (const DbError& e) {
        cannotRead(e);
        return Lookup::Refused;
    }
    if (isNumber) {
        for (const Casino& c : all) {
            if (c.id == id) {
                found = c;
                return Lookup::Found;
            }
        }
    }
    int matches = 0;
    for (const Casino& c : all) {
        if (c.name == wanted) {
            found = c;
            ++matches;
        }
    }
    if (matches > 1) {
        refuse(Session::tr("several casinos are named '%1': name it by its id "
                           "(spinledger-cli casinos lists them)")
                   .arg(given));
        return Lookup::Refused;
    }
    return matches == 0 ? Lookup::Missing : Lookup::Found;
}

std::optional<Casino> Session::casino()
{
    if (!m_args.isSet(QStringLiteral("casino"))) {
        refuse(Session::tr("--casino NAME-or-ID is required"));
        return std::nullopt;
    }
    Casino found;
    switch (findCasino(found)) {
    case Lookup::Found:
        return found;
    case Lookup::Missing:
        refuse(Session::tr("no casino '%1' in %2 (spinledger-cli casinos lists them)")
                   .arg(m_args.value(QStringLiteral("casino")), QDir::toNativeSeparators(databasePath())));
        break;
    case Lookup::Refused:
        break;
    }
    return std::nullopt;
}

} // namespace spinledger::cli
