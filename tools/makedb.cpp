// Produces the installation's database: every table and index of the
// application in an encrypted file. Run on an existing file it adds only what
// is missing, so a user's history is never lost.
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

using namespace spinledger;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: makedb PATH/Spinledger.mdb\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool existed = QFileInfo::exists(path);
    Database db;
    if (!db.open(path, AppContext::DatabasePassword, Database::Mode::Create)) {
        err << "makedb: cannot open " << path << ": " << db.lastError() << "\n";
        return 1;
    }
    try {
        Schema::create(db);
    } catch (const DbError& e) {
        err << "makedb: " << e.what() << "\n";
        return 1;
    }
    QTextStream(stdout) << (existed ? "checked " : "created ") << path << "\n";
    return 0;
}
