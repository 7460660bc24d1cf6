// The fonts the windows are laid out for. Their captions were measured in the
// classic 8-point dialog font, so a wider desktop default would clip them; the
// metric-compatible free fonts stand in where the original families are absent.
#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// The windows' default font: an 8-point sans serif dialog font.
QFont dialogDefault();
// A font of the given family and size, falling back on a metric-compatible one.
QFont named(const QString& family, double points, bool bold = false);

} // namespace fonts
