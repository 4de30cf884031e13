#include "artwork.h"

#include <QFile>
#include <QLabel>
#include <QMovie>

namespace {

// ":/images/splash.png" -> ":/images/splash@2x.png", when there is one.
QString twinOf(const QString& path, qreal ratio)
{
    if (ratio <= 1.0)
        return QString();
    QString twin = path;
    const int dot = twin.lastIndexOf(QLatin1Char('.'));
    twin.insert(dot < 0 ? twin.size() : dot, QLatin1String("@2x"));
    return QFile::exists(twin) ? twin : QString();
}

} // namespace

QPixmap Artwork::pixmap(const QString& path, qreal ratio)
{
    const QString twin = twinOf(path, ratio);
    if (twin.isEmpty())
        return QPixmap(path);
    QPixmap picture(twin);
    picture.setDevicePixelRatio(2.0);
    return picture;
}

QMovie* Artwork::movie(QLabel* pLabel, const QString& path, QObject* parent)
{
    const QString twin = twinOf(path, pLabel->devicePixelRatioF());
    auto* pMovie = new QMovie(twin.isEmpty() ? path : twin, QByteArray(), parent);
    const qreal frameRatio = twin.isEmpty() ? 1.0 : 2.0;
    QObject::connect(pMovie, &QMovie::frameChanged, pLabel, [pLabel, pMovie, frameRatio] {
        QPixmap frame = pMovie->currentPixmap();
        frame.setDevicePixelRatio(frameRatio);
        pLabel->setPixmap(frame);
    });
    return pMovie;
}
