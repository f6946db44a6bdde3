#include "shell/Favicon.h"

#include "artwork/WheelEmblem.h"

#include <QPixmap>

namespace spinledger {

QIcon Favicon::icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(WheelEmblem::draw(size)));
    return icon;
}

} // namespace spinledger
