#pragma once

#include "SetUp.h"
#include "TestFiles.h"
#include "location/DataLocation.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

namespace spinledger::test {

// An installed program's folder (marker, template, images) and one user's
// data, runtime and download folders, all in a temporary directory.
class InstalledFolder
{
public:
    InstalledFolder()
    {
        setUp(root.isValid() && QDir(root.path()).mkpath(QStringLiteral("program/images")),
              "no installation folder");
        for (const char* image : {"images/ka.cart.gif", "images/wheelanim.gif", "images/app.title.gif"})
            writeFile(programFile(QString::fromLatin1(image)), {});
        writeFile(programFile(DataLocation::MarkerFile), "installed\n");
        makeDatabase(programFile(DataLocation::TemplateFile), 0);
    }

    QString programFile(const QString& name) const { return QDir(folders().program).filePath(name); }
    QString sharedDatabase() const { return programFile(AppContext::DatabaseFile); }
    QString userDatabase() const { return QDir(folders().userData).filePath(AppContext::DatabaseFile); }

    DataLocation::Folders folders() const
    {
        return {root.filePath(QStringLiteral("program")),
                root.filePath(QStringLiteral("home/data/spinledger")),
                root.filePath(QStringLiteral("home/run")), root.filePath(QStringLiteral("home/Downloads"))};
    }
    DataLocation location() const { return DataLocation(folders()); }

    // A database of every table with the given number of spins on the R wheel.
    static void makeDatabase(const QString& path, int spins,
                             const QString& key = AppContext::DatabasePassword)
    {
        Database db;
        if (!db.open(path, key, Database::Mode::Create))
            qFatal("cannot make %s", qPrintable(path));
        Schema::create(db);
        for (int i = 0; i < spins; ++i)
            db.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1)");
    }

    static qint64 spins(const QString& path, const QString& key = AppContext::DatabasePassword)
    {
        Database db;
        if (!db.open(path, key, Database::Mode::ReadOnly))
            return -1;
        Statement q = db.prepare("SELECT COUNT(*) FROM ka_app_r");
        return q.next() ? q.integer(0) : -1;
    }

    static QByteArray digest(const QString& path)
    {
        return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256);
    }

    // Every entry of the program folder with its size, mode and bytes.
    QStringList programListing() const
    {
        QStringList rows;
        QDir dir(folders().program);
        for (const QFileInfo& info :
             dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(info.fileName())
                        .arg(info.size())
                        .arg(int(info.permissions()), 0, 16)
                        .arg(QString::fromLatin1(digest(info.filePath()).toHex()));
        }
        return rows;
    }

    QTemporaryDir root;
};

} // namespace spinledger::test
