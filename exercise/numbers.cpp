#include "numbers.h"

#include "levels.h"
#include "score.h"

#include <cmath>

namespace {

QString groupDigits(qint64 magnitude)
{
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

// The number a text denotes as written for the user: grouping blanks ignored,
// the locale's decimal separator honoured.
double denotedValue(const QString& text, const QString& decimalSeparator)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (!decimalSeparator.isEmpty() && decimalSeparator != QLatin1String("."))
        t.replace(decimalSeparator, QLatin1String("."));
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok ? value : CaptionValue(text);
}

} // namespace

QString formatInteger(double value)
{
    const qint64 n = qint64(std::llround(value));
    const QString digits = groupDigits(n < 0 ? -n : n);
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString formatDecimal(double value, const QString& decimalSeparator)
{
    const bool negative = value < 0;
    const qint64 thousandths = std::llround(roundedToDouble(std::fabs(value) * 1000.0));
    QString text = groupDigits(thousandths / 1000);
    qint64 fraction = thousandths % 1000;
    if (fraction != 0) {
        QString f = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        text += decimalSeparator + f;
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString formatPlain(double value, const QString& decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    if (decimalSeparator != QLatin1String("."))
        text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

LevelBounds levelBounds(int level)
{
    const Level& l = kLevels[size_t(qBound(0, level, kLevelCount - 1))];
    return {l.RangeMin, l.RangeMax};
}

// Each step rounded to a double, as amd64 does it: the same r gives the same
// number on every machine (the product is not fused into the addition either:
// the build passes -ffp-contract=off).
double drawInteger(const LevelBounds& b, double r)
{
    const double scaled = roundedToDouble((b.RangeMax - b.RangeMin + 1) * r);
    return std::floor(roundedToDouble(scaled + b.RangeMin));
}

double drawDecimal(const LevelBounds& b, double r1, double r2)
{
    return roundedToDouble(drawInteger(b, r1) + r2);
}

void removeEqualNumbers(QStringList& texts, const QString& decimalSeparator)
{
    const int count = int(texts.size());
    for (int a = 0; a < count; ++a) {
        for (int b = 1; b < count; ++b) {
            if (b == a || CaptionValue(texts[b]) != CaptionValue(texts[a]))
                continue;
            const double increased = denotedValue(texts[b], decimalSeparator) + 1;
            const double readBack = CaptionValue(formatPlain(increased, decimalSeparator));
            texts[b] = formatPlain(readBack, decimalSeparator);
        }
    }
}
