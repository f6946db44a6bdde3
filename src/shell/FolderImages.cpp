#include "shell/FolderImages.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMovie>

namespace spinledger::FolderImages {

namespace {

// A movie plays only while its label can be seen: the splash stays alive,
// hidden, for the whole session, and every frame of a GIF is decoded anew.
class PlaysWhileShown : public QObject
{
public:
    PlaysWhileShown(QLabel* label, QMovie* movie) : QObject(label), m_movie(movie)
    {
        label->installEventFilter(this);
        m_movie->setPaused(!label->isVisible());
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            m_movie->setPaused(event->type() == QEvent::Hide);
        return QObject::eventFilter(watched, event);
    }

private:
    QMovie* m_movie;
};

} // namespace

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
    new PlaysWhileShown(label, movie);
}

} // namespace spinledger::FolderImages
