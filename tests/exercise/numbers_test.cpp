// The reading rule, the two number formats, the draws and the pass that
// separates equal numbers.
#include "exercise/levels.h"
#include "exercise/numbers.h"
#include "exercise/score.h"

#include <QRandomGenerator>
#include <cmath>
#include <utility>
#include <QtTest>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void captionValue_data();
    void captionValue();
    void formatInteger_data();
    void formatInteger();
    void formatDecimal_data();
    void formatDecimal();
    void removeEqual_data();
    void removeEqual();
    void levelTable();
    void drawEdges();
    void drawRanges();
    void drawsRoundEachStepToDoubles();
};

namespace {

// An unsigned integer of up to 128 bits in two halves (i386 has no __int128),
// with the few operations the reference below needs.
struct Wide {
    quint64 hi = 0, lo = 0;
};
Wide wide(quint64 v) { return {0, v}; }
Wide operator+(Wide a, Wide b)
{
    const quint64 lo = a.lo + b.lo;
    return {a.hi + b.hi + (lo < a.lo), lo};
}
Wide operator<<(Wide a, int n)
{
    for (; n > 0; --n)
        a = {(a.hi << 1) | (a.lo >> 63), a.lo << 1};
    return a;
}
Wide operator>>(Wide a, int n)
{
    for (; n > 0; --n)
        a = {a.hi >> 1, (a.lo >> 1) | (a.hi << 63)};
    return a;
}
bool operator==(Wide a, Wide b) { return a.hi == b.hi && a.lo == b.lo; }
bool operator<(Wide a, Wide b) { return a.hi < b.hi || (a.hi == b.hi && a.lo < b.lo); }
// a * b for a < 2^32 and b < 2^64.
Wide times(quint64 a, quint64 b)
{
    return (wide(a * (b >> 32)) << 32) + wide(a * (b & 0xffffffffu));
}

// x * 2^shift rounded to 53 significant bits, ties to even: a mantissa below
// 2^53 and its new shift. Integer arithmetic only, so that the reference below
// owes nothing to the machine's floating point.
std::pair<quint64, int> roundTo53Bits(Wide x, int shift)
{
    int bits = 0;
    for (Wide y = x; !(y == Wide{}); y = y >> 1)
        ++bits;
    if (bits <= 53)
        return {x.lo, shift};
    const int drop = bits - 53;
    quint64 kept = (x >> drop).lo;
    const Wide rest = x + Wide{~(wide(kept) << drop).hi, ~(wide(kept) << drop).lo} + wide(1);
    const Wide half = wide(1) << (drop - 1);
    if (half < rest || (rest == half && (kept & 1)))
        ++kept;
    return {kept, shift + drop};
}

// The draw as IEEE doubles give it: span * r rounded, plus RangeMin rounded,
// floored; then plus r2 rounded for a decimal. r and r2 in [2^-40, 1) or 0.
double referenceDraw(const LevelBounds& b, double r, double r2 = -1)
{
    const auto span = quint64(b.RangeMax - b.RangeMin + 1), low = quint64(b.RangeMin);
    int e = 0;
    const auto m = quint64(std::ldexp(std::frexp(r, &e), 53)); // r = m * 2^(e - 53)
    const auto [p, k] = roundTo53Bits(times(span, m), e - 53);
    // p * 2^k + low, exact while k >= -100, rounded again, floored.
    quint64 whole;
    if (k >= 0) {
        whole = (p << k) + low;
    } else {
        const auto [s, k2] = roundTo53Bits(wide(p) + (wide(low) << -k), k);
        whole = k2 >= 0 ? s << k2 : s >> -k2;
    }
    if (r2 < 0)
        return double(whole);
    const auto m2 = quint64(std::ldexp(std::frexp(r2, &e), 53));
    const auto [d, k3] = roundTo53Bits((wide(whole) << (53 - e)) + wide(m2), e - 53);
    return std::ldexp(double(d), k3);
}

} // namespace

