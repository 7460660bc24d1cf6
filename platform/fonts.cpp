#include "fonts.h"

#include <QStringList>

namespace fonts {
namespace {
QStringList familiesFor(const QString& family)
{
    if (family == QLatin1String("Courier New"))
        return {family, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    if (family == QLatin1String("MS Sans Serif"))
        return {family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                QStringLiteral("Liberation Sans")};
    return {family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
}
} // namespace

QFont named(const QString& family, double points, bool bold)
{
    QFont f;
    f.setFamilies(familiesFor(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont dialogDefault() { return named(QStringLiteral("MS Sans Serif"), 8.25); }

} // namespace fonts
