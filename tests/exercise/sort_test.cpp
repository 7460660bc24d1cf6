// The sort engine asks its owner for every comparison and exchange: these tests
// record the calls and check their exact sequence, the gaps and the final order.
#include "exercise/clssort.h"

#include <QtTest>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Call {
    char kind; // 'C' compare, 'S' swap
    qint16 I, J;
    bool operator==(const Call&) const = default;
};

// An owner that keeps a row of numbers, records each call and answers from
// `greater` (by default: out of order for an ascending sort).
class Row : public SortComparer {
public:
    std::vector<double> items; // item k is items[k - 1]
    std::vector<Call> calls;
    std::function<bool(double, double)> greater = [](double a, double b) { return a > b; };
    bool leaveFlagAlone = false; // after the first answer, leave IsGreater as it is

    void Compare(qint16 I, qint16 J, bool& IsGreater) override
    {
        calls.push_back({'C', I, J});
        if (I < 1 || J > qint16(items.size()) || I >= J)
            throw std::logic_error("compare outside the row");
        if (leaveFlagAlone && calls.size() > 1)
            return;
        IsGreater = greater(items[I - 1], items[J - 1]);
    }
    void Swap(qint16 I, qint16 J) override
    {
        calls.push_back({'S', I, J});
        std::swap(items[I - 1], items[J - 1]);
    }
    int count(char kind) const
    {
        int n = 0;
        for (const Call& c : calls)
            n += c.kind == kind;
        return n;
    }
};

std::vector<double> iota(int n)
{
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = i + 1;
    return v;
}

} // namespace

class SortTest : public QObject {
    Q_OBJECT
private slots:
    void noCallForFewItems_data();
    void noCallForFewItems();
    void twoItems_data();
    void twoItems();
    void orderedInputComparesOnly_data();
    void orderedInputComparesOnly();
    void reversedEight();
    void everySwapFollowsItsCompare_data();
    void everySwapFollowsItsCompare();
    void equalItems();
    void flagIsNotResetBetweenCompares();
    void largestCount();
};

void SortTest::noCallForFewItems_data()
{
    QTest::addColumn<qint16>("max");
    QTest::newRow("0") << qint16(0);
    QTest::newRow("1") << qint16(1);
    QTest::newRow("-1") << qint16(-1);
    QTest::newRow("-32768") << qint16(-32768);
}

void SortTest::noCallForFewItems()
{
    QFETCH(qint16, max);
    Row row;
    row.items = {2, 1};
    clsSort(row).Sort(max);
    QVERIFY(row.calls.empty());
}

void SortTest::twoItems_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<bool>("swapped");
    QTest::newRow("out of order") << 2.0 << true;
    QTest::newRow("in order") << 0.5 << false;
}

void SortTest::twoItems()
{
    QFETCH(double, first);
    QFETCH(bool, swapped);
    Row row;
    row.items = {first, 1};
    clsSort(row).Sort(2);
    std::vector<Call> expected = {{'C', 1, 2}};
    if (swapped)
        expected.push_back({'S', 1, 2});
    QVERIFY(row.calls == expected);
}

void SortTest::orderedInputComparesOnly_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<QList<int>>("gaps");
    QTest::newRow("8 items: gaps 5, 2, 1") << 8 << QList<int>{5, 2, 1};
    QTest::newRow("7 items: gaps 4, 2, 1") << 7 << QList<int>{4, 2, 1};
    QTest::newRow("3 items: gaps 2, 1") << 3 << QList<int>{2, 1};
}

void SortTest::orderedInputComparesOnly()
{
    QFETCH(int, max);
    QFETCH(QList<int>, gaps);
    Row row;
    row.items = iota(max);
    clsSort(row).Sort(qint16(max));
    // Each pass compares i with i + gap for i = 1 .. max - gap, once each.
    std::vector<Call> expected;
    for (int gap : gaps) {
        for (int i = 1; i <= max - gap; ++i)
            expected.push_back({'C', qint16(i), qint16(i + gap)});
    }
    QVERIFY(row.calls == expected);
    if (max == 8)
        QCOMPARE(row.count('C'), 16);
    QCOMPARE(row.count('S'), 0);
}

