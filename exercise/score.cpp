#include "score.h"

#include "numbers.h"

#include <cmath>

double CaptionValue(const QString& text)
{
    QString number;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (number.isEmpty() && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            number += c;
            continue;
        }
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += c;
            digits = true;
            continue;
        }
        if (c == QLatin1Char('.') && !point) {
            number += c;
            point = true;
            continue;
        }
        break;
    }
    if (!digits)
        return 0.0;
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

std::optional<qint32> markOutOfTen(qint32 successes, qint32 failures)
{
    const double all = double(successes) + double(failures);
    if (all == 0)
        return std::nullopt;
    // std::nearbyint rounds half to even in the default rounding mode.
    return qint32(std::nearbyint(roundedToDouble(roundedToDouble(double(successes) / all) * 10.0)));
}

QString formatMark(qint32 mark, const QString& decimalSeparator)
{
    return QString::number(mark) + decimalSeparator + QLatin1String("0/10");
}
