// clsSort: a Shell sort that owns no data. It knows only the number of items;
// every comparison and every exchange is asked of its owner.
#pragma once

#include <QtGlobal>

// The owner's side of the sort.
class SortComparer {
public:
    virtual ~SortComparer() = default;
    // Items are numbered from 1, with I < J. Set IsGreater to true when item I
    // must come after item J (the pair is out of order).
    virtual void Compare(qint16 I, qint16 J, bool& IsGreater) = 0;
    // Exchange items I and J (I < J).
    virtual void Swap(qint16 I, qint16 J) = 0;
};

class clsSort {
public:
    explicit clsSort(SortComparer& owner) : m_owner(owner) {}
    // Sorts items 1..Max. Gaps Int(Max / 2) + 1, then halved down to 1; each
    // pass walks gapped insertions made of exchanges. Max <= 1 makes no call.
    void Sort(qint16 Max);

private:
    SortComparer& m_owner;
};
