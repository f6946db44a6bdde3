#include "shell/FolderImages.h"

#include <QFileInfo>
#include <QLabel>
#include <QMovie>

namespace spinledger::FolderImages {

void show(QLabel* label, const QString& appFolder, const QString& name)
{
    const QString plain = appFolder + QStringLiteral("/images/") + name;
    const QString dense = plain + QStringLiteral("@2x.gif");
    const qreal ratio = label->devicePixelRatioF() > 1 && QFileInfo::exists(dense) ? 2 : 1;
    auto* movie = new QMovie(ratio > 1 ? dense : plain + QStringLiteral(".gif"), QByteArray(), label);
    // Each frame is told its density, so the label shows it at the plain
    // picture's size, pixel for device pixel.
    QObject::connect(movie, &QMovie::frameChanged, label, [label, movie, ratio] {
        QPixmap frame = movie->currentPixmap();
        frame.setDevicePixelRatio(ratio);
        label->setPixmap(frame);
    });
    movie->start();
}

} // namespace spinledger::FolderImages
