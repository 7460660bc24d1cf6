// The program's compiled-in pictures, sharp on screens of any pixel density.
// Each picture ":/images/<name>.png" has a twin drawn at twice its size,
// ":/images/<name>@2x.png". Qt picks such a twin for an icon made from a file,
// but never for a plain pixmap, so the windows load their pictures here.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace pictures {

// The resource path of a picture's twice-size twin:
// ":/images/logo.png" gives ":/images/logo@2x.png".
QString twinPath(const QString& path);

// The picture for a device pixel ratio. Up to 1, the picture itself; above,
// its twin, resampled to the device pixels that the picture covers at that
// ratio (the twin as drawn at 2), and marked with that ratio, so that it takes
// the same room in logical pixels as the picture at 1. Without a twin, the
// picture itself, which Qt then enlarges.
QPixmap atRatio(const QString& path, qreal ratio);

// The picture for the screen that shows a widget, or will show it when a
// window not yet shown opens on the primary screen.
QPixmap forWidget(const QString& path, const QWidget* widget);

// A window icon holding the picture and its twin, whatever the screens are
// when it is made; the window system takes the size it needs.
QIcon windowIcon(const QString& path);

} // namespace pictures
