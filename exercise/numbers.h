// Drawing and writing the exercise's numbers: the two display formats, the
// level bounds, the draw of one number and the pass that removes equal numbers.
#pragma once

#include <QString>
#include <QStringList>

// "### ### ##0": digits grouped by threes with a plain blank, no leading zeros.
QString formatInteger(double value);
// "### ##0.###": the integer part grouped the same way, the locale's decimal
// separator, then the fraction rounded to three digits without trailing zeros
// (no separator at all when the fraction rounds to zero).
QString formatDecimal(double value, const QString& decimalSeparator);
// A number as plain text: no grouping, the locale's separator, up to 15
// significant digits.
QString formatPlain(double value, const QString& decimalSeparator);

struct LevelBounds {
    double RangeMin;
    double RangeMax;
};
// The bounds of the integer part for level 0 ("< 100") to 4 ("< 10 000 000").
LevelBounds levelBounds(int level);

// An integer from RangeMin to RangeMax inclusive, from one uniform draw r in [0, 1).
double drawInteger(const LevelBounds& bounds, double r);
// A decimal whose integer part lies in the bounds (r1) and whose fraction is r2.
double drawDecimal(const LevelBounds& bounds, double r1, double r2);

// The one pass that separates equal numbers: for a = 0..7 and b = 1..7 with
// b != a, a text b that reads (CaptionValue) as the same number as text a is
// replaced by that number plus one, written plainly and read back again.
// Later comparisons see the replaced texts; the pass is not repeated.
void removeEqualNumbers(QStringList& texts, const QString& decimalSeparator);
