#include "fonts.h"

namespace fonts {

QFont named(const QString& family, double points, bool bold)
{
    // The old dialog font is absent from free desktops; Arial (and Courier New)
    // are aliases there of the metric-compatible Liberation fonts. One family
    // each: a list of fallbacks would make the font database try every absent
    // name in turn, a cost paid at every start.
    QFont f(family == QLatin1String("MS Sans Serif") ? QStringLiteral("Arial") : family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont dialogDefault() { return named(QStringLiteral("MS Sans Serif"), 8.25); }

} // namespace fonts
