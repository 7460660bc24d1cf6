// The sort engine asks its owner for every comparison and exchange: these tests
// record the calls and check their exact sequence, the gaps and the final order.
#include "exercise/clssort.h"

#include <QtTest>

#include <stdexcept>
#include <vector>

namespace {

enum class Owner { Strict, TiesOutOfOrder, LeavesFlagAlone };

// An owner that keeps a row of numbers and records each call as "C1-2" or
// "S1-2". A strict owner calls a pair out of order when the first is greater.
class Row : public SortComparer {
public:
    explicit Row(std::vector<double> row, Owner kind = Owner::Strict)
        : items(std::move(row)), owner(kind)
    {
    }
    std::vector<double> items; // item k is items[k - 1]
    QStringList calls;
    Owner owner;

    void Compare(qint16 I, qint16 J, bool& IsGreater) override
    {
        calls.append(QStringLiteral("C%1-%2").arg(I).arg(J));
        if (I < 1 || J > qint16(items.size()) || I >= J)
            throw std::logic_error("compare outside the row");
        // A sort gone quadratic on the largest row stops here, not out of memory.
        if (calls.size() > 1'000'000)
            throw std::logic_error("too many calls");
        // After its first answer this owner never touches the flag again.
        if (owner == Owner::LeavesFlagAlone && calls.size() > 1)
            return;
        const double a = items[I - 1], b = items[J - 1];
        IsGreater = owner == Owner::TiesOutOfOrder ? a >= b : a > b;
    }
    void Swap(qint16 I, qint16 J) override
    {
        calls.append(QStringLiteral("S%1-%2").arg(I).arg(J));
        std::swap(items[I - 1], items[J - 1]);
    }
    QString trace() const { return calls.join(' '); }
};

std::vector<double> iota(int n)
{
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = i + 1;
    return v;
}

} // namespace

Q_DECLARE_METATYPE(Owner)

class SortTest : public QObject {
    Q_OBJECT
private slots:
    void exactCalls_data();
    void exactCalls();
    void sortsWithSwapsAfterTheirCompare_data();
    void sortsWithSwapsAfterTheirCompare();
    void largestCount();
};

void SortTest::exactCalls_data()
{
    QTest::addColumn<std::vector<double>>("items");
    QTest::addColumn<qint16>("max");
    QTest::addColumn<Owner>("owner");
    QTest::addColumn<QString>("calls");
    using V = std::vector<double>;
    for (qint16 max : {qint16(0), qint16(1), qint16(-1), qint16(-32768)})
        QTest::addRow("max %d: no call", max) << V{2, 1} << max << Owner::Strict << QString();
    QTest::newRow("two, out of order") << V{2, 1} << qint16(2) << Owner::Strict << "C1-2 S1-2";
    QTest::newRow("two, in order") << V{0.5, 1} << qint16(2) << Owner::Strict << "C1-2";
    // In order, each pass compares i with i + gap for i = 1 .. max - gap.
    QTest::newRow("3 in order: gaps 2, 1")
        << V{1, 2, 3} << qint16(3) << Owner::Strict << "C1-3 C1-2 C2-3";
    QTest::newRow("7 in order: gaps 4, 2, 1")
        << V{1, 2, 3, 4, 5, 6, 7} << qint16(7) << Owner::Strict
        << "C1-5 C2-6 C3-7 C1-3 C2-4 C3-5 C4-6 C5-7 C1-2 C2-3 C3-4 C4-5 C5-6 C6-7";
    QTest::newRow("8 in order: gaps 5, 2, 1")
        << V{1, 2, 3, 4, 5, 6, 7, 8} << qint16(8) << Owner::Strict
        << "C1-6 C2-7 C3-8 C1-3 C2-4 C3-5 C4-6 C5-7 C6-8 C1-2 C2-3 C3-4 C4-5 C5-6 C6-7 C7-8";
    const QString allExchanged = "C1-3 S1-3 C1-2 S1-2 C2-3 S2-3 C1-2 S1-2";
    // Ties called out of order are exchanged, and the walk goes on past them.
    QTest::newRow("three equal, ties out of order")
        << V{5, 5, 5} << qint16(3) << Owner::TiesOutOfOrder << allExchanged;
    // One flag for the whole call: the first "out of order" is repeated.
    QTest::newRow("flag left alone after the first answer")
        << V{3, 1, 2} << qint16(3) << Owner::LeavesFlagAlone << allExchanged;
}

void SortTest::exactCalls()
{
    QFETCH(std::vector<double>, items);
    QFETCH(qint16, max);
    QFETCH(Owner, owner);
    QFETCH(QString, calls);
    Row row(items, owner);
    clsSort(row).Sort(max);
    QCOMPARE(row.trace(), calls);
}

void SortTest::sortsWithSwapsAfterTheirCompare_data()
{
    QTest::addColumn<std::vector<double>>("items");
    QTest::newRow("7 3 9 1 5 8 2 6") << std::vector<double>{7, 3, 9, 1, 5, 8, 2, 6};
    QTest::newRow("reversed eight") << std::vector<double>{8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("reversed seven") << std::vector<double>{7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("with ties") << std::vector<double>{3, 1, 3, 2, 1, 3, 2, 1, 2};
}

// Every exchange is of the pair just compared, and the row ends sorted.
void SortTest::sortsWithSwapsAfterTheirCompare()
{
    QFETCH(std::vector<double>, items);
    Row row(items);
    clsSort(row).Sort(qint16(items.size()));
    for (qsizetype k = 0; k < row.calls.size(); ++k) {
        if (row.calls[k].startsWith('S')) {
            QVERIFY(k > 0);
            QCOMPARE(row.calls[k - 1], "C" + row.calls[k].mid(1));
        }
    }
    QVERIFY(std::is_sorted(row.items.begin(), row.items.end()));
}

void SortTest::largestCount()
{
    // The largest 16-bit count: no index passes Max, none wraps around (the
    // owner throws on any compare outside the row).
    Row row(iota(32767));
    clsSort(row).Sort(32767);
    QVERIFY(!row.trace().contains('S'));
    QCOMPARE(row.calls.back(), "C32766-32767");
}

QTEST_APPLESS_MAIN(SortTest)
#include "sort_test.moc"