void NumbersTest::captionValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("grouped") << "1 234" << 1234.0;
    QTest::newRow("comma stops") << "12,5" << 12.0;
    QTest::newRow("negative decimal") << "-3.5" << -3.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("placeholder") << "?" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("tabs and line feeds") << "1\t2\n3" << 123.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("largest level") << "10 000 000" << 10000000.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("trailing sign") << "5-" << 5.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("grouped decimal with comma") << "1 000,25" << 1000.0;
}

void NumbersTest::captionValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(CaptionValue(text), value);
}

void NumbersTest::formatInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("three digits") << 999.0 << "999";
    QTest::newRow("thousand") << 1000.0 << "1 000";
    QTest::newRow("seven digits") << 1234567.0 << "1 234 567";
    QTest::newRow("largest") << 10000000.0 << "10 000 000";
}

void NumbersTest::formatInteger()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::formatInteger(value), text);
    QCOMPARE(CaptionValue(text), value);
}

void NumbersTest::formatDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << 12.5 << "," << "12,5";
    QTest::newRow("grouped comma") << 1000.25 << "," << "1 000,25";
    QTest::newRow("point") << 12.5 << "." << "12.5";
    QTest::newRow("grouped point") << 1000.25 << "." << "1 000.25";
    QTest::newRow("rounded to three") << 1.23456 << "." << "1.235";
    QTest::newRow("fraction rounds to zero") << 3.0004 << "," << "3";
    QTest::newRow("rounding carries") << 99.9996 << "," << "100";
    QTest::newRow("trailing zeros dropped") << 100.1 << "," << "100,1";
    QTest::newRow("largest decimal") << 1000.999 << "," << "1 000,999";
}

void NumbersTest::formatDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(::formatDecimal(value, separator), text);
}

void NumbersTest::removeEqual_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("two 57: the later one grows")
        << QStringList{"1", "2", "57", "3", "4", "57", "5", "6"} << ","
        << QStringList{"1", "2", "57", "3", "4", "58", "5", "6"};
    QTest::newRow("grouping lost")
        << QStringList{"1", "1 234", "2", "1 234", "3", "4", "5", "6"} << ","
        << QStringList{"1", "1 234", "2", "1235", "3", "4", "5", "6"};
    QTest::newRow("comma decimals compare by integer part")
        << QStringList{"1", "12,345", "2", "12,9", "3", "4", "5", "6"} << ","
        << QStringList{"1", "12,345", "2", "13", "3", "4", "5", "6"};
    QTest::newRow("point decimals keep their fraction")
        << QStringList{"1", "12.5", "2", "12.5", "3", "4", "5", "6"} << "."
        << QStringList{"1", "12.5", "2", "13.5", "3", "4", "5", "6"};
    QTest::newRow("point decimals that differ stay")
        << QStringList{"1", "12.345", "2", "12.9", "3", "4", "5", "6"} << "."
        << QStringList{"1", "12.345", "2", "12.9", "3", "4", "5", "6"};
    QTest::newRow("6 5 5 becomes 6 5 6, left as it is")
        << QStringList{"6", "5", "5", "10", "20", "30", "40", "50"} << ","
        << QStringList{"6", "5", "6", "10", "20", "30", "40", "50"};
    QTest::newRow("tile 0 never changes")
        << QStringList{"5", "5", "5", "5", "5", "5", "5", "5"} << ","
        << QStringList{"5", "6", "7", "8", "9", "10", "11", "12"};
    QTest::newRow("an increase may leave the range")
        << QStringList{"100", "1", "2", "100", "3", "4", "5", "6"} << ","
        << QStringList{"100", "1", "2", "101", "3", "4", "5", "6"};
}

void NumbersTest::removeEqual()
{
    QFETCH(QStringList, before);
    QFETCH(QString, separator);
    QFETCH(QStringList, after);
    removeEqualNumbers(before, separator);
    QCOMPARE(before, after);
}

