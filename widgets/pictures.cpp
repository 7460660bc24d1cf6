#include "pictures.h"

#include <QGuiApplication>
#include <QWidget>

namespace pictures {

QString twinPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString twin = QStringLiteral("@2x");
    if (dot < 0 || dot < path.lastIndexOf(QLatin1Char('/')))
        return path + twin;
    return path.left(dot) + twin + path.mid(dot);
}

QPixmap atRatio(const QString& path, qreal ratio)
{
    QPixmap picture(path);
    if (ratio <= 1.0 || picture.isNull())
        return picture;
    QPixmap twin(twinPath(path));
    if (twin.isNull())
        return picture;
    // Qt reads the ratio from the "@2x" in the name, unless the user turned
    // that off (QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING): the twin is 2 all the same.
    twin.setDevicePixelRatio(2.0);
    if (qFuzzyCompare(ratio, 2.0))
        return twin;
    const QSize device(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
    QPixmap resampled = twin.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resampled.setDevicePixelRatio(ratio);
    return resampled;
}

QPixmap forWidget(const QString& path, const QWidget* widget)
{
    return atRatio(path, widget ? widget->devicePixelRatioF() : qApp->devicePixelRatio());
}

QIcon windowIcon(const QString& path)
{
    QIcon icon;
    icon.addPixmap(QPixmap(path));
    QPixmap twin(twinPath(path));
    if (!twin.isNull()) {
        twin.setDevicePixelRatio(2.0);
        icon.addPixmap(twin);
    }
    return icon;
}

} // namespace pictures