void SortTest::reversedEight()
{
    Row row;
    row.items = {8, 7, 6, 5, 4, 3, 2, 1};
    clsSort(row).Sort(8);
    QVERIFY(row.items == iota(8));
    // The first pass (gap 5) swaps 1-6, 2-7, 3-8, each walk ending below 1.
    const std::vector<Call> start = {{'C', 1, 6}, {'S', 1, 6}, {'C', 2, 7},
                                     {'S', 2, 7}, {'C', 3, 8}, {'S', 3, 8}};
    QVERIFY(std::equal(start.begin(), start.end(), row.calls.begin()));
    // Every pair's distance is one of the gaps.
    for (const Call& c : row.calls)
        QVERIFY(c.J - c.I == 5 || c.J - c.I == 2 || c.J - c.I == 1);
}

void SortTest::everySwapFollowsItsCompare_data()
{
    QTest::addColumn<std::vector<double>>("items");
    QTest::newRow("7 3 9 1 5 8 2 6") << std::vector<double>{7, 3, 9, 1, 5, 8, 2, 6};
    QTest::newRow("reversed seven") << std::vector<double>{7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("with ties") << std::vector<double>{3, 1, 3, 2, 1, 3, 2, 1, 2};
}

void SortTest::everySwapFollowsItsCompare()
{
    QFETCH(std::vector<double>, items);
    Row row;
    row.items = items;
    clsSort(row).Sort(qint16(items.size()));
    for (std::size_t k = 0; k < row.calls.size(); ++k) {
        if (row.calls[k].kind == 'S') {
            QVERIFY(k > 0);
            QCOMPARE(row.calls[k - 1].kind, 'C');
            QCOMPARE(row.calls[k - 1].I, row.calls[k].I);
            QCOMPARE(row.calls[k - 1].J, row.calls[k].J);
        }
    }
    QVERIFY(std::is_sorted(row.items.begin(), row.items.end()));
}

void SortTest::equalItems()
{
    // Three equal items. An owner that calls equal items out of order gets
    // them exchanged and the walk goes on past them; one that does not stops
    // every walk at the first compare.
    Row strict;
    strict.items = {5, 5, 5};
    clsSort(strict).Sort(3);
    const std::vector<Call> none = {{'C', 1, 3}, {'C', 1, 2}, {'C', 2, 3}};
    QVERIFY(strict.calls == none);

    Row loose;
    loose.items = {5, 5, 5};
    loose.greater = [](double a, double b) { return a >= b; };
    clsSort(loose).Sort(3);
    const std::vector<Call> all = {{'C', 1, 3}, {'S', 1, 3}, {'C', 1, 2}, {'S', 1, 2},
                                   {'C', 2, 3}, {'S', 2, 3}, {'C', 1, 2}, {'S', 1, 2}};
    QVERIFY(loose.calls == all);
}

void SortTest::flagIsNotResetBetweenCompares()
{
    // The first answer is "out of order"; the owner then never touches the
    // flag again, so every later compare repeats it.
    Row row;
    row.items = {3, 1, 2};
    row.leaveFlagAlone = true;
    clsSort(row).Sort(3);
    const std::vector<Call> expected = {{'C', 1, 3}, {'S', 1, 3}, {'C', 1, 2}, {'S', 1, 2},
                                        {'C', 2, 3}, {'S', 2, 3}, {'C', 1, 2}, {'S', 1, 2}};
    QVERIFY(row.calls == expected);
}

void SortTest::largestCount()
{
    // The largest 16-bit count: no index passes Max, none wraps around.
    Row row;
    row.items = iota(32767);
    clsSort(row).Sort(32767);
    QCOMPARE(row.count('S'), 0);
    for (const Call& c : row.calls)
        QVERIFY(c.I >= 1 && c.J <= 32767);
    QCOMPARE(row.calls.back(), (Call{'C', 32766, 32767}));
}

QTEST_APPLESS_MAIN(SortTest)
#include "sort_test.moc"
