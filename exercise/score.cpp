#include "score.h"

#include <cmath>

#if defined(__i386__) && !defined(__SSE2_MATH__)
#include <fpu_control.h>

namespace {

// The x87 unit rounds every sum, product and quotient to 64 bits of mantissa;
// stored to a double the result is rounded a second time and now and then
// lands one bit away from the once-rounded result of amd64 and arm64 (a draw's
// decimal, a sum of the check). Rounding to a double's 53 bits in the unit
// itself, as Windows does by default, gives the same results everywhere. Set
// once as the program starts, before any thread is made (threads inherit it).
[[maybe_unused]] const bool x87RoundsToDoubles = [] {
    fpu_control_t word;
    _FPU_GETCW(word);
    word = (word & ~_FPU_EXTENDED) | _FPU_DOUBLE;
    _FPU_SETCW(word);
    return true;
}();

} // namespace
#endif

double roundedToDouble(double value)
{
    volatile double stored = value;
    return stored;
}

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
