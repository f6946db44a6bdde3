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
    Database db;
    if (argc != 3 || !db.open(QString::fromLocal8Bit(argv[1]), AppContext::DatabasePassword)) {
        QTextStream(stderr) << "usage: seed_spins PATH COUNT (" << db.lastError() << ")\n";
        return 2;
    }
    const Wheel& wheel = Wheel::r();
    const std::string sql = QStringLiteral("INSERT INTO %1 (ka_app_setting_id, %2) VALUES (1, 1)")
                                .arg(wheel.spinTable(), wheel.casinoSetting())
                                .toStdString();
    for (int i = QString::fromLocal8Bit(argv[2]).toInt(); i > 0; --i)
        db.prepare(sql).run();
    return 0;
}
