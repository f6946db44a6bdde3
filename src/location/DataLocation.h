#pragma once

#include <QString>

namespace spinledger {

// Where the running program keeps its database, backups and instance lock.
// A folder the player unpacked or built holds everything beside the program
// and may be written. An installed program (its folder carries the marker the
// installation lays, wherever the folder is) only reads its folder: each user's
// history lives in their own data folder, the lock in their runtime folder.
class DataLocation
{
public:
    enum class Mode
    {
        Portable,
        Installed,
    };

    static inline const QString MarkerFile = QStringLiteral("spinledger.mode");
    static inline const QByteArray MarkerText = QByteArrayLiteral("installed");
    static inline const QString TemplateFile = QStringLiteral("Spinledger.template.mdb");
    // The user's own folder under the data, runtime and download folders.
    static inline const QString UserFolder = QStringLiteral("spinledger");

    struct Folders
    {
        QString program;   // the program's own folder
        QString userData;  // the user's data folder for this program ($XDG_DATA_HOME/spinledger)
        QString runtime;   // the user's runtime folder ($XDG_RUNTIME_DIR)
        QString downloads; // the user's download folder
    };

    // The program folder with the user's folders as the system names them.
    static Folders systemFolders(const QString& programFolder);
    static DataLocation system(const QString& programFolder)
    {
        return DataLocation(systemFolders(programFolder));
    }

    explicit DataLocation(Folders folders);

    Mode mode() const { return m_mode; }
    bool isInstalled() const { return m_mode == Mode::Installed; }
    const Folders& folders() const { return m_folders; }
    QString programFolder() const { return m_folders.program; }

    // The database the window and the command line use by default.
    QString databasePath() const;
    // The folder backups of a database go to: "backups" beside it.
    static QString backupFolderFor(const QString& databasePath);
    // The lock that keeps a second window (and the command line's writers)
    // away from a database.
    QString lockPathFor(const QString& databasePath) const;
    QString lockPath() const { return lockPathFor(databasePath()); }
    // The empty database an installed program starts a new player's from.
    QString templatePath() const;
    // The one database of all users that earlier installed versions kept in
    // the program folder; empty for a portable folder, whose database it is.
    QString sharedDatabasePath() const;
    // Where a downloaded update is saved.
    QString downloadFolder() const;

private:
    static Mode modeOf(const QString& programFolder);

    Folders m_folders;
    Mode m_mode;
};

} // namespace spinledger
