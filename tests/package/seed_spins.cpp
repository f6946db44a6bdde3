// Writes spins into an existing database, as a player's history for the
// package test: seed_spins PATH COUNT
#include "store/AppContext.h"
#include "store/Database.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace spinledger;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    bool number = false;
    const int count = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt(&number) : 0;
    if (!number) {
        err << "usage: seed_spins PATH COUNT\n";
        return 2;
    }
    Database db;
    if (!db.open(QString::fromLocal8Bit(argv[1]), AppContext::DatabasePassword, Database::Mode::ReadWrite)) {
        err << "seed_spins: " << db.lastError() << "\n";
        return 1;
    }
    const Wheel& wheel = Wheel::r();
    const std::string sql = QStringLiteral("INSERT INTO %1 (ka_app_setting_id, %2) VALUES (1, 1)")
                                .arg(wheel.spinTable(), wheel.casinoSetting())
                                .toStdString();
    for (int i = 0; i < count; ++i)
        db.prepare(sql).run();
    return 0;
}