// The levels as the child sees them; the other tests read the table itself.
void NumbersTest::levelTable()
{
    struct Row { const char* caption; double RangeMin, RangeMax; bool withDecimals; };
    const Row expected[] = {{"< 100", 1, 100, true},           {"< 1000", 100, 1000, true},
                            {"< 10 000", 1000, 10000, false},  {"< 100 000", 10000, 100000, false},
                            {"< 10 000 000", 1000000, 10000000, false}};
    QCOMPARE(kLevelCount, int(std::size(expected)));
    for (int i = 0; i < kLevelCount; ++i) {
        const Level& l = kLevels[size_t(i)];
        QCOMPARE(QString::fromUtf8(l.caption), QString::fromUtf8(expected[i].caption));
        QCOMPARE(levelBounds(i).RangeMin, expected[i].RangeMin);
        QCOMPARE(levelBounds(i).RangeMax, expected[i].RangeMax);
        QCOMPARE(l.withDecimals, expected[i].withDecimals);
    }
    QCOMPARE(levelBounds(kLevelCount).RangeMax, levelBounds(kLevelCount - 1).RangeMax);
}

void NumbersTest::drawEdges()
{
    const double justBelowOne = 1.0 - 1e-12;
    for (int level = 0; level < kLevelCount; ++level) {
        const LevelBounds b = levelBounds(level);
        QCOMPARE(drawInteger(b, 0.0), b.RangeMin);
        QCOMPARE(drawInteger(b, justBelowOne), b.RangeMax);
        QCOMPARE(drawDecimal(b, 0.0, 0.0), b.RangeMin);
        QVERIFY(drawDecimal(b, justBelowOne, 0.999999) < b.RangeMax + 1);
    }
    QCOMPARE(levelBounds(4).RangeMin, 1000000.0);
    QCOMPARE(levelBounds(4).RangeMax, 10000000.0);
    QCOMPARE(::formatInteger(drawInteger(levelBounds(4), justBelowOne)), QString("10 000 000"));
}

void NumbersTest::drawRanges()
{
    QRandomGenerator generator(20261207);
    for (int level = 0; level < kLevelCount; ++level) {
        const LevelBounds b = levelBounds(level);
        double lowest = 1e300, highest = -1e300;
        for (int n = 0; n < 200000; ++n) {
            const double v = drawInteger(b, generator.generateDouble());
            QCOMPARE(v, std::floor(v));
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
            const double d = drawDecimal(b, generator.generateDouble(), generator.generateDouble());
            QVERIFY(d >= b.RangeMin && d < b.RangeMax + 1);
        }
        QVERIFY(lowest >= b.RangeMin);
        QVERIFY(highest <= b.RangeMax);
        if (level <= 1) { // small ranges: both ends come out over a long run
            QCOMPARE(lowest, b.RangeMin);
            QCOMPARE(highest, b.RangeMax);
        }
    }
}

// Rule: the same draw gives the same number on every machine. Each step is
// rounded to a double, never kept wider (x87 on i386) nor fused (arm64): the
// draws at the decimal fractions r = k/100 and k/1000 (where the product lies
// next to a whole number), one bit either side of them and random ones, set
// against integer arithmetic.
void NumbersTest::drawsRoundEachStepToDoubles()
{
    // floor(100 * 0.3 + 1) is 31 in doubles; 30 when the product is kept wider.
    QCOMPARE(drawInteger(levelBounds(0), 0.3), 31.0);
    QCOMPARE(referenceDraw(levelBounds(0), 0.3), 31.0);

    QList<double> rs;
    for (int k = 1; k < 1000; ++k) {
        const double r = QString::asprintf("0.%03d", k).toDouble(); // correctly rounded
        rs << r << std::nextafter(r, 0.0) << std::nextafter(r, 1.0);
    }
    QRandomGenerator generator(20261209);
    for (int n = 0; n < 3000; ++n)
        rs << std::max(generator.generateDouble(), 0x1p-40);
    for (int level = 0; level < 5; ++level) {
        const LevelBounds b = levelBounds(level);
        for (qsizetype i = 0; i < rs.size(); ++i) {
            const double r = rs[i], r2 = rs[(i + 7) % rs.size()];
            if (drawInteger(b, r) != referenceDraw(b, r) || drawDecimal(b, r, r2) != referenceDraw(b, r, r2))
                QFAIL(qPrintable(QString::asprintf("level %d, r = %.17g, r2 = %.17g: %.17g, %.17g", level, r,
                                                   r2, drawInteger(b, r), drawDecimal(b, r, r2))));
        }
    }
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "numbers_test.moc"
