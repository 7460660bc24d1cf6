#include "clssort.h"

#include <cmath>

void clsSort::Sort(qint16 Max)
{
    // One flag for the whole call: a Compare that leaves it untouched repeats
    // the previous answer.
    bool IsGreater = false;
    // Indexes are 16-bit; j + gap never exceeds Max, so no sum can overflow.
    qint16 gap = qint16(std::floor(double(Max) / 2.0) + 1);
    while (gap > 0) {
        for (qint16 i = 1; i <= Max - gap; ++i) {
            qint16 j = i;
            while (j >= 1) {
                m_owner.Compare(j, qint16(j + gap), IsGreater);
                if (!IsGreater)
                    break;
                m_owner.Swap(j, qint16(j + gap));
                j = qint16(j - gap);
            }
        }
        gap = qint16(gap / 2);
    }
}
