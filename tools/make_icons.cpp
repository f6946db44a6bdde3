// Draws the menu entry's icon into a hicolor theme folder, from the same code
// as the window icon:
//   make_icons <folder>  ->  <folder>/48x48/apps/spinledger.png, 128x128, 256x256
#include "artwork/WheelEmblem.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace spinledger;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_icons HICOLOR-FOLDER\n";
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int size : {48, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = theme.filePath(folder + QStringLiteral("/spinledger.png"));
        if (!theme.mkpath(folder) || !WheelEmblem::draw(size).save(file, "PNG")) {
            err << "make_icons: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
