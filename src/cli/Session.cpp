#include "cli/Session.h"

#include "store/IntegrityCheck.h"
#include "wheel/Wheel.h"

#include <QDir>

namespace spinledger::cli {

QCommandLineOption Options::wheel()
{
    return {QStringLiteral("wheel"), QStringLiteral("R (38-pocket wheel) or M (mini wheel)."),
            QStringLiteral("R|M")};
}

QCommandLineOption Options::casino()
{
    return {QStringLiteral("casino"), QStringLiteral("The casino, by its name or its id."),
            QStringLiteral("NAME-or-ID")};
}

QCommandLineOption Options::db()
{
    return {QStringLiteral("db"),
            QStringLiteral("The database file (default: Spinledger.mdb beside the program)."),
            QStringLiteral("PATH")};
}

QCommandLineOption Options::json()
{
    return {QStringLiteral("json"), QStringLiteral("Print JSON for scripts instead of text.")};
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
    return refuse(QStringLiteral("cannot read %1: %2")
                      .arg(QDir::toNativeSeparators(databasePath()), QString::fromUtf8(e.what())));
}

QString Session::databasePath() const
{
    if (m_args.isSet(QStringLiteral("db")))
        return m_args.value(QStringLiteral("db"));
    return QDir(m_env.programFolder).filePath(AppContext::DatabaseFile);
}

bool Session::openFile(Database::Mode mode)
{
    const QString path = databasePath();
    m_app.appFolder = QFileInfo(path).absolutePath();
    m_app.connString = path;
    if (!m_db.open(path, m_app.password(), mode)) {
        const QString why = m_db.lastReason().isEmpty() ? m_db.lastError() : m_db.lastReason();
        refuse(QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    return true;
}

bool Session::open(Database::Mode mode)
{
    if (!openFile(mode))
        return false;
    // A damaged file is never written into.
    if (mode != Database::Mode::ReadOnly && !IntegrityCheck::quick(m_db).sound) {
        m_db.close();
        refuse(tr("%1: the database file is damaged; nothing was written (spinledger-cli check tells "
                  "what, spinledger-cli backups lists the copies to restore)")
                   .arg(QDir::toNativeSeparators(databasePath())));
        return false;
    }
    return findInstallation();
}

bool Session::findInstallation()
{
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
        std::vector<qint64> ids;
        while (all.next())
            ids.push_back(all.integer(0));
        if (ids.size() == 1) {
            m_app.settingId = ids.front();
            return true;
        }
        refuse(ids.empty() ? QStringLiteral("%1 holds no installation: start Spinledger once first")
                                 .arg(QDir::toNativeSeparators(databasePath()))
                           : QStringLiteral("%1 holds several installations and none of this machine")
                                 .arg(QDir::toNativeSeparators(databasePath())));
    } catch (const DbError& e) {
        cannotRead(e);
    }
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
               ? QStringLiteral("unknown wheel '%1': use R (38-pocket) or M (mini)")
                     .arg(m_args.value(QStringLiteral("wheel")))
               : QStringLiteral("--wheel R|M is required"));
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
        refuse(QStringLiteral("several casinos are named '%1': name it by its id "
                              "(spinledger-cli casinos lists them)")
                   .arg(given));
        return Lookup::Refused;
    }
    return matches == 0 ? Lookup::Missing : Lookup::Found;
}

std::optional<Casino> Session::casino()
{
    if (!m_args.isSet(QStringLiteral("casino"))) {
        refuse(QStringLiteral("--casino NAME-or-ID is required"));
        return std::nullopt;
    }
    Casino found;
    switch (findCasino(found)) {
    case Lookup::Found:
        return found;
    case Lookup::Missing:
        refuse(QStringLiteral("no casino '%1' in %2 (spinledger-cli casinos lists them)")
                   .arg(m_args.value(QStringLiteral("casino")), QDir::toNativeSeparators(databasePath())));
        break;
    case Lookup::Refused:
        break;
    }
    return std::nullopt;
}

} // namespace spinledger::cli
